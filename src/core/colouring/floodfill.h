#pragma once

#include <cstddef>
#include <cstdint>

// Border-bounded flood fill over a buffer of 32-bit pixels.
//
// Paints with `fill` every pixel of the 4-connected region of pixels not equal
// to `border` that contains (x, y): diagonal neighbours do not connect, the
// buffer's edges bound the region, and pixels of any other value, `fill`
// itself included, are painted over. Returns false, changing nothing, when
// (x, y) lies outside the buffer or on a border pixel; true otherwise, even
// when no pixel changed value.
//
// `stride` counts pixels from one row to the next. A span fill with an explicit
// stack: no recursion, any region size. Extra memory is one bit a pixel for
// the pixels already visited, plus the pending spans.
//
// When `painted` is given, a fill sets it to the smallest rectangle that
// holds the region (left, top, right and bottom pixels included), so that
// only that needs drawing again.
struct FillBounds
{
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
};
bool FloodFill(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride, int x, int y,
               std::uint32_t fill, std::uint32_t border, FillBounds* painted = nullptr);
