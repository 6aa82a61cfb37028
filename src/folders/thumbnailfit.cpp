#include "thumbnailfit.h"

#include <cmath>

namespace atoz {

QRect FitThumbnail(QSize picture)
{
    const int cellW = ThumbnailCell.width();
    const int cellH = ThumbnailCell.height();
    if (picture.isEmpty())
        return {0, 0, cellW, cellH};
    const double w = picture.width();
    const double h = picture.height();
    if (h > w) {
        const int width = int(std::lround(cellH / h * w));
        return {(cellW - width) / 2, 0, width, cellH};
    }
    const int height = int(std::lround(cellW / w * h));
    return {0, (cellH - height) / 2, cellW, height};
}

}  // namespace atoz
