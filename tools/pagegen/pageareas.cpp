#include "pageareas.h"

#include "distancefield.h"

#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

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
std::vector<int> chessboardDistanceToBlack(const std::vector<char>& white, int w, int h)
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

// The pixel offsets of a disc, nearest first.
std::vector<QPoint> discOffsets(int radius)
{
    std::vector<QPoint> offsets;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (dx * dx + dy * dy <= radius * radius)
                offsets.push_back({dx, dy});
    std::stable_sort(offsets.begin(), offsets.end(), [](QPoint a, QPoint b) {
        return a.x() * a.x() + a.y() * a.y() < b.x() * b.x() + b.y() * b.y();
    });
    return offsets;
}

// How far the outer edge of a straight stroke strays from a straight line:
// on every row from `from` to `to` (fractions of the height of the ink, from
// its top), where the row, seen from the left or from the right, first turns
// dark (its brightest channel below half, as black ink and not a colour is),
// to a fraction of a pixel where the edge is smoothed; the largest distance
// of one of them from the line that fits them best.
double edgeDeparture(const QImage& picture, bool fromLeft, double from, double to)
{
    const auto value = [&](int x, int y) {
        const QRgb p = picture.pixel(x, y);
        return std::max({qRed(p), qGreen(p), qBlue(p)});
    };
    constexpr double Half = 127.5;
    int top = -1, bottom = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (value(x, y) < Half) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
    std::vector<QPointF> edge;  // (row, column)
    const int height = bottom - top + 1;
    for (int y = top + int(from * height); y <= top + int(to * height); ++y)
        for (int i = 0; i < picture.width(); ++i) {
            const int x = fromLeft ? i : picture.width() - 1 - i;
            const int v = value(x, y);
            if (v < Half) {
                // Between the pixel before, lighter, and this one.
                const int before = i > 0 ? value(fromLeft ? x - 1 : x + 1, y) : 255;
                const double past = before > v ? (before - Half) / (before - v) : 0;
                edge.emplace_back(y, fromLeft ? x - 1 + past : x + 1 - past);
                break;
            }
        }
    if (edge.size() < 2)
        return 0;
    QPointF mean;
    for (const QPointF& p : edge)
        mean += p / double(edge.size());
    double slope = 0, spread = 0;
    for (const QPointF& p : edge) {
        slope += (p.x() - mean.x()) * (p.y() - mean.y());
        spread += (p.x() - mean.x()) * (p.x() - mean.x());
    }
    slope /= spread;
    double most = 0;
    for (const QPointF& p : edge)
        most = std::max(most, std::abs(p.y() - mean.y() - slope * (p.x() - mean.x())));
    return most;
}

// A straight stroke: its outer edge, seen from the left or the right, between
// two heights of the ink (fractions from its top).
struct Stroke
{
    const char* name;
    char letter;
    bool fromLeft;
    double from;
    double to;
};

constexpr Stroke StraightStrokes[] = {
    {"A left leg", 'A', true, 0.15, 0.85},   {"A right leg", 'A', false, 0.15, 0.85},
    {"B stem", 'B', true, 0.1, 0.9},         {"D stem", 'D', true, 0.1, 0.9},
    {"E stem", 'E', true, 0.1, 0.9},         {"F stem", 'F', true, 0.1, 0.85},
    {"H left stem", 'H', true, 0.1, 0.9},    {"H right stem", 'H', false, 0.1, 0.9},
    {"I left side", 'I', true, 0.3, 0.7},    {"I right side", 'I', false, 0.3, 0.7},
    {"K stem", 'K', true, 0.1, 0.9},         {"L stem", 'L', true, 0.1, 0.85},
    {"M left leg", 'M', true, 0.15, 0.85},   {"M right leg", 'M', false, 0.15, 0.85},
    {"N left stem", 'N', true, 0.1, 0.9},    {"N right stem", 'N', false, 0.1, 0.9},
    {"P stem", 'P', true, 0.1, 0.85},        {"R stem", 'R', true, 0.1, 0.85},
    {"T left side", 'T', true, 0.3, 0.85},   {"T right side", 'T', false, 0.3, 0.85},
    {"U left leg", 'U', true, 0.1, 0.4},     {"U right leg", 'U', false, 0.1, 0.4},
    {"V left arm", 'V', true, 0.15, 0.8},    {"V right arm", 'V', false, 0.15, 0.8},
    {"W left arm", 'W', true, 0.15, 0.8},    {"W right arm", 'W', false, 0.15, 0.8},
    {"X upper left", 'X', true, 0.2, 0.35},  {"X upper right", 'X', false, 0.2, 0.35},
    {"X lower left", 'X', true, 0.65, 0.8},  {"X lower right", 'X', false, 0.65, 0.8},
    {"Y left arm", 'Y', true, 0.15, 0.3},    {"Y right arm", 'Y', false, 0.15, 0.8},
    {"Z slant left", 'Z', true, 0.3, 0.7},   {"Z slant right", 'Z', false, 0.3, 0.7},
};

}  // namespace

