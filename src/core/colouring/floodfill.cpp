#include "floodfill.h"

#include <algorithm>
#include <bit>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ATOZ_FILL_X86 1
#include <immintrin.h>
#endif

namespace {

using Word = std::uint64_t;
constexpr int WordBits = 64;

// Paints pixels[x], pixels[x + 1], ... with `fill` up to `stop` or the first
// pixel that is `border` or already `fill`, whichever comes first, and gives
// the x where it stopped. The test and the write go together, many pixels at a
// time where the processor allows, so that a run costs about what writing it
// alone would.
using PaintRun = int (*)(std::uint32_t* pixels, int x, int stop, std::uint32_t border, std::uint32_t fill);

int paintRunScalar(std::uint32_t* pixels, int x, int stop, std::uint32_t border, std::uint32_t fill)
{
    for (; x < stop && pixels[x] != border && pixels[x] != fill; ++x)
        pixels[x] = fill;
    return x;
}

#ifdef ATOZ_FILL_X86
// 16 pixels a step: every x86-64 processor has SSE2.
int paintRunSse2(std::uint32_t* pixels, int x, int stop, std::uint32_t border, std::uint32_t fill)
{
    const __m128i borders = _mm_set1_epi32(int(border));
    const __m128i fills = _mm_set1_epi32(int(fill));
    const auto at = [pixels](int i) { return reinterpret_cast<__m128i*>(pixels + i); };
    for (; x + 16 <= stop; x += 16) {
        const __m128i a = _mm_loadu_si128(at(x));
        const __m128i b = _mm_loadu_si128(at(x + 4));
        const __m128i c = _mm_loadu_si128(at(x + 8));
        const __m128i d = _mm_loadu_si128(at(x + 12));
        const auto stops = [&](__m128i v) {
            return _mm_or_si128(_mm_cmpeq_epi32(v, borders), _mm_cmpeq_epi32(v, fills));
        };
        const __m128i hits = _mm_or_si128(_mm_or_si128(stops(a), stops(b)), _mm_or_si128(stops(c), stops(d)));
        if (_mm_movemask_epi8(hits) != 0)
            break;  // a stop among these 16: the plain loop finds it
        _mm_storeu_si128(at(x), fills);
        _mm_storeu_si128(at(x + 4), fills);
        _mm_storeu_si128(at(x + 8), fills);
        _mm_storeu_si128(at(x + 12), fills);
    }
    return paintRunScalar(pixels, x, stop, border, fill);
}

// 32 pixels a step, where the processor has AVX2.
__attribute__((target("avx2"))) int paintRunAvx2(std::uint32_t* pixels, int x, int stop, std::uint32_t border,
                                                 std::uint32_t fill)
{
    const __m256i borders = _mm256_set1_epi32(int(border));
    const __m256i fills = _mm256_set1_epi32(int(fill));
    const auto at = [pixels](int i) { return reinterpret_cast<__m256i*>(pixels + i); };
    for (; x + 32 <= stop; x += 32) {
        const __m256i a = _mm256_loadu_si256(at(x));
        const __m256i b = _mm256_loadu_si256(at(x + 8));
        const __m256i c = _mm256_loadu_si256(at(x + 16));
        const __m256i d = _mm256_loadu_si256(at(x + 24));
        // (A lambda would not take this function's target.)
        const __m256i ab = _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi32(a, borders), _mm256_cmpeq_epi32(a, fills)),
                                           _mm256_or_si256(_mm256_cmpeq_epi32(b, borders), _mm256_cmpeq_epi32(b, fills)));
        const __m256i cd = _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi32(c, borders), _mm256_cmpeq_epi32(c, fills)),
                                           _mm256_or_si256(_mm256_cmpeq_epi32(d, borders), _mm256_cmpeq_epi32(d, fills)));
        const __m256i hits = _mm256_or_si256(ab, cd);
        if (!_mm256_testz_si256(hits, hits))
            break;
        _mm256_storeu_si256(at(x), fills);
        _mm256_storeu_si256(at(x + 8), fills);
        _mm256_storeu_si256(at(x + 16), fills);
        _mm256_storeu_si256(at(x + 24), fills);
    }
    // The rest one by one, without leaving this function: plain SSE code run
    // right after AVX code can stall on the upper halves of the registers.
    for (; x < stop && pixels[x] != border && pixels[x] != fill; ++x)
        pixels[x] = fill;
    return x;
}
#endif

PaintRun choosePaintRun()
{
#ifdef ATOZ_FILL_X86
    return __builtin_cpu_supports("avx2") ? paintRunAvx2 : paintRunSse2;
#else
    return paintRunScalar;
#endif
}

const PaintRun paintUntilBorder = choosePaintRun();

// One row of the flood: its pixels and one bit a pixel, set once the pixel has
// been painted. Painting alone cannot mark a pixel as done, because the region
// may already hold the fill colour.
struct Row
{
    std::uint32_t* pixels;
    Word* visited;
    std::uint32_t border;

