#include "pageareas.h"

#include <algorithm>

namespace {

constexpr QRgb WhitePixel = 0xFFFFFFFF;

// One flag a pixel, row after row: reading QImage::pixel() for every step of
// the analysis would make the page generator's search crawl.
std::vector<char> whiteMask(const QImage& page)
{
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    std::vector<char> mask(size_t(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            mask[size_t(y) * rgb.width() + x] = (row[x] | 0xFF000000) == WhitePixel;
    }
    return mask;
}

// Two-pass chessboard distance of every white pixel to the nearest non-white one.
std::vector<int> distanceToBlack(const std::vector<char>& white, int w, int h)
{
    const int far = w + h;
    std::vector<int> d(size_t(w) * h);
    auto at = [&](int x, int y) -> int& { return d[size_t(y) * w + x]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            at(x, y) = white[size_t(y) * w + x] ? far : 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int& v = at(x, y);
            if (x > 0) v = std::min(v, at(x - 1, y) + 1);
            if (y > 0) v = std::min(v, at(x, y - 1) + 1);
            if (x > 0 && y > 0) v = std::min(v, at(x - 1, y - 1) + 1);
            if (x + 1 < w && y > 0) v = std::min(v, at(x + 1, y - 1) + 1);
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            int& v = at(x, y);
            if (x + 1 < w) v = std::min(v, at(x + 1, y) + 1);
            if (y + 1 < h) v = std::min(v, at(x, y + 1) + 1);
            if (x + 1 < w && y + 1 < h) v = std::min(v, at(x + 1, y + 1) + 1);
            if (x > 0 && y + 1 < h) v = std::min(v, at(x - 1, y + 1) + 1);
        }
    return d;
}

}  // namespace

std::vector<PageArea> WhiteAreas(const QImage& page)
{
    const int w = page.width();
    const int h = page.height();
    const std::vector<char> white = whiteMask(page);
    const std::vector<int> distance = distanceToBlack(white, w, h);
    std::vector<int> label(size_t(w) * h, -1);
    std::vector<PageArea> areas;
    std::vector<QPoint> stack;

    for (int sy = 0; sy < h; ++sy) {
        for (int sx = 0; sx < w; ++sx) {
            if (label[size_t(sy) * w + sx] >= 0 || !white[size_t(sy) * w + sx])
                continue;
            const int id = int(areas.size());
            PageArea area;
            area.bounds = QRect(sx, sy, 1, 1);
            label[size_t(sy) * w + sx] = id;
            stack.push_back({sx, sy});
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++area.pixels;
                area.bounds |= QRect(p, QSize(1, 1));
                area.touchesEdge |= p.x() == 0 || p.y() == 0 || p.x() == w - 1 || p.y() == h - 1;
                area.inscribedRadius = std::max(area.inscribedRadius, distance[size_t(p.y()) * w + p.x()]);
                const QPoint next[] = {{p.x() - 1, p.y()}, {p.x() + 1, p.y()}, {p.x(), p.y() - 1}, {p.x(), p.y() + 1}};
                for (const QPoint& n : next) {
                    if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h)
                        continue;
                    int& l = label[size_t(n.y()) * w + n.x()];
                    if (l < 0 && white[size_t(n.y()) * w + n.x()]) {
                        l = id;
                        stack.push_back(n);
                    }
                }
            }
            areas.push_back(area);
        }
    }
    return areas;
}

bool IsBlackAndWhite(const QImage& page)
{
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y) | 0xFF000000;
            if (p != WhitePixel && p != 0xFF000000)
                return false;
        }
    return true;
}
