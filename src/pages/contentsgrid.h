#pragma once

#include <QPoint>

#include <vector>

namespace atoz {

// The contents sheet lays its thumbnail boxes out in as many columns as fit,
// row by row, and scrolls by whole rows. All lengths in twips.
inline constexpr int GridMargin = 100;
inline constexpr int GridColumnPitch = 2220;  // cell width + margin
inline constexpr int GridRowPitch = 1866;     // cell height + margin
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

}  // namespace atoz
