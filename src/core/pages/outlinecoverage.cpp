#include "outlinecoverage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace atoz {

namespace {

// Curves are drawn as straight pieces that stray no farther than this from
// them, in pixels.
constexpr double Flatness = 0.05;
// Rows drawn at a time: the sums of a band of rows are all the memory the
// drawing takes beside the picture.
constexpr int BandRows = 64;

struct Piece
{
    QPointF from;
    QPointF to;
};

// The outline as straight pieces, at the scale. A piece that crosses the
// picture's left or right edge is cut there, and what lies beyond is laid on
// the edge: left of the picture it still counts for the rows it spans.
std::vector<Piece> piecesOf(const QPainterPath& outline, QSizeF scale, double width)
{
    std::vector<Piece> pieces;
    const auto add = [&](QPointF from, QPointF to) {
        double cuts[2];  // where along the piece it crosses an edge, in order
        int count = 0;
        for (const double edge : {0.0, width})
            if ((from.x() - edge) * (to.x() - edge) < 0)
                cuts[count++] = (edge - from.x()) / (to.x() - from.x());
        if (count == 2 && cuts[0] > cuts[1])
            std::swap(cuts[0], cuts[1]);
        const auto onEdge = [&](QPointF p) { return QPointF(std::clamp(p.x(), 0.0, width), p.y()); };
        QPointF begin = from;
        for (int c = 0; c < count; ++c) {
            const QPointF cut = from + (to - from) * cuts[c];
            pieces.push_back({onEdge(begin), onEdge(cut)});
            begin = cut;
        }
        pieces.push_back({onEdge(begin), onEdge(to)});
    };
    const auto at = [&](int i) {
        const QPainterPath::Element e = outline.elementAt(i);
        return QPointF(e.x * scale.width(), e.y * scale.height());
    };
    QPointF start, last;
    for (int i = 0; i < outline.elementCount(); ++i) {
        const QPainterPath::Element e = outline.elementAt(i);
        if (e.isMoveTo()) {
            if (last != start)
                add(last, start);
            start = last = at(i);
        } else if (e.isLineTo()) {
            add(last, at(i));
            last = at(i);
        } else if (e.isCurveTo() && i + 2 < outline.elementCount()) {
            const QPointF p0 = last, p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
            // A cubic's uniform pieces stray at most 3/4 of its control
            // polygon's largest second difference over the pieces squared.
            const QPointF bend1 = p0 - 2 * p1 + p2, bend2 = p1 - 2 * p2 + p3;
            const double bend = std::max(std::hypot(bend1.x(), bend1.y()), std::hypot(bend2.x(), bend2.y()));
            const int count = std::clamp(int(std::ceil(std::sqrt(0.75 * bend / Flatness))), 1, 1000);
            for (int k = 1; k <= count; ++k) {
                const double t = double(k) / count, u = 1 - t;
                const QPointF p = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
                add(last, p);
                last = p;
            }
            i += 2;
        }
    }
    if (last != start)
        add(last, start);
    return pieces;
}

// Adds the piece's share to the signed sums of the band's rows (as in
// font-rs): each pixel gets the area of it left of the piece's crossing, and
// the pixel after the crossing the rest, so that a row's running sum is the
// coverage of each pixel.
void addPiece(std::vector<float>& sums, int stride, int bandTop, int bandBottom, Piece piece)
{
    if (piece.from.y() == piece.to.y())
        return;
    double sense = 1;
    if (piece.from.y() > piece.to.y()) {
        std::swap(piece.from, piece.to);
        sense = -1;
    }
    const double top = std::max(piece.from.y(), double(bandTop));
    const double bottom = std::min(piece.to.y(), double(bandBottom));
    if (top >= bottom)
        return;
    const double slope = (piece.to.x() - piece.from.x()) / (piece.to.y() - piece.from.y());
    double x = piece.from.x() + (top - piece.from.y()) * slope;
    for (int y = int(std::floor(top)); y < bottom; ++y) {
        const double dy = std::min(double(y + 1), bottom) - std::max(double(y), top);
        const double next = x + slope * dy;
        const double d = dy * sense;
        float* row = sums.data() + size_t(y - bandTop) * size_t(stride);
        const double x0 = std::min(x, next), x1 = std::max(x, next);
        const double x0floor = std::floor(x0), x1ceil = std::ceil(x1);
        const int x0i = int(x0floor), x1i = int(x1ceil);
        if (x1i <= x0i + 1) {
            const double middle = 0.5 * (x + next) - x0floor;
            row[x0i] += float(d - d * middle);
            row[x0i + 1] += float(d * middle);
        } else {
            const double s = 1 / (x1 - x0);
            const double x0f = x0 - x0floor;
            const double first = 0.5 * s * (1 - x0f) * (1 - x0f);
            const double x1f = x1 - x1ceil + 1;
            const double lastShare = 0.5 * s * x1f * x1f;
            row[x0i] += float(d * first);
            if (x1i == x0i + 2) {
                row[x0i + 1] += float(d * (1 - first - lastShare));
            } else {
                const double second = s * (1.5 - x0f);
                row[x0i + 1] += float(d * (second - first));
                for (int xi = x0i + 2; xi < x1i - 1; ++xi)
                    row[xi] += float(d * s);
                const double before = second + (x1i - x0i - 3) * s;
                row[x1i - 1] += float(d * (1 - before - lastShare));
            }
            row[x1i] += float(d * lastShare);
        }
        x = next;
    }
}

}  // namespace

