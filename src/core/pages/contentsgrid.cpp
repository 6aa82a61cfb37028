#include "contentsgrid.h"

#include <algorithm>
#include <cmath>

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
            y += GridRowPitch;
        } else {
            x += GridColumnPitch;
            ++column;
        }
    }

    const int visibleRows = floorDiv(pageHeight - GridMargin, GridRowPitch);
    const int extra = grid.rows - visibleRows;
    grid.scrollEnabled = extra > 0;
    grid.scrollMax = extra > 0 ? extra : DisabledScrollMax;
    return grid;
}

QRect FitThumbnail(QSize picture, QSize cell)
{
    const int cellW = cell.width();
    const int cellH = cell.height();
    if (picture.isEmpty())
        return {0, 0, cellW, cellH};
    // The smaller of the two scales keeps the whole picture inside the cell.
    const double scale = std::min(double(cellW) / picture.width(), double(cellH) / picture.height());
    const int width = std::clamp(int(std::lround(picture.width() * scale)), 1, cellW);
    const int height = std::clamp(int(std::lround(picture.height() * scale)), 1, cellH);
    return {(cellW - width) / 2, (cellH - height) / 2, width, height};
}

}  // namespace atoz
