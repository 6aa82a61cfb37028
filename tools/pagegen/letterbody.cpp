#include "letterbody.h"

#include "distancefield.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Areas of unmarked cells that do not reach the grid's edge (4-connected).
int countHoles(const std::vector<char>& marked, int w, int h)
{
    std::vector<char> seen(marked.size());
    std::vector<int> stack;
    int holes = 0;
    for (int start = 0; start < w * h; ++start) {
        if (marked[size_t(start)] || seen[size_t(start)])
            continue;
        bool edge = false;
        seen[size_t(start)] = 1;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            const int x = i % w;
            const int y = i / w;
            edge |= x == 0 || y == 0 || x == w - 1 || y == h - 1;
            const int next[] = {x > 0 ? i - 1 : -1, x + 1 < w ? i + 1 : -1, y > 0 ? i - w : -1, y + 1 < h ? i + w : -1};
            for (int n : next)
                if (n >= 0 && !marked[size_t(n)] && !seen[size_t(n)]) {
                    seen[size_t(n)] = 1;
                    stack.push_back(n);
                }
        }
        holes += !edge;
    }
    return holes;
}

}  // namespace

LetterBody::LetterBody(const QPainterPath& glyph, int pageWidth, int pageHeight, qreal plumpness, qreal rounding)
    : m_width(pageWidth * Fine)
    , m_height(pageHeight * Fine)
    , m_pageWidth(pageWidth)
{
    QImage ink(m_width, m_height, QImage::Format_Grayscale8);
    ink.fill(0);
    {
        QPainter painter(&ink);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(Fine, Fine);
        painter.fillPath(glyph, Qt::white);
    }
    const size_t cells = size_t(m_width) * m_height;
    std::vector<char> inGlyph(cells);
    for (int y = 0; y < m_height; ++y) {
        const uchar* row = ink.constScanLine(y);
        for (int x = 0; x < m_width; ++x)
            inGlyph[size_t(y) * m_width + x] = row[x] >= 128;
    }
    m_glyphHoles = countHoles(inGlyph, m_width, m_height);

    // Blown up by plumpness + rounding, then shrunk by rounding: the glyph
    // grows by plumpness, and what a disc of the rounding cannot get into
    // from outside is filled.
    const double grow = (plumpness + rounding) * Fine;
    const double shrink = rounding * Fine;
    const std::vector<int> toGlyph = SquaredDistance(inGlyph, m_width, m_height);
    std::vector<char> outsideGrown(cells);
    for (size_t i = 0; i < cells; ++i)
        outsideGrown[i] = toGlyph[i] > grow * grow;
    const std::vector<int> toOutsideGrown = SquaredDistance(outsideGrown, m_width, m_height);
    std::vector<char> inside(cells), outside(cells);
    for (size_t i = 0; i < cells; ++i) {
        inside[i] = toOutsideGrown[i] > shrink * shrink;
        outside[i] = !inside[i];
    }
    m_holes = countHoles(inside, m_width, m_height);

    // The edge runs half a cell from the centres of the cells on either side.
    const std::vector<int> toOutside = SquaredDistance(outside, m_width, m_height);
    const std::vector<int> toInside = SquaredDistance(inside, m_width, m_height);
    m_distance.resize(cells);
    int left = m_width, top = m_height, right = 0, bottom = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const size_t i = size_t(y) * m_width + x;
            if (inside[i]) {
                m_distance[i] = float((std::sqrt(double(toOutside[i])) - 0.5) / Fine);
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            } else {
                m_distance[i] = float(-(std::sqrt(double(toInside[i])) - 0.5) / Fine);
            }
        }
    m_bounds = QRectF(QPointF(left, top) / Fine, QPointF(right + 1, bottom + 1) / Fine);

    m_pixelDistance.resize(size_t(pageWidth) * pageHeight);
    for (int y = 0; y < pageHeight; ++y)
        for (int x = 0; x < pageWidth; ++x)
            m_pixelDistance[size_t(y) * pageWidth + x] = float(distance(QPointF(x + 0.5, y + 0.5)));
}

double LetterBody::cell(int i, int j) const
{
    if (i < 0 || j < 0 || i >= m_width || j >= m_height)
        return -double(m_width);   // far outside
    return m_distance[size_t(j) * m_width + i];
}

double LetterBody::distance(QPointF p) const
{
    // Cell (i, j) has its centre at ((i + 0.5) / Fine, (j + 0.5) / Fine).
    const double gx = p.x() * Fine - 0.5;
    const double gy = p.y() * Fine - 0.5;
    const int i = int(std::floor(gx));
    const int j = int(std::floor(gy));
    const double fx = gx - i;
    const double fy = gy - j;
    return (cell(i, j) * (1 - fx) + cell(i + 1, j) * fx) * (1 - fy)
         + (cell(i, j + 1) * (1 - fx) + cell(i + 1, j + 1) * fx) * fy;
}

double LetterBody::distanceAt(int x, int y) const
{
    return m_pixelDistance[size_t(y) * m_pageWidth + x];
}

QPointF LetterBody::outward(QPointF p) const
{
    constexpr double step = 1.0;
    const QPointF g(distance(p - QPointF(step, 0)) - distance(p + QPointF(step, 0)),
                    distance(p - QPointF(0, step)) - distance(p + QPointF(0, step)));
    const double length = std::hypot(g.x(), g.y());
    return length > 0 ? g / length : QPointF();
}
