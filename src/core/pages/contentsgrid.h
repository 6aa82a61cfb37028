#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace atoz {

// The contents sheet lays its thumbnail boxes out in as many columns as fit,
// row by row, and scrolls by whole rows. All lengths in twips.
inline constexpr int ThumbnailCellWidth = 2120;  // every thumbnail sits in a cell this size
inline constexpr int ThumbnailCellHeight = 1766;
inline constexpr int GridMargin = 100;           // around and between the cells
inline constexpr int GridColumnPitch = ThumbnailCellWidth + GridMargin;
inline constexpr int GridRowPitch = ThumbnailCellHeight + GridMargin;
inline constexpr int ScrollBarWidth = 450;
inline constexpr int DisabledScrollMax = 32767;

struct ContentsGrid
{
    int columns = 1;
    int rows = 0;
    int sheetHeight = 0;
    std::vector<QPoint> boxes;  // top-left corner of each box on the sheet
    bool scrollEnabled = false;
    int scrollMax = DisabledScrollMax;  // rows that can be scrolled away
};

// The grid for a sheet `sheetWidth` wide inside a contents page `pageHeight`
// high, for `boxCount` boxes. Only computes: the contents view places its
// thumbnails and scroll bar by it.
ContentsGrid LayOutContentsGrid(int sheetWidth, int pageHeight, int boxCount);

// Where a picture of the given size shows inside a cell of `cell` pixels: as
// large as fits, keeping its proportions, centred. A page fills the cell's
// width.
QRect FitThumbnail(QSize picture, QSize cell);

}  // namespace atoz