QImage OutlineCoverage(const QPainterPath& outline, QSize size, QSizeF scale)
{
    QImage coverage(size, QImage::Format_Alpha8);
    if (coverage.isNull())
        return coverage;
    coverage.fill(0);
    const int width = size.width();
    const int height = size.height();
    const std::vector<Piece> pieces = piecesOf(outline, scale, width);
    // The pieces each band of rows meets, and the columns from the first
    // of them on: left of that every sum is nothing.
    std::vector<std::vector<int>> bands(size_t((height + BandRows - 1) / BandRows));
    std::vector<int> bandLeft(bands.size(), width);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const double top = std::min(pieces[i].from.y(), pieces[i].to.y());
        const double bottom = std::max(pieces[i].from.y(), pieces[i].to.y());
        if (bottom <= 0 || top >= height)
            continue;
        const int first = std::max(0, int(top) / BandRows);
        const int last = std::min(int(bands.size()) - 1, int(bottom) / BandRows);
        const int left = int(std::min(pieces[i].from.x(), pieces[i].to.x()));
        for (int b = first; b <= last; ++b) {
            bands[size_t(b)].push_back(int(i));
            bandLeft[size_t(b)] = std::min(bandLeft[size_t(b)], left);
        }
    }
    const int stride = width + 2;  // a crossing at the right edge adds to the two sums after it
    std::vector<float> sums;
    for (size_t b = 0; b < bands.size(); ++b) {
        if (bands[b].empty())
            continue;
        const int bandTop = int(b) * BandRows;
        const int bandBottom = std::min(height, bandTop + BandRows);
        sums.assign(size_t(stride) * size_t(bandBottom - bandTop), 0.0f);
        for (int i : bands[b])
            addPiece(sums, stride, bandTop, bandBottom, pieces[size_t(i)]);
        for (int y = bandTop; y < bandBottom; ++y) {
            const float* row = sums.data() + size_t(y - bandTop) * size_t(stride);
            uchar* out = coverage.scanLine(y);
            float sum = 0;
            for (int x = bandLeft[b]; x < width; ++x) {
                sum += row[x];
                out[x] = uchar(std::min(1.0f, std::abs(sum)) * 255 + 0.5f);
            }
        }
    }
    return coverage;
}

void DrawOutline(QImage& picture, const QPainterPath& outline, QSizeF scale)
{
    if (picture.format() != QImage::Format_RGB32)
        return;
    const QImage coverage = OutlineCoverage(outline, picture.size(), scale);
    const int width = coverage.width();
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar* cover = coverage.constScanLine(y);
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width;) {
            std::uint64_t eight = 1;  // passed over eight at a time where the outline misses them all
            if (x + 8 <= width)
                std::memcpy(&eight, cover + x, sizeof(eight));
            if (eight == 0) {
                x += 8;
                continue;
            }
            if (cover[x] != 0)
                row[x] = Darkened(row[x], cover[x]);
            ++x;
        }
    }
}

}  // namespace atoz
