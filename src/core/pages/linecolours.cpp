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

void LineColours::PaintRow(const QImage& page, int y, int left, int right, QRgb* row) const
{
    left = std::max(left, 0);
    right = std::min(right, size_.width() - 1);
    if (y < 0 || y >= size_.height() || left > right || page.size() != size_ || page.format() != QImage::Format_RGB32)
        return;
    std::memcpy(row + left, reinterpret_cast<const QRgb*>(page.constScanLine(y)) + left,
                size_t(right - left + 1) * sizeof(QRgb));
    if (rowStart_.empty())
        return;
    const int width = size_.width();
    const auto* pixels = reinterpret_cast<const QRgb*>(page.constBits());
    const qsizetype stride = page.bytesPerLine() / qsizetype(sizeof(QRgb));
    const auto first = black_.begin() + rowStart_[size_t(y)];
    const auto last = black_.begin() + rowStart_[size_t(y) + 1];
    const std::uint32_t rowIndex = std::uint32_t(y * width);
    for (auto b = std::lower_bound(first, last, rowIndex + std::uint32_t(left));
         b != last && *b <= rowIndex + std::uint32_t(right); ++b) {
        const std::uint32_t source = source_[size_t(b - black_.begin())];
        row[*b - rowIndex] = pixels[qsizetype(source / std::uint32_t(width)) * stride + source % std::uint32_t(width)];
    }
}

QImage ColoursUnderLine(const QImage& page)
{
    QImage colours = page.convertToFormat(QImage::Format_RGB32);
    if (const std::optional<QRgb> only = SingleColour(colours)) {
        colours.fill(*only);
        return colours;
    }
    const QImage full = colours;
    const LineColours under(full);
    for (int y = 0; y < colours.height(); ++y)
        under.PaintRow(full, y, 0, colours.width() - 1, reinterpret_cast<QRgb*>(colours.scanLine(y)));
    return colours;
}

std::optional<QRgb> SingleColour(const QImage& page)
{
    if (page.format() != QImage::Format_RGB32)
        return std::nullopt;
    std::optional<QRgb> only;
    for (int y = 0; y < page.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (only && row[x] == *only)
                continue;
            if (isBlack(row[x]))
                continue;
            if (only)
                return std::nullopt;
            only = row[x];
        }
    }
    return only;
}

}  // namespace atoz
