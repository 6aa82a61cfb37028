#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace atoz {

// Window geometry is given in twips, 1440 to the inch. This is the one place
// where twips become pixels: 15 twips a pixel at 96 dpi, times the book's
// scale. The main window sets the scale (chosen to fit the screen, or by a
// parent) and lays its windows out again when it changes; Qt scales logical
// pixels for high-dpi screens on top of it, so nothing else needs the dpi.
inline constexpr int TwipsPerPixel = 15;

namespace detail {
inline double twipsScale = 1.0;
}  // namespace detail

// 1 draws the book at its classic size; 2.5 fills a 1920 x 1080 screen.
inline double TwipsScale() { return detail::twipsScale; }
inline void SetTwipsScale(double scale) { detail::twipsScale = scale > 0 ? scale : 1.0; }

// Nearest whole pixel at the book's scale, halves away from zero.
inline int TwipsToPixels(int twips)
{
    return int(std::lround(double(twips) * detail::twipsScale / TwipsPerPixel));
}

inline int PixelsToTwips(int pixels)
{
    return int(std::lround(double(pixels) * TwipsPerPixel / detail::twipsScale));
}

// A size in points (of a font, or the width of a line) at the book's scale.
inline double ScaledPoints(double points) { return points * detail::twipsScale; }

inline QPoint TwipsPoint(int left, int top) { return {TwipsToPixels(left), TwipsToPixels(top)}; }
inline QSize TwipsSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }
inline QSize TwipsSize(QSize twips) { return TwipsSize(twips.width(), twips.height()); }
inline QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsPoint(left, top), TwipsSize(width, height)};
}
// A rectangle whose left, top, width and height are twips.
inline QRect TwipsRect(QRect twips)
{
    return TwipsRect(twips.left(), twips.top(), twips.width(), twips.height());
}

}  // namespace atoz
