#include "contentsgrid.h"

#include "folders/thumbnailfit.h"

#include <algorithm>

namespace atoz {

namespace {

// The whole part of a quotient: the largest whole number not above it.
int floorDiv(int a, int b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

ContentsGrid LayOutContentsGrid(int sheetWidth, int pageHeight, int boxCount)
{
    ContentsGrid grid;
    grid.columns = std::max(1, floorDiv(sheetWidth - GridMargin, GridColumnPitch));
    grid.rows = floorDiv(grid.columns + boxCount - 1, grid.columns);
    grid.sheetHeight = grid.rows * GridRowPitch + GridMargin;

    int x = GridMargin;
    int y = GridMargin;
    int column = 1;
    for (int i = 0; i < boxCount; ++i) {
        grid.boxes.push_back({x, y});
        if (column == grid.columns) {
            x = GridMargin;
            column = 1;
            y += GridMargin + ThumbnailCellHeight;
        } else {
            x += GridMargin + ThumbnailCellWidth;
            ++column;
        }
    }

    const int visibleRows = floorDiv(pageHeight - GridMargin, GridRowPitch);
    const int extra = grid.rows - visibleRows;
    grid.scrollEnabled = extra > 0;
    grid.scrollMax = extra > 0 ? extra : DisabledScrollMax;
    return grid;
}

}  // namespace atoz
