#pragma once

#include <QObject>
#include <QPointF>

class QTimer;
class QWidget;

namespace atoz {

// The one way a control of the book answers the mouse. Young children
// double-click everything and click faster than the screen changes, so a
// control acts once per click:
//   - Click (labels, pictures, thumbnails): the left button pressed and let go
//     inside the control. The second press of a double-click, and the release
//     after it, do nothing, so a double-click acts once and never reaches the
//     control that appears under the pointer once the view has changed.
//   - Press (the page and the paint swatches): any button, at the moment it
//     goes down. The second press of a double-click does nothing, so a
//     double-click on the page is one fill.
// Mouse presses and releases stop at the control: they never reach the
// widget under it.
class Clickable : public QObject
{
    Q_OBJECT

public:
    enum class When { Click, Press };

    // Makes `control` clickable; the returned object is its child and
    // announces its clicks. A Click control shows the pointing hand.
    // Attaching again the same way returns the same object; a control
    // already attached the other way is refused: null, and a warning.
    static Clickable* Attach(QWidget* control, When when = When::Click);

    // Makes a press of the left button (or a finger) that stays down on the
    // control for `milliseconds` announce held(): a deliberate press that a
    // child's click does not make. That press then makes no click.
    void SetHoldTime(int milliseconds);

    // What a screen reader's "press" does: one click, or a press in the
    // control's middle. Clickable controls are buttons to screen readers and
    // accessibility-based tools, named by their accessible name, their text
    // or what their picture means (the tool tip).
    void Press();

signals:
    void clicked();
    void held();
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Clickable(QWidget* control, When when);

    When when_;
    bool armed_ = false;  // a real press of the left button is down on the control
    QTimer* hold_ = nullptr;  // while armed, when a hold time is set
};

// Calls `action` on every click of `control`: a function, or a method of
// `context`; `context` ends the connection.
template <typename Context, typename Action>
void OnClick(QWidget* control, const Context* context, Action action)
{
    if (Clickable* clickable = Clickable::Attach(control, Clickable::When::Click))
        QObject::connect(clickable, &Clickable::clicked, context, std::move(action));
}

// Calls `action` when the left button or a finger stays down on `control`
// for `milliseconds`; `context` ends the connection.
template <typename Context, typename Action>
void OnHold(QWidget* control, const Context* context, int milliseconds, Action action)
{
    if (Clickable* clickable = Clickable::Attach(control, Clickable::When::Click)) {
        clickable->SetHoldTime(milliseconds);
        QObject::connect(clickable, &Clickable::held, context, std::move(action));
    }
}

// Calls `action`(button, modifiers, position) on every press of `control`;
// `context` ends the connection.
template <typename Context, typename Action>
void OnPress(QWidget* control, const Context* context, Action action)
{
    if (Clickable* clickable = Clickable::Attach(control, Clickable::When::Press))
        QObject::connect(clickable, &Clickable::pressed, context, std::move(action));
}

}  // namespace atoz
