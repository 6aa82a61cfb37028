#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QPainterPath>

namespace atoz {

// The smooth outline of a library page: the shape of its black pixels as
// lines and curves, traced from the page when the pages are made
// (atoz_pagegen) and embedded beside it as ":/pages/page101.outline" ..
// "page126.outline". The page stays the book's truth; the outline is how its
// black pixels are drawn where a screen or a printer has more dots than the
// page has pixels.
//
// Coordinates are page pixels: (0, 0) is the page's top-left corner and
// pixel (x, y) is the unit square from (x, y) to (x + 1, y + 1). Filled with
// the odd-even rule, the outline covers every black pixel to within one
// pixel and strays no more than one pixel beyond them (the page checks of
// tools/pagegen hold every page to that).

// The outline as text: SVG path data in absolute commands (M, L, C and Z),
// one command a line, after a first line that starts with '#'.
QByteArray OutlineText(const QPainterPath& outline);

// The outline that `text` gives; an empty path for anything that is not an
// outline of closed figures within a 480 x 400 page (damaged text, another
// command, a number out of range).
QPainterPath ParseOutline(QByteArrayView text);

// The smooth outline of library page `index`; empty for an index that is no
// page.
QPainterPath LoadPageOutline(int index);

// The outline that `picture` is drawn with: that of library page `index`
// when the picture's black pixels (Colour 0) are exactly those of the library
// page, whatever colours the rest has; an empty path otherwise (a page edited
// outside the book, or left by an older version), which is drawn as its
// pixels.
QPainterPath OutlineFor(const QImage& picture, int index);

}  // namespace atoz
