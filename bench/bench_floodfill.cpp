// The fill kernel on the surfaces that matter: a whole blank page, the outside
// of a real page, one-pixel corridors, and a 4096 x 4096 surface. Besides the
// time, "extra_bytes_per_pixel" is the most the fill allocated at once,
// divided by the pixels of the surface.

#include "colouring/floodfill.h"
#include "pages/pagelibrary.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

}  // namespace

// Every allocation of the process goes through here, so the peak of one fill
// can be read off.
void* operator new(std::size_t size)
{
    void* p = std::malloc(size + sizeof(std::max_align_t));
    if (!p)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(p) = size;
    const std::size_t now = liveBytes += size;
    std::size_t peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(p) + sizeof(std::max_align_t);
}
void operator delete(void* p) noexcept
{
    if (!p)
        return;
    void* block = static_cast<char*>(p) - sizeof(std::max_align_t);
    liveBytes -= *static_cast<std::size_t*>(block);
    std::free(block);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

struct Surface
{
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
    int seedX = 0;
    int seedY = 0;
};

constexpr std::uint32_t Border = 0xFF000000;
constexpr std::uint32_t White = 0xFFFFFFFF;

Surface blank(int width, int height)
{
    return {width, height, std::vector<std::uint32_t>(std::size_t(width) * height, White)};
}

Surface libraryPage()
{
    const QImage page = atoz::LoadPagePicture(0);
    Surface s = blank(page.width(), page.height());
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            s.pixels[std::size_t(y) * page.width() + x] = page.pixel(x, y);
    return s;  // seed (0, 0): the area outside the letter
}

// One-pixel corridors going down from a spine along the top, and one-pixel
// walls between them: every corridor is a span of its own on every row.
Surface comb(int width, int height)
{
    Surface s = blank(width, height);
    for (int y = 1; y < height; ++y)
        for (int x = 1; x < width; x += 2)
            s.pixels[std::size_t(y) * width + x] = Border;
    return s;
}

// A serpentine maze of one-pixel corridors: the path doubles back on every
// other row.
Surface serpentine(int width, int height)
{
    Surface s = blank(width, height);
    for (int y = 1; y < height; y += 2)
        for (int x = 0; x < width; ++x)
            if ((y % 4 == 1) ? x != width - 1 : x != 0)
                s.pixels[std::size_t(y) * width + x] = Border;
    return s;
}

void runFill(benchmark::State& state, Surface surface)
{
    std::uint32_t colour = 0xFF0000FF;
    std::size_t mostExtra = 0;
    for (auto _ : state) {
        const std::size_t before = liveBytes.load();
        peakBytes = before;
        benchmark::DoNotOptimize(FloodFill(surface.pixels.data(), surface.width, surface.height, surface.width,
                                           surface.seedX, surface.seedY, colour, Border));
        mostExtra = std::max(mostExtra, peakBytes.load() - before);
        colour ^= 0x00FFFF00;
        benchmark::ClobberMemory();
    }
    const double pixels = double(surface.width) * surface.height;
    state.counters["extra_bytes_per_pixel"] = double(mostExtra) / pixels;
    state.counters["pixels_per_second"] = benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_WholeBlankPage(benchmark::State& state) { runFill(state, blank(480, 400)); }
void BM_LibraryPageOutside(benchmark::State& state) { runFill(state, libraryPage()); }
void BM_CombCorridors(benchmark::State& state) { runFill(state, comb(480, 400)); }
void BM_SerpentineMaze(benchmark::State& state) { runFill(state, serpentine(480, 400)); }
void BM_Huge4096(benchmark::State& state) { runFill(state, blank(4096, 4096)); }
void BM_Huge4096Comb(benchmark::State& state) { runFill(state, comb(4096, 4096)); }

}  // namespace

BENCHMARK(BM_WholeBlankPage)->Unit(benchmark::kMicrosecond)->Repetitions(7)->DisplayAggregatesOnly();
BENCHMARK(BM_LibraryPageOutside)->Unit(benchmark::kMicrosecond)->Repetitions(7)->DisplayAggregatesOnly();
BENCHMARK(BM_CombCorridors)->Unit(benchmark::kMicrosecond)->Repetitions(7)->DisplayAggregatesOnly();
BENCHMARK(BM_SerpentineMaze)->Unit(benchmark::kMicrosecond)->Repetitions(7)->DisplayAggregatesOnly();
BENCHMARK(BM_Huge4096)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
BENCHMARK(BM_Huge4096Comb)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();

BENCHMARK_MAIN();
