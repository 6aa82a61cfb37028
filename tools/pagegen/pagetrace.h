#pragma once

#include <QImage>
#include <QPainterPath>

// The smooth outline of a page's black pixels: the pixels blurred a little
// at twice the page's resolution and traced with potrace into straight
// lines and curves (see pagetrace.cpp). In page pixels, pixel (x, y) being
// the unit square at (x, y); filled with the odd-even rule, the outline is
// the page's ink drawn smoothly, within a pixel of the pixels' own edges.
// An empty path for a page without black.
QPainterPath TracePage(const QImage& page);
