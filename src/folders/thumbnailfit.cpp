#include "thumbnailfit.h"

#include <algorithm>
#include <cmath>

namespace atoz {

QRect FitThumbnail(QSize picture)
{
    return FitThumbnail(picture, TwipsSize(ThumbnailCellWidth, ThumbnailCellHeight));
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
