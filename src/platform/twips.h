#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace atoz {

// Window geometry is given in twips, 1440 to the inch. This is the one place
// where twips become pixels: 15 twips a pixel at 96 dpi. Qt scales logical
// pixels for high-dpi screens, so nothing else needs to know the dpi.
inline constexpr int TwipsPerPixel = 15;

// Nearest whole pixel, halves away from zero.
constexpr int TwipsToPixels(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

constexpr QPoint TwipsPoint(int left, int top) { return {TwipsToPixels(left), TwipsToPixels(top)}; }
constexpr QSize TwipsSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }
constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsPoint(left, top), TwipsSize(width, height)};
}
// A rectangle whose left, top, width and height are twips.
constexpr QRect TwipsRect(QRect twips)
{
    return TwipsRect(twips.left(), twips.top(), twips.width(), twips.height());
}

}  // namespace atoz
