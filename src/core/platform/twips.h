#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace atoz {

// Window geometry is given in twips, 1440 to the inch. This is the one place
// where twips become pixels: 15 twips a pixel at 96 dpi, times the book's
// scale. The scale is always passed in: the main window holds it (chosen to
// fit the screen, or by a parent) and its controls read it from there. Qt
// scales logical pixels for high-dpi screens on top of it, so nothing else
// needs the dpi.
//
// A scale of 1 draws the book at its classic size; 2.5 fills a 1920 x 1080
// screen.
inline constexpr int TwipsPerPixel = 15;

// Nearest whole pixel at `scale`, halves away from zero.
inline int TwipsToPixels(int twips, double scale)
{
    return int(std::lround(double(twips) * scale / TwipsPerPixel));
}

inline int PixelsToTwips(int pixels, double scale)
{
    return int(std::lround(double(pixels) * TwipsPerPixel / scale));
}

// A size in points (of a font, or the width of a line) at `scale`.
inline double ScaledPoints(double points, double scale) { return points * scale; }

inline QPoint TwipsPoint(int left, int top, double scale)
{
    return {TwipsToPixels(left, scale), TwipsToPixels(top, scale)};
}
inline QSize TwipsSize(int width, int height, double scale)
{
    return {TwipsToPixels(width, scale), TwipsToPixels(height, scale)};
}
inline QSize TwipsSize(QSize twips, double scale) { return TwipsSize(twips.width(), twips.height(), scale); }
// A rectangle whose left, top, width and height are twips.
inline QRect TwipsRect(QRect twips, double scale)
{
    return {TwipsPoint(twips.left(), twips.top(), scale), TwipsSize(twips.width(), twips.height(), scale)};
}

}  // namespace atoz