double StrokeDeparture(const QImage& drawing, const QString& name)
{
    for (const Stroke& stroke : StraightStrokes)
        if (name == QLatin1String(stroke.name))
            return edgeDeparture(drawing, stroke.fromLeft, stroke.from, stroke.to);
    return -1;
}

std::vector<QString> CrookedStrokes(char letter, const QImage& page, double tolerance)
{
    std::vector<QString> crooked;
    for (const Stroke& stroke : StraightStrokes)
        if (stroke.letter == letter && edgeDeparture(page, stroke.fromLeft, stroke.from, stroke.to) > tolerance)
            crooked.push_back(QString::fromLatin1(stroke.name));
    return crooked;
}

std::vector<QPoint> OutlineDisagreements(const QImage& page, const QPainterPath& outline, double tolerance)
{
    const int w = page.width();
    const int h = page.height();
    const std::vector<char> white = whiteMask(page);
    const auto isInk = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && !white[size_t(y) * w + x]; };
    // The outline's edge as points an eighth of a pixel apart at most, kept
    // by the pixel they lie in. (Curves are made straight at eight times the
    // size, so that they keep their shape to a small fraction of a pixel.)
    constexpr double Step = 0.125;
    std::vector<std::vector<QPointF>> edge(size_t(w) * h);
    const auto keep = [&](QPointF p) {
        const int x = std::clamp(int(std::floor(p.x())), 0, w - 1);
        const int y = std::clamp(int(std::floor(p.y())), 0, h - 1);
        edge[size_t(y) * w + x].push_back(p);
    };
    constexpr double Fine = 8;
    for (const QPolygonF& figure : QTransform::fromScale(Fine, Fine).map(outline).toSubpathPolygons())
        for (qsizetype i = 0; i + 1 < figure.size(); ++i) {
            const QPointF a = figure[i] / Fine;
            const QPointF b = figure[i + 1] / Fine;
            const int pieces = std::max(1, int(std::ceil(QLineF(a, b).length() / Step)));
            for (int k = 0; k < pieces; ++k)
                keep(a + (b - a) * (double(k) / pieces));
        }
    // The pixels whose middle the outline covers (drawn without smoothing).
    QImage covered(w, h, QImage::Format_Grayscale8);
    covered.fill(0);
    {
        QPainter painter(&covered);
        painter.fillPath(outline, Qt::white);
    }
    const int reach = int(std::ceil(tolerance)) + 1;
    std::vector<QPoint> apart;
    // The black pixels outside the outline: the edge must pass near their middle.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!isInk(x, y) || covered.constScanLine(y)[x] > 127)
                continue;
            const QPointF middle(x + 0.5, y + 0.5);
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy)
                for (int dx = -reach; dx <= reach && !near; ++dx)
                    if (x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h)
                        for (const QPointF& p : edge[size_t(y + dy) * w + x + dx])
                            near = near || QLineF(p, middle).length() <= tolerance;
            if (!near)
                apart.push_back({x, y});
        }
    // The outline's edge, where it lies farthest from the black pixels: each
    // point of it must be near one.
    const auto distanceToPixel = [](QPointF p, int x, int y) {
        const double dx = std::max({x - p.x(), 0.0, p.x() - (x + 1)});
        const double dy = std::max({y - p.y(), 0.0, p.y() - (y + 1)});
        return std::sqrt(dx * dx + dy * dy);
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (const QPointF& p : edge[size_t(y) * w + x]) {
                bool near = false;
                for (int dy = -reach; dy <= reach && !near; ++dy)
                    for (int dx = -reach; dx <= reach && !near; ++dx)
                        near = isInk(x + dx, y + dy) && distanceToPixel(p, x + dx, y + dy) <= tolerance;
                if (!near) {
                    apart.push_back({x, y});
                    break;
                }
            }
    return apart;
}

PageMap::PageMap(const QImage& page)
    : PageMap(whiteMask(page), page.width(), page.height())
{
}

PageMap::PageMap(std::vector<char> white, int width, int height)
    : m_width(width)
    , m_height(height)
    , m_white(std::move(white))
    , m_label(size_t(width) * height, -1)
{
    label();
}

int PageMap::areaAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return -1;
    return m_label[size_t(y) * m_width + x];
}

