#include "colouring.h"

#include "colouring/floodfill.h"
#include "colouring/undorecord.h"
#include "palette/palette.h"

#include <QImage>

#include <cmath>

namespace atoz {

namespace {

// Nearest whole pixel, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4);
// -1 for a position that is no pixel of a surface `size` wide.
int pixelIndex(float position, int size)
{
    if (!std::isfinite(position))
        return -1;
    const double rounded = std::nearbyint(double(position));  // default rounding: to nearest, ties to even
    return rounded >= 0 && rounded < size ? int(rounded) : -1;
}

}  // namespace

bool Colouring::FillArea(QImage& surface, float x, float y, Colour colour)
{
    if (palette_.CurrentPaint() == Black)
        palette_.SetCurrentPaint(NearBlack);
    if (colour == Black)
        colour = NearBlack;

    const int px = pixelIndex(x, surface.width());
    const int py = pixelIndex(y, surface.height());
    if (px < 0 || py < 0 || surface.format() != QImage::Format_RGB32)
        return false;

    const Colour before = FromQRgb(surface.pixel(px, py));
    if (before == Black)
        return false;

    auto* pixels = reinterpret_cast<std::uint32_t*>(surface.bits());
    const std::ptrdiff_t stride = surface.bytesPerLine() / std::ptrdiff_t(sizeof(std::uint32_t));
    FloodFill(pixels, surface.width(), surface.height(), stride, px, py, ToQRgb(colour), ToQRgb(Black));

    undo_.Remember(x, y, before);
    return true;
}

bool Colouring::UndoLastFill(QImage& surface)
{
    bool result = false;
    if (undo_.UndoAvailable())
        result = FillArea(surface, undo_.UndoX(), undo_.UndoY(), undo_.UndoColor());
    undo_.SetUndoAvailable(false);
    return result;
}

}  // namespace atoz
