#pragma once

#include "platform/twips.h"

#include <QRect>
#include <QSize>

namespace atoz {

// Every thumbnail sits in a cell of 2120 x 1766 twips on the contents sheet.
inline constexpr int ThumbnailCellWidth = 2120;
inline constexpr int ThumbnailCellHeight = 1766;

// Where a picture of the given size shows inside its cell, in pixels: as large
// as fits, keeping its proportions, centred. A page fills the cell's width.
// The cell's size in pixels follows the book's scale, or is given as `cell`.
QRect FitThumbnail(QSize picture);
QRect FitThumbnail(QSize picture, QSize cell);

}  // namespace atoz
