#include "colouringpage.h"

#include "colouring/floodfill.h"

#include <cmath>

namespace atoz {

namespace {

// Nearest whole pixel, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4);
// -1 for a position that is no pixel of a page `size` wide.
int pixelIndex(float position, int size)
{
    if (!std::isfinite(position))
        return -1;
    const double rounded = std::nearbyint(double(position));  // default rounding: to nearest, ties to even
    return rounded >= 0 && rounded < size ? int(rounded) : -1;
}

}  // namespace

ColouringPage::ColouringPage(QObject* parent) : QObject(parent)
{
    connect(&undo_, &UndoRecord::undoAvailableChanged, this, &ColouringPage::undoAvailableChanged);
}

void ColouringPage::Open(const QImage& picture, const QPainterPath& outline)
{
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    image_.detach();  // fills must never reach the picture we were given
    outline_ = outline;
    undo_.SetUndoAvailable(false);
    emit opened();
    emit pageChanged(image_.rect());
}

void ColouringPage::Close()
{
    image_ = QImage();
    outline_ = QPainterPath();
    undo_.SetUndoAvailable(false);
}

bool ColouringPage::FillArea(float x, float y, Colour paint)
{
    const int px = pixelIndex(x, image_.width());
    const int py = pixelIndex(y, image_.height());
    if (px < 0 || py < 0)
        return false;
    const Colour former = FromQRgb(image_.pixel(px, py));
    if (former == Black || !fill(x, y, paint))
        return false;
    undo_.Remember(x, y, former);
    emit edited();
    return true;
}

bool ColouringPage::UndoLastFill()
{
    const bool undone = undo_.UndoAvailable() && fill(undo_.UndoX(), undo_.UndoY(), undo_.UndoColor());
    undo_.SetUndoAvailable(false);
    if (undone)
        emit edited();
    return undone;
}

bool ColouringPage::fill(float x, float y, Colour paint)
{
    const int px = pixelIndex(x, image_.width());
    const int py = pixelIndex(y, image_.height());
    if (px < 0 || py < 0)
        return false;
    auto* pixels = reinterpret_cast<std::uint32_t*>(image_.bits());
    const std::ptrdiff_t stride = image_.bytesPerLine() / std::ptrdiff_t(sizeof(std::uint32_t));
    FillBounds painted;
    if (!FloodFill(pixels, image_.width(), image_.height(), stride, px, py, ToQRgb(PaintOf(paint)), ToQRgb(Black), &painted))
        return false;
    emit pageChanged(QRect(QPoint(painted.left, painted.top), QPoint(painted.right, painted.bottom)));
    return true;
}

}  // namespace atoz
