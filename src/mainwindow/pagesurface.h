#pragma once

#include <QImage>
#include <QWidget>

namespace atoz {

// The colouring page `Page_2`: it keeps the page being coloured, a full 24-bit
// image, the picture with every fill on it, which storing, saving and
// printing read. It takes the size of its picture and shows it 1:1 in logical
// pixels, so a click position is a page position.
class PageSurface : public QWidget
{
    Q_OBJECT

public:
    explicit PageSurface(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Image() const { return image_; }
    QImage& Image() { return image_; }

    // Shows the image as it is now.
    void Refresh() { repaint(); }

    QSize sizeHint() const override { return image_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace atoz
