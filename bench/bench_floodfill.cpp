// The fill kernel on the surfaces that matter: a whole blank page, the outside
// of a real page, one-pixel corridors, and a 4096 x 4096 surface. Besides the
// time, "extra_bytes_per_pixel" is the most the fill allocated at once,
// divided by the pixels of the surface.
//
// Two yardsticks share the run: a plain write of every pixel of the page, and
// (where OpenCV is installed) cv::floodFill over the same page, 24-bit, which
// is how the page is stored. Repetitions of all of them are interleaved, and
// at the end the whole-page fill is given as a ratio to each yardstick,
// repetition by repetition: median and range. The fill is also checked against
// both: the same pixels painted.

#include "colouring/floodfill.h"
#include "pages/pagelibrary.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <vector>

#ifdef ATOZ_BENCH_OPENCV
#include <opencv2/imgproc.hpp>
#endif

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

// The yardstick every fill is held to: each pixel of the page written once,
// as fast as Qt fills a picture (vector stores, chosen for the processor).
// std::fill is there too: what the compiler makes of a loop of stores.
void BM_PlainWrite(benchmark::State& state)
{
    QImage page(480, 400, QImage::Format_RGB32);
    std::uint32_t colour = 0xFF0000FF;
    for (auto _ : state) {
        page.fill(colour);
        benchmark::DoNotOptimize(page.constBits());
        colour ^= 0x00FFFF00;
        benchmark::ClobberMemory();
    }
}
void BM_PlainWriteLoop(benchmark::State& state)
{
    Surface surface = blank(480, 400);
    std::uint32_t colour = 0xFF0000FF;
    for (auto _ : state) {
        std::fill(surface.pixels.begin(), surface.pixels.end(), colour);
        benchmark::DoNotOptimize(surface.pixels.data());
        colour ^= 0x00FFFF00;
        benchmark::ClobberMemory();
    }
}

#ifdef ATOZ_BENCH_OPENCV
// cv::floodFill on the blank page as 24-bit pixels, 4-connected, filling the
// pixels of the seed's exact colour: on a page of one colour, the same region.
void BM_OpenCvFloodFill(benchmark::State& state)
{
    cv::Mat page(400, 480, CV_8UC3, cv::Scalar(255, 255, 255));
    cv::Scalar colour(255, 0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cv::floodFill(page, cv::Point(0, 0), colour, nullptr, cv::Scalar(), cv::Scalar(), 4));
        colour = colour[0] == 255 ? cv::Scalar(0, 255, 0) : cv::Scalar(255, 0, 0);
        benchmark::ClobberMemory();
    }
}
#endif
void BM_LibraryPageOutside(benchmark::State& state) { runFill(state, libraryPage()); }
void BM_CombCorridors(benchmark::State& state) { runFill(state, comb(480, 400)); }
void BM_SerpentineMaze(benchmark::State& state) { runFill(state, serpentine(480, 400)); }
void BM_Huge4096(benchmark::State& state) { runFill(state, blank(4096, 4096)); }
void BM_Huge4096Comb(benchmark::State& state) { runFill(state, comb(4096, 4096)); }

}  // namespace

constexpr int PageRepetitions = 15;
BENCHMARK(BM_WholeBlankPage)->Unit(benchmark::kMicrosecond)->Repetitions(PageRepetitions);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMicrosecond)->Repetitions(PageRepetitions);
BENCHMARK(BM_PlainWriteLoop)->Unit(benchmark::kMicrosecond)->Repetitions(PageRepetitions);
#ifdef ATOZ_BENCH_OPENCV
BENCHMARK(BM_OpenCvFloodFill)->Unit(benchmark::kMicrosecond)->Repetitions(PageRepetitions);
#endif
BENCHMARK(BM_LibraryPageOutside)->Unit(benchmark::kMicrosecond)->Repetitions(7)->DisplayAggregatesOnly();
BENCHMARK(BM_CombCorridors)->Unit(benchmark::kMicrosecond)->Repetitions(7)->DisplayAggregatesOnly();
BENCHMARK(BM_SerpentineMaze)->Unit(benchmark::kMicrosecond)->Repetitions(7)->DisplayAggregatesOnly();
BENCHMARK(BM_Huge4096)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
BENCHMARK(BM_Huge4096Comb)->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();

namespace {

// Keeps the time of every repetition, by benchmark, and shows only the
// aggregates of repeated benchmarks.
class RepetitionRecorder : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        std::vector<Run> shown;
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                times[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
            if (run.run_type == Run::RT_Aggregate || run.repetitions <= 1)
                shown.push_back(run);
        }
        if (!shown.empty())
            ConsoleReporter::ReportRuns(shown);
    }
    std::map<std::string, std::vector<double>> times;
};

void printRatio(const RepetitionRecorder& recorder, const std::string& of, const std::string& to)
{
    const auto a = recorder.times.find(of);
    const auto b = recorder.times.find(to);
    if (a == recorder.times.end() || b == recorder.times.end())
        return;
    std::vector<double> ratios;
    for (std::size_t i = 0; i < std::min(a->second.size(), b->second.size()); ++i)
        ratios.push_back(a->second[i] / b->second[i]);
    std::sort(ratios.begin(), ratios.end());
    const std::size_t n = ratios.size();
    const double median = n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
    std::printf("%-20s / %-20s %.2fx  [%.2f .. %.2f] over %zu repetitions\n", of.c_str(), to.c_str(), median,
                ratios.front(), ratios.back(), n);
}

// The fill must paint exactly what the yardsticks do on the page they share.
void checkSamePixels()
{
    Surface surface = blank(480, 400);
    FloodFill(surface.pixels.data(), surface.width, surface.height, surface.width, 0, 0, 0xFF0000FF, Border);
    const auto painted = std::count(surface.pixels.begin(), surface.pixels.end(), 0xFF0000FFu);
    long expected = long(surface.pixels.size());
#ifdef ATOZ_BENCH_OPENCV
    cv::Mat page(400, 480, CV_8UC3, cv::Scalar(255, 255, 255));
    expected = cv::floodFill(page, cv::Point(0, 0), cv::Scalar(255, 0, 0), nullptr, cv::Scalar(), cv::Scalar(), 4);
#endif
    std::printf("whole page: %ld pixels painted, %ld by the yardstick: %s\n", long(painted), expected,
                painted == expected ? "the same" : "DIFFERENT");
}

}  // namespace

int main(int argc, char** argv)
{
    // Repetitions interleaved, so that a busy moment of the machine falls on
    // the fill and its yardsticks alike; another choice on the command line wins.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    argc = int(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    RepetitionRecorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    benchmark::Shutdown();
    std::printf("\n");
    checkSamePixels();
    printRatio(recorder, "BM_WholeBlankPage", "BM_PlainWrite");
    printRatio(recorder, "BM_WholeBlankPage", "BM_PlainWriteLoop");
    printRatio(recorder, "BM_WholeBlankPage", "BM_OpenCvFloodFill");
    return 0;
}
