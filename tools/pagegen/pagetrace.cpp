#include "pagetrace.h"

#include <potracelib.h>

#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// The page is traced at this many cells a pixel, each way, after its black
// pixels are blurred by a Gaussian of Blur pixels and cut at half. The
// pixels' steps melt into the lines and curves they stand for, with every
// black pixel's middle inside and the edge within about half a pixel of the
// pixels' own; potrace then fits its curves to a fraction of a cell. Traced
// straight from the pixels, its curves sweep over a step's corner by up to
// 1.3 pixels here and there; this way no point of any page strays 0.8.
constexpr int Fine = 2;
constexpr double Blur = 0.8;

// Blurs `values` (w x h, row after row) along its rows or its columns.
void blurLines(std::vector<float>& values, int w, int h, bool rows, const std::vector<float>& kernel)
{
    const int radius = int(kernel.size() / 2);
    const int lines = rows ? h : w;
    const int length = rows ? w : h;
    std::vector<float> line(static_cast<size_t>(length));
    for (int l = 0; l < lines; ++l) {
        const auto at = [&](int i) -> float& {
            return rows ? values[size_t(l) * w + size_t(i)] : values[size_t(i) * w + size_t(l)];
        };
        for (int i = 0; i < length; ++i) {
            float sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                const int j = i + k;
                if (j >= 0 && j < length)
                    sum += kernel[size_t(k + radius)] * at(j);
            }
            line[size_t(i)] = sum;
        }
        for (int i = 0; i < length; ++i)
            at(i) = line[size_t(i)];
    }
}

}  // namespace

QPainterPath TracePage(const QImage& page)
{
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width() * Fine;
    const int h = rgb.height() * Fine;
    std::vector<float> ink(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y / Fine));
        for (int x = 0; x < w; ++x)
            ink[size_t(y) * w + x] = (row[x / Fine] & 0xFFFFFF) == 0 ? 1.0f : 0.0f;
    }
    const double sigma = Blur * Fine;
    std::vector<float> kernel(size_t(2 * int(std::ceil(3 * sigma)) + 1));
    const int radius = int(kernel.size() / 2);
    float total = 0;
    for (int k = -radius; k <= radius; ++k)
        total += kernel[size_t(k + radius)] = float(std::exp(-k * k / (2 * sigma * sigma)));
    for (float& k : kernel)
        k /= total;
    blurLines(ink, w, h, true, kernel);
    blurLines(ink, w, h, false, kernel);

    constexpr int WordBits = int(sizeof(potrace_word) * CHAR_BIT);
    const int words = (w + WordBits - 1) / WordBits;
    std::vector<potrace_word> map(size_t(words) * size_t(h));
    // Line y of the bitmap is row y of the page, so that the traced points
    // are page coordinates as they are (potrace itself calls line 0 the
    // bottom, which only flips the sense of each figure).
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (ink[size_t(y) * w + x] >= 0.5f)
                map[size_t(y) * words + size_t(x / WordBits)] |= potrace_word(1) << (WordBits - 1 - x % WordBits);
    const potrace_bitmap_t bitmap{w, h, words, map.data()};

    const std::unique_ptr<potrace_param_t, decltype(&potrace_param_free)> param(potrace_param_default(),
                                                                                 potrace_param_free);
    if (!param)
        return {};
    param->turdsize = 0;  // every speck of ink is the page's own
    const std::unique_ptr<potrace_state_t, decltype(&potrace_state_free)> state(potrace_trace(param.get(), &bitmap),
                                                                                potrace_state_free);
    if (!state || state->status != POTRACE_STATUS_OK)
        return {};

    QPainterPath outline;
    const auto point = [](const potrace_dpoint_t& p) { return QPointF(p.x, p.y) / Fine; };
    for (const potrace_path_t* path = state->plist; path; path = path->next) {
        const potrace_curve_t& curve = path->curve;
        if (curve.n == 0)
            continue;
        outline.moveTo(point(curve.c[curve.n - 1][2]));  // each segment starts where the one before ends
        for (int i = 0; i < curve.n; ++i) {
            if (curve.tag[i] == POTRACE_CORNER) {
                outline.lineTo(point(curve.c[i][1]));
                outline.lineTo(point(curve.c[i][2]));
            } else {
                outline.cubicTo(point(curve.c[i][0]), point(curve.c[i][1]), point(curve.c[i][2]));
            }
        }
        outline.closeSubpath();
    }
    return outline;
}
