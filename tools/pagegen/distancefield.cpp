#include "distancefield.h"

#include <cstddef>
#include <limits>

namespace {

// One line of the exact transform: the lower envelope of the parabolas
// (q - i)^2 + f[i] (Felzenszwalb and Huttenlocher). Lines without a finite
// f stay FarAway.
void transformLine(const long long* f, int n, long long* out, int* v, double* z)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    auto meet = [&](int q, int p) {
        return double((f[q] + 1LL * q * q) - (f[p] + 1LL * p * p)) / (2.0 * (q - p));
    };
    int k = -1;
    for (int q = 0; q < n; ++q) {
        if (f[q] >= FarAway)
            continue;
        if (k < 0) {
            k = 0;
            v[0] = q;
            z[0] = -infinity;
            continue;
        }
        double s = meet(q, v[k]);
        while (s <= z[k]) {  // ends at k = 0 at the latest: z[0] is minus infinity
            --k;
            s = meet(q, v[k]);
        }
        ++k;
        v[k] = q;
        z[k] = s;
    }
    if (k < 0) {
        for (int q = 0; q < n; ++q)
            out[q] = FarAway;
        return;
    }
    z[k + 1] = infinity;
    int j = 0;
    for (int q = 0; q < n; ++q) {
        while (z[j + 1] < q)
            ++j;
        const long long d = q - v[j];
        out[q] = d * d + f[v[j]];
    }
}

}  // namespace

std::vector<int> SquaredDistance(const std::vector<char>& source, int w, int h)
{
    const int longest = w > h ? w : h;
    std::vector<long long> f(longest), out(longest);
    std::vector<int> v(longest);
    std::vector<double> z(longest + 1);
    std::vector<long long> columns(std::size_t(w) * h);

    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y)
            f[y] = source[std::size_t(y) * w + x] ? 0 : FarAway;
        transformLine(f.data(), h, out.data(), v.data(), z.data());
        for (int y = 0; y < h; ++y)
            columns[std::size_t(y) * w + x] = out[y];
    }
    std::vector<int> result(std::size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        transformLine(columns.data() + std::size_t(y) * w, w, out.data(), v.data(), z.data());
        for (int x = 0; x < w; ++x)
            result[std::size_t(y) * w + x] = out[x] < FarAway ? int(out[x]) : FarAway;
    }
    return result;
}
