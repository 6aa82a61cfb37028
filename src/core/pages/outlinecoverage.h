#pragma once

#include <QImage>
#include <QPainterPath>
#include <QSize>

namespace atoz {

// How much of each pixel of a picture `size` pixels large the smooth outline
// of a page (see pages/pageoutline.h) covers, the page drawn `scale` pixels
// a page pixel across and down: QImage::Format_Alpha8, 0 where the outline
// misses a pixel, 255 where it covers all of it, and the share of the
// pixel's area between.
//
// Figures that lie inside one another must run in opposite senses, as a
// traced outline's do; then the odd-even and the non-zero rules fill alike,
// and so does this. Parts beyond the picture's left or right edge are drawn
// on that edge. A null image for an empty size.
QImage OutlineCoverage(const QPainterPath& outline, QSize size, QSizeF scale);

// `pixel` (of QImage::Format_RGB32) with black laid over it at `cover`, 0
// (none) to 255 (black).
inline QRgb Darkened(QRgb pixel, uint cover)
{
    const uint keep = 255 - cover;
    uint redBlue = (pixel & 0xFF00FF) * keep + 0x800080;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    uint green = (pixel & 0x00FF00) * keep + 0x008000;
    green = ((green + ((green >> 8) & 0x00FF00)) >> 8) & 0x00FF00;
    return 0xFF000000u | redBlue | green;
}

// Lays the outline in black over `picture` (QImage::Format_RGB32), which
// shows the page `scale` pixels a page pixel across and down.
void DrawOutline(QImage& picture, const QPainterPath& outline, QSizeF scale);

}  // namespace atoz
