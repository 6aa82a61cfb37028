#pragma once

#include <QImage>
#include <QPainterPath>

// The smooth outline of a page's black pixels, traced with potrace: the
// edges between black and white pixels, as straight lines and curves. In
// page pixels, pixel (x, y) being the unit square at (x, y); filled with the
// odd-even rule, the outline is the page's ink drawn smoothly. Nothing is
// left out, however small. An empty path for a page without black.
QPainterPath TracePage(const QImage& page);
