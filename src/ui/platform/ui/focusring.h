#pragma once

#include <QPointer>
#include <QWidget>

namespace atoz {

// The ring around the control that has the keyboard focus in one window: a
// yellow line edged in black, bright on the black bars and on any colour,
// as thick as the book is big. It goes around a button with its captions,
// follows the control as it moves, and shows only while a control of the
// window has the focus (which only the keyboard gives). The mouse passes
// through it.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    // A ring for `window`, which owns it.
    explicit FocusRing(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* now);
    void place();
    int thickness() const;

    QWidget* window_;
    QPointer<QWidget> target_;
};

}  // namespace atoz