    bool seen(int x) const { return visited[x / WordBits] >> (x % WordBits) & 1u; }
    bool inside(int x) const { return pixels[x] != border && !seen(x); }

    // Marks pixels first..last-1 visited.
    void mark(int first, int last)
    {
        if (first >= last)
            return;
        const int firstWord = first / WordBits;
        const int lastWord = (last - 1) / WordBits;
        const Word head = ~Word(0) << (first % WordBits);
        const Word tail = ~Word(0) >> (WordBits - 1 - (last - 1) % WordBits);
        if (firstWord == lastWord) {
            visited[firstWord] |= head & tail;
            return;
        }
        visited[firstWord] |= head;
        std::fill(visited + firstWord + 1, visited + lastWord, ~Word(0));
        visited[lastWord] |= tail;
    }

    // Paints from `from` rightwards while the pixels are inside, marks them
    // visited and gives the first x that is not (at most `width`). A pixel
    // that is not yet the fill colour cannot have been visited, so only
    // pixels of the fill colour need their visited bit read.
    int paintRight(int from, int width, std::uint32_t fill)
    {
        int x = from;
        for (;;) {
            x = paintUntilBorder(pixels, x, width, border, fill);
            if (x == width || !inside(x))
                break;
            ++x;  // already the fill colour, and inside
        }
        mark(from, x);
        return x;
    }

    // The first x at or after `from`, and not after `last`, that is inside;
    // last + 1 when there is none. Words already fully visited are skipped whole.
    int nextInside(int from, int last) const
    {
        int x = from;
        while (x <= last) {
            if (x % WordBits == 0 && visited[x / WordBits] == ~Word(0)) {
                x += WordBits;
                continue;
            }
            if (inside(x))
                return x;
            ++x;
        }
        return last + 1;
    }

    // Paints pixels first..last-1 and marks them visited.
    void paint(int first, int last, std::uint32_t fill)
    {
        std::fill(pixels + first, pixels + last, fill);
        mark(first, last);
    }
};

// A run of pixels x1..x2 on row y that has been painted, and the direction
// dy (+1 or -1) of the neighbouring row still to be explored.
struct Span
{
    int y;
    int x1;
    int x2;
    int dy;
};

}  // namespace

bool FloodFill(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride, int x, int y,
               std::uint32_t fill, std::uint32_t border, FillBounds* painted)
{
    if (pixels == nullptr || x < 0 || y < 0 || x >= width || y >= height)
        return false;
    if (pixels[std::ptrdiff_t(y) * stride + x] == border)
        return false;

    const std::size_t wordsPerRow = (std::size_t(width) + WordBits - 1) / WordBits;
    std::vector<Word> visited(wordsPerRow * std::size_t(height));
    std::vector<Span> stack;
    stack.reserve(256);
    auto push = [&](int row, int x1, int x2, int dy) {
        if (row + dy >= 0 && row + dy < height)
            stack.push_back({row, x1, x2, dy});
    };
    FillBounds bounds{x, y, x, y};
    auto grow = [&](int row, int x1, int x2) {
        bounds = {std::min(bounds.left, x1), std::min(bounds.top, row), std::max(bounds.right, x2),
                  std::max(bounds.bottom, row)};
    };

    // Heckbert's seed fill ("A Seed Fill Algorithm", Graphics Gems, 1990),
    // with "inside" meaning not border and not yet visited.
    push(y, x, x, 1);
    push(y + 1, x, x, -1);
    while (!stack.empty()) {
        const Span s = stack.back();
        stack.pop_back();
        const int y = s.y + s.dy;
        Row row{pixels + std::ptrdiff_t(y) * stride, visited.data() + wordsPerRow * std::size_t(y), border};

        // Row y is explored below the span s.x1..s.x2 of the row it came from.
        int px = s.x1;
        if (row.inside(px)) {
            int left = px;
            while (left > 0 && row.inside(left - 1))
                --left;
            row.paint(left, px, fill);
            px = row.paintRight(px, width, fill);
            grow(y, left, px - 1);
            if (left < s.x1)
                push(y, left, s.x1 - 1, -s.dy);  // leaks back round the left end
            push(y, left, px - 1, s.dy);
            if (px > s.x2 + 1)
                push(y, s.x2 + 1, px - 1, -s.dy);  // leaks back round the right end
        }
        for (;;) {
            px = row.nextInside(px + 1, s.x2);
            if (px > s.x2)
                break;
            const int left = px;
            px = row.paintRight(px, width, fill);
            grow(y, left, px - 1);
            push(y, left, px - 1, s.dy);
            if (px > s.x2 + 1)
                push(y, s.x2 + 1, px - 1, -s.dy);
        }
    }
    if (painted)
        *painted = bounds;
    return true;
}