void PageMap::label()
{
    const int w = m_width;
    const int h = m_height;
    const std::vector<int> distance = chessboardDistanceToBlack(m_white, w, h);
    std::vector<QPoint> stack;
    for (int sy = 0; sy < h; ++sy) {
        for (int sx = 0; sx < w; ++sx) {
            if (m_label[size_t(sy) * w + sx] >= 0 || !m_white[size_t(sy) * w + sx])
                continue;
            const int id = int(m_areas.size());
            PageArea area;
            area.bounds = QRect(sx, sy, 1, 1);
            area.seed = QPoint(sx, sy);
            m_label[size_t(sy) * w + sx] = id;
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
                    int& l = m_label[size_t(n.y()) * w + n.x()];
                    if (l < 0 && m_white[size_t(n.y()) * w + n.x()]) {
                        l = id;
                        stack.push_back(n);
                    }
                }
            }
            m_areas.push_back(area);
        }
    }
}

std::vector<QPoint> PageMap::thinInk() const
{
    auto black = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < m_width && y < m_height && !m_white[size_t(y) * m_width + x];
    };
    auto block = [&](int cx, int cy) {   // the 3 x 3 block centred on (cx, cy) is all black
        for (int i = 0; i < 9; ++i)
            if (!black(cx - 1 + i % 3, cy - 1 + i / 3))
                return false;
        return true;
    };
    std::vector<QPoint> thin;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            bool covered = !black(x, y);
            for (int i = 0; i < 9 && !covered; ++i)
                covered = block(x - 1 + i % 3, y - 1 + i / 3);
            if (!covered)
                thin.push_back({x, y});
        }
    return thin;
}

std::vector<QPoint> PageMap::narrowPlaces(int radius, int slack) const
{
    const int w = m_width;
    const int h = m_height;
    const size_t n = size_t(w) * h;
    // A disc without black lies within one area: it is 4-connected white.
    std::vector<char> black(n);
    for (size_t i = 0; i < n; ++i)
        black[i] = !m_white[i];
    const std::vector<int> toBlack = SquaredDistance(black, w, h);
    std::vector<char> centre(n);
    for (size_t i = 0; i < n; ++i)
        centre[i] = m_white[i] && toBlack[i] > radius * radius;
    const std::vector<int> toCentre = SquaredDistance(centre, w, h);
    auto reached = [&](size_t i) { return m_white[i] && toCentre[i] <= radius * radius; };

    const std::vector<QPoint> near = discOffsets(slack);
    std::vector<QPoint> places;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * w + x;
            const int area = m_label[i];
            if (!isInside(area) || reached(i))
                continue;
            // Reached pixels of another area may lie as near, across a line.
            const bool nearReach = std::any_of(near.begin(), near.end(), [&](QPoint d) {
                const int nx = x + d.x();
                const int ny = y + d.y();
                return areaAt(nx, ny) == area && reached(size_t(ny) * w + nx);
            });
            if (!nearReach)
                places.push_back({x, y});
        }
    return places;
}

std::vector<QPoint> PageMap::sharpCorners(double degrees) const
{
    const std::vector<QPoint> disc = discOffsets(CornerProbeRadius);
    const double least = (degrees + CornerProbeBias) / 360 * double(disc.size());
    std::vector<QPoint> corners;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const int area = areaAt(x, y);
            if (!isInside(area))
                continue;
            const bool edge = areaAt(x - 1, y) < 0 || areaAt(x + 1, y) < 0 || areaAt(x, y - 1) < 0 || areaAt(x, y + 1) < 0;
            if (!edge)
                continue;
            int own = 0;
            for (QPoint d : disc)
                own += areaAt(x + d.x(), y + d.y()) == area;
            if (own < least)
                corners.push_back({x, y});
        }
    return corners;
}

std::vector<QPoint> PageMap::looseInk() const
{
    const std::vector<QPoint> reach = discOffsets(LineReach);
    const std::vector<QPoint> probe = discOffsets(SpurProbeRadius);
    // Some disc of the probe holds (x, y) and keeps clear of `area`.
    auto held = [&](int x, int y, int area) {
        return std::any_of(probe.begin(), probe.end(), [&](QPoint c) {
            return std::none_of(probe.begin(), probe.end(),
                                [&](QPoint d) { return areaAt(x + c.x() + d.x(), y + c.y() + d.y()) == area; });
        });
    };
    std::vector<QPoint> loose;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            if (m_white[size_t(y) * m_width + x])
                continue;
            int first = -1;
            bool between = false;
            for (QPoint d : reach) {
                const int area = areaAt(x + d.x(), y + d.y());
                if (area < 0)
                    continue;
                if (first < 0)
                    first = area;
                else if (area != first) {
                    between = true;
                    break;
                }
            }
            bool spur = false;
            for (size_t i = 0; i < probe.size() && between && !spur; ++i) {
                const int area = areaAt(x + probe[i].x(), y + probe[i].y());
                spur = area >= 0 && !held(x, y, area);
            }
            if (!between || spur)
                loose.push_back({x, y});
        }
    return loose;
}

std::vector<PageArea> WhiteAreas(const QImage& page)
{
    return PageMap(page).areas();
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
