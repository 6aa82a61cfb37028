#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRect>

#include <vector>

class QDialog;
class QTimer;
class QWidget;

namespace atoz {

// The one way a control of the book answers the mouse and the keyboard.
// Young children double-click everything and click faster than the screen
// changes, so a control acts once per click:
//   - Click (labels, pictures, thumbnails): the left button pressed and let go
//     inside the control. The second press of a double-click, and the release
//     after it, do nothing, so a double-click acts once and never reaches the
//     control that appears under the pointer once the view has changed.
//   - Press (the page and the paint swatches): any button, at the moment it
//     goes down. The second press of a double-click does nothing, so a
//     double-click on the page is one fill.
// Mouse presses and releases stop at the control: they never reach the
// widget under it.
//
// A clickable control takes the keyboard focus from Tab (never from the
// mouse), and Return or Space press it, once per key press. Return on an
// option presses its window's default button instead, as in any dialog.
class Clickable : public QObject
{
    Q_OBJECT

public:
    enum class When { Click, Press };
    // What the control is to screen readers: a push button, one option of a
    // group (a radio button), a tab of a tab list, or an item of a list of
    // which one is chosen (a swatch).
    enum class Kind { Button, Option, Tab, Item };

    // Makes `control` clickable; the returned object is its child and
    // announces its clicks. A Click control shows the pointing hand.
    // Attaching again the same way returns the same object; a control
    // already attached the other way is refused: null, and a warning.
    static Clickable* Attach(QWidget* control, When when = When::Click);
    // The control's, or null.
    static Clickable* Of(const QWidget* control);

    // Makes a press of the left button (or a finger) that stays down on the
    // control for `milliseconds` announce held(): a deliberate press that a
    // child's click does not make. That press then makes no click.
    void SetHoldTime(int milliseconds);

    // What a screen reader's "press" and the keyboard do: one click, or a
    // press in the control's middle.
    void Press();

    // Makes `part` (a picture's caption, a tile's number) part of this
    // control: a click on it is a click of the control. The control alone
    // takes the keyboard focus and is the one button screen readers find.
    void AddPart(QWidget* part);
    // The control and its parts that stand beside it, in its parent's
    // coordinates: where the focus ring goes.
    QRect area() const;

    void SetKind(Kind kind);
    Kind kind() const { return kind_; }
    // The chosen option, the current tab or the selected item; screen readers
    // are told of a change.
    void SetChosen(bool chosen);
    bool chosen() const { return chosen_; }

signals:
    void clicked();
    void held();
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Clickable(QWidget* control, When when);
    QWidget* control() const;

    When when_;
    Kind kind_ = Kind::Button;
    bool chosen_ = false;
    bool armed_ = false;  // a real press of the left button is down on the control
    QTimer* hold_ = nullptr;  // while armed, when a hold time is set
    std::vector<QPointer<QWidget>> parts_;
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

// A picture and its captions as one button: `control` (clickable already)
// takes `parts` as its own and is named `name` to screen readers.
void JoinButton(QWidget* control, const std::vector<QWidget*>& parts, const QString& name);

// Screen readers pass over `widget`: a drawing over the controls, such as the
// focus ring.
void HideFromScreenReaders(QWidget* widget);

// Return in `window`, when the focus is on no button of its own, presses
// `button`.
void SetDefaultButton(QDialog* window, QWidget* button);

}  // namespace atoz
