#include "linecolours.h"

#include "platform/colour.h"

#include <QPoint>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace atoz {

namespace {

constexpr QRgb ColourBits = 0xFFFFFF;

bool isBlack(QRgb pixel)
{
    return (pixel & ColourBits) == (ToQRgb(Black) & ColourBits);
}

// The offsets of a square of Reach each way, nearest first; at one distance,
// row by row, so that the choice among equally near pixels never varies.
const std::vector<QPoint>& nearestFirst()
{
    static const std::vector<QPoint> offsets = [] {
        std::vector<QPoint> all;
        for (int dy = -LineColours::Reach; dy <= LineColours::Reach; ++dy)
            for (int dx = -LineColours::Reach; dx <= LineColours::Reach; ++dx)
                if (dx != 0 || dy != 0)
                    all.push_back({dx, dy});
        std::stable_sort(all.begin(), all.end(), [](QPoint a, QPoint b) {
            return QPoint::dotProduct(a, a) < QPoint::dotProduct(b, b);
        });
        return all;
    }();
    return offsets;
}

}  // namespace

LineColours::LineColours(const QImage& page) : size_(page.size())
{
    if (page.format() != QImage::Format_RGB32)
        return;
    const int width = page.width();
    const int height = page.height();
    const auto pixel = [&](int x, int y) { return reinterpret_cast<const QRgb*>(page.constScanLine(y))[x]; };
    const std::vector<QPoint>& offsets = nearestFirst();
    rowStart_.resize(size_t(height) + 1);
    for (int y = 0; y < height; ++y) {
        rowStart_[size_t(y)] = std::uint32_t(black_.size());
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (!isBlack(row[x]))
                continue;
            std::uint32_t source = std::uint32_t(y * width + x);
            for (const QPoint& d : offsets) {
                const int sx = x + d.x();
                const int sy = y + d.y();
                if (sx >= 0 && sy >= 0 && sx < width && sy < height && !isBlack(pixel(sx, sy))) {
                    source = std::uint32_t(sy * width + sx);
                    reach_ = std::max({reach_, std::abs(d.x()), std::abs(d.y())});
                    break;
                }
            }
            black_.push_back(std::uint32_t(y * width + x));
            source_.push_back(source);
        }
    }
    rowStart_[size_t(height)] = std::uint32_t(black_.size());
}

void LineColours::Paint(const QImage& page, QImage& colours, QRect area) const
{
    area &= QRect(QPoint(0, 0), size_);
    if (area.isEmpty() || page.size() != size_ || colours.size() != size_ || page.format() != QImage::Format_RGB32
        || colours.format() != QImage::Format_RGB32)
        return;
    const int width = size_.width();
    const auto* pixels = reinterpret_cast<const QRgb*>(page.constBits());
    const qsizetype stride = page.bytesPerLine() / qsizetype(sizeof(QRgb));
    const auto at = [&](std::uint32_t i) { return pixels[qsizetype(i / width) * stride + i % width]; };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(colours.scanLine(y));
        std::memcpy(out + area.left(), reinterpret_cast<const QRgb*>(page.constScanLine(y)) + area.left(),
                    size_t(area.width()) * sizeof(QRgb));
        if (rowStart_.empty())
            continue;
        const auto first = black_.begin() + rowStart_[size_t(y)];
        const auto last = black_.begin() + rowStart_[size_t(y) + 1];
        const std::uint32_t rowIndex = std::uint32_t(y * width);
        for (auto b = std::lower_bound(first, last, rowIndex + std::uint32_t(area.left()));
             b != last && *b <= rowIndex + std::uint32_t(area.right()); ++b)
            out[*b - rowIndex] = at(source_[size_t(b - black_.begin())]);
    }
}

QImage ColoursUnderLine(const QImage& page)
{
    const QImage full = page.convertToFormat(QImage::Format_RGB32);
    QImage colours(full.size(), QImage::Format_RGB32);
    LineColours(full).Paint(full, colours, full.rect());
    return colours;
}

}  // namespace atoz
