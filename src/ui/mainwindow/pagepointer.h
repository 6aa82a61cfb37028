#pragma once

#include <QPoint>
#include <QWidget>

namespace atoz {

// The keyboard's pointer on the colouring page, for a child who colours
// without a mouse: while the page has the keyboard focus, a cross shows a
// page pixel; the arrow keys move it (10 pixels a press, 1 with Shift) and
// Return or Space colours the area under it, as a click there does. It
// starts in the page's middle. The mouse passes through it.
class PagePointer : public QWidget
{
    Q_OBJECT

public:
    // Over `page` (the colouring page on screen, `pageSize` page pixels).
    PagePointer(QWidget* page, QSize pageSize);

    QPoint pixel() const { return pixel_; }

signals:
    // Return or Space: colour at `pixel` (page pixels).
    void pressed(QPoint pixel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QWidget* page_;
    QSize pageSize_;
    QPoint pixel_;
};

}  // namespace atoz
