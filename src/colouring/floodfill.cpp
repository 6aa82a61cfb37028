#include "floodfill.h"

#include <algorithm>
#include <vector>

namespace {

using Word = std::uint64_t;
constexpr int WordBits = 64;

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

    // The first x at or after `from` that is not inside (at most `width`).
    // A word of untouched bits needs only the pixel test.
    int runEnd(int from, int width) const
    {
        int x = from;
        while (x < width) {
            if (x % WordBits == 0 && visited[x / WordBits] == 0) {
                const int stop = std::min(width, x + WordBits);
                while (x < stop && pixels[x] != border)
                    ++x;
                if (x < stop)
                    return x;
            } else {
                if (!inside(x))
                    return x;
                ++x;
            }
        }
        return width;
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
        int x = first;
        while (x < last) {
            const int bit = x % WordBits;
            const int count = std::min(WordBits - bit, last - x);
            const Word mask = count == WordBits ? ~Word(0) : ((Word(1) << count) - 1) << bit;
            visited[x / WordBits] |= mask;
            x += count;
        }
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
               std::uint32_t fill, std::uint32_t border)
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
            px = row.runEnd(px, width);
            row.paint(left, px, fill);
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
            px = row.runEnd(px, width);
            row.paint(left, px, fill);
            push(y, left, px - 1, s.dy);
            if (px > s.x2 + 1)
                push(y, s.x2 + 1, px - 1, -s.dy);
        }
    }
    return true;
}
