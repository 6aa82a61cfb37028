#include "floodfill.h"

#include <vector>

namespace {

// One bit a pixel: set once a pixel has been painted. Painting alone cannot
// mark a pixel as done, because the region may already hold the fill colour.
class VisitedPixels
{
public:
    VisitedPixels(int width, int height)
        : wordsPerRow_((std::size_t(width) + 63) / 64), bits_(wordsPerRow_ * std::size_t(height))
    {
    }

    std::uint64_t* row(int y) { return bits_.data() + wordsPerRow_ * std::size_t(y); }

private:
    std::size_t wordsPerRow_;
    std::vector<std::uint64_t> bits_;
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

    VisitedPixels visited(width, height);
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
        const int row = s.y + s.dy;
        std::uint32_t* line = pixels + std::ptrdiff_t(row) * stride;
        std::uint64_t* seen = visited.row(row);
        auto inside = [&](int px) { return line[px] != border && !(seen[px >> 6] >> (px & 63) & 1u); };
        auto paint = [&](int px) {
            line[px] = fill;
            seen[px >> 6] |= std::uint64_t(1) << (px & 63);
        };

        // Row `row` is explored below the span s.x1..s.x2 of the row it came from.
        int px = s.x1;
        while (px >= 0 && inside(px))
            paint(px--);
        int left = -1;  // start of the run being painted, -1 while outside one
        if (px < s.x1) {
            left = px + 1;
            if (left < s.x1)
                push(row, left, s.x1 - 1, -s.dy);  // leaks back round the left end
            px = s.x1 + 1;
        }
        for (;;) {
            if (left >= 0) {
                while (px < width && inside(px))
                    paint(px++);
                push(row, left, px - 1, s.dy);
                if (px > s.x2 + 1)
                    push(row, s.x2 + 1, px - 1, -s.dy);  // leaks back round the right end
            }
            for (++px; px <= s.x2 && !inside(px); ++px) {
            }
            if (px > s.x2)
                break;
            left = px;
        }
    }
    return true;
}
