// Colour index, thread table and symbol map of a full-size pattern: a
// photo-like 216-colour picture, the worst case of 500 distinct colours
// with nothing merged or left out, and the thread limit.
#include "BenchPatterns.h"
#include "imaging/ClsDIB.h"
#include "pattern/PatternThreads.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace tessaline {
namespace {

using bench::fiveHundredColorMatrix;
using bench::kHeight;
using bench::kWidth;
using bench::photoLikeMatrix;

void runGeneration(benchmark::State& state, const CellMatrix& pattern, int width, int height,
                   const GenerationSettings& settings, std::size_t expectedMinimumEntries) {
    auto index = std::make_unique<CellMatrix>();
    int threadCount = 0;
    std::size_t entries = 0;
    GenerationProgress progress;
    progress.step = [](int, int) { return true; }; // as the window's abort check
    for (auto _ : state) {
        PatternThreads threads =
            generatePatternThreads(pattern, width, height, settings, *index, progress);
        benchmark::DoNotOptimize(threads.table.data());
        if (threads.status != GenerationStatus::Done ||
            threads.table.size() < expectedMinimumEntries) {
            state.SkipWithError("generation did not complete");
            break;
        }
        threadCount = threads.threadCount;
        entries = threads.table.size();
    }
    state.counters["threads"] = threadCount;
    state.counters["entries"] = static_cast<double>(entries);
}

void runGeneration(benchmark::State& state, const CellMatrix& pattern,
                   const GenerationSettings& settings, std::size_t expectedMinimumEntries) {
    runGeneration(state, pattern, kWidth, kHeight, settings, expectedMinimumEntries);
}

void BM_ColorIndex216ColorPhoto(benchmark::State& state) {
    static const auto pattern = photoLikeMatrix();
    runGeneration(state, *pattern, GenerationSettings{}, 1);
}
BENCHMARK(BM_ColorIndex216ColorPhoto)->Unit(benchmark::kMillisecond);

void BM_ColorIndex500ColorsWorstCase(benchmark::State& state) {
    static const auto pattern = fiveHundredColorMatrix();
    GenerationSettings settings;
    settings.reduceStrength = 0;
    settings.ignorableCount = 0;
    runGeneration(state, *pattern, settings, 1);
}
BENCHMARK(BM_ColorIndex500ColorsWorstCase)->Unit(benchmark::kMillisecond);

void BM_ColorIndex500ColorsCc(benchmark::State& state) {
    static const auto pattern = fiveHundredColorMatrix();
    GenerationSettings settings;
    settings.category = ThreadCategory::Cc;
    settings.reduceStrength = 0;
    settings.ignorableCount = 0;
    runGeneration(state, *pattern, settings, 500);
}
BENCHMARK(BM_ColorIndex500ColorsCc)->Unit(benchmark::kMillisecond);

// A thread limit of 40 with CIEDE2000 matching, on the 216-colour picture
// and on the picture left at full colour.
void BM_ThreadLimit40Lab(benchmark::State& state) {
    static const auto reduced = photoLikeMatrix();
    static const auto fullColor = photoLikeMatrix(true);
    GenerationSettings settings;
    settings.threadLimit = 40;
    settings.match = ColorMatch::Lab;
    runGeneration(state, state.range(0) != 0 ? *fullColor : *reduced, settings, 1);
}
BENCHMARK(BM_ThreadLimit40Lab)
    ->ArgName("fullColor")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The worst case of the thread limit: every cell a different colour, spread
// over the RGB cube, all 423 threads allowed, CIEDE2000 matching. Goal: under
// 0.5 s.
void BM_ThreadLimit423LabEveryCellDifferent(benchmark::State& state) {
    static const auto pattern = [] {
        auto matrix = std::make_unique<CellMatrix>();
        matrix->fill(kWhite);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                // An odd multiplier is one-to-one on 24 bits.
                const auto i = static_cast<unsigned>(y * kWidth + x);
                (*matrix)(x, y) = static_cast<Color>((i * 0x9E3779u + 0x123456u) & 0xFFFFFFu);
            }
        }
        return matrix;
    }();
    GenerationSettings settings;
    settings.threadLimit = 423;
    settings.match = ColorMatch::Lab;
    runGeneration(state, *pattern, settings, 1);
}
BENCHMARK(BM_ThreadLimit423LabEveryCellDifferent)->Unit(benchmark::kMillisecond)->UseRealTime();

// The photo preset ("照片推荐"): 24 threads by CIEDE2000 with the clean-up.
// Goal: under 50 ms.
GenerationSettings photoPreset() {
    GenerationSettings settings;
    settings.threadLimit = 24;
    settings.match = ColorMatch::Lab;
    settings.cleanup = true;
    return settings;
}

// On a photo-like picture at full colour.
void BM_PhotoPreset(benchmark::State& state) {
    static const auto fullColor = photoLikeMatrix(true);
    runGeneration(state, *fullColor, photoPreset(), 1);
}
BENCHMARK(BM_PhotoPreset)->Unit(benchmark::kMillisecond)->UseRealTime();

// On real photographs: each BMP named in TESSALINE_BENCH_PHOTOS (separated
// by ':'), at its own size, as `tessaline convert PHOTO --width 230 --method 0
// --effect PHOTO.bmp` gives it (bench/photo_preset.sh does so).
void registerPhotoBenchmarks() {
    const char* list = std::getenv("TESSALINE_BENCH_PHOTOS");
    std::string_view rest = list == nullptr ? "" : list;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(':'), rest.size());
        const std::filesystem::path file(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        ClsDIB picture;
        if (!picture.LoadBitMap(file) || picture.Width() > CellMatrix::kSize ||
            picture.Height() > CellMatrix::kSize) {
            std::fprintf(stderr, "bench_color_index: cannot use %s\n", file.string().c_str());
            continue;
        }
        auto matrix = std::make_shared<CellMatrix>();
        std::span<const std::uint8_t> bytes;
        const std::int32_t stride = picture.MapArray(bytes);
        for (int y = 0; y < picture.Height(); ++y) {
            // Rows are stored bottom first.
            const std::uint8_t* row = &bytes[static_cast<std::size_t>(picture.Height() - 1 - y) *
                                             static_cast<std::size_t>(stride)];
            for (int x = 0; x < picture.Width(); ++x) {
                (*matrix)(x, y) = rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            }
        }
        const int width = picture.Width();
        const int height = picture.Height();
        benchmark::RegisterBenchmark(("BM_PhotoPreset/" + file.stem().string()).c_str(),
                                     [matrix, width, height](benchmark::State& state) {
                                         runGeneration(state, *matrix, width, height, photoPreset(),
                                                       1);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

} // namespace
} // namespace tessaline

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    tessaline::registerPhotoBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
