#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace atoz {

// A page picture box of the main window. The colouring view's one (`Page_2`)
// keeps the page being coloured: a full 24-bit image, the picture with every
// fill on it, which storing, saving and printing read. It takes the size of
// its picture and shows it 1:1 in logical pixels, so a click position is a
// page position.
class PageSurface : public QWidget
{
    Q_OBJECT

public:
    PageSurface(int index, QWidget* parent = nullptr);

    int index() const { return index_; }

    void SetPicture(const QImage& picture);
    const QImage& Image() const { return image_; }
    QImage& Image() { return image_; }

    // Shows the image as it is now.
    void Refresh() { repaint(); }

    QSize sizeHint() const override { return image_.size(); }

signals:
    void mouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int index_;
    QImage image_;
};

}  // namespace atoz
