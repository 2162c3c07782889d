// Writing the pattern book of a full-size pattern (230 x 250 cells, 100
// threads, colour blocks and symbols) at 10 cells an inch on A4: cover,
// twelve chart pages and the legend, as "保存图册" and --book make it.
#include "BenchPatterns.h"
#include "pattern/PatternThreads.h"
#include "pattern/ThreadPalette.h"
#include "render/PatternBook.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace tessaline {
namespace {

// 100 threads of the palette, each its own nearest (colours differ), in
// patches with a little grain so that blocks change colour often.
std::unique_ptr<CellMatrix> hundredThreadMatrix() {
    std::vector<Color> colors;
    for (int p = 1; p <= kDmcThreadCount && colors.size() < 100; ++p) {
        const Color c = dmcPalette()[static_cast<std::size_t>(p)].color;
        if (std::find(colors.begin(), colors.end(), c) == colors.end()) {
            colors.push_back(c);
        }
    }
    auto matrix = std::make_unique<CellMatrix>();
    matrix->fill(kWhite);
    for (int y = 0; y < bench::kHeight; ++y) {
        for (int x = 0; x < bench::kWidth; ++x) {
            const unsigned grain =
                (static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u);
            const std::size_t k = (static_cast<std::size_t>(x / 7 + 3 * (y / 9)) + grain % 3) % 100;
            (*matrix)(x, y) = colors[k];
        }
    }
    return matrix;
}

void BM_PatternBook(benchmark::State& state) {
    const auto cells = hundredThreadMatrix();
    const auto index = std::make_unique<CellMatrix>();
    GenerationSettings settings;
    settings.reduceStrength = 0;
    settings.ignorableCount = 0;
    const PatternThreads threads =
        generatePatternThreads(*cells, bench::kWidth, bench::kHeight, settings, *index);
    const ChartSource source(Pattern{threads, *index, *cells, "", {}}, 10,
                             ChartKind::BlocksAndSymbols, false);
    qint64 bytes = 0;
    for (auto _ : state) {
        const std::optional<QByteArray> pdf = renderPatternBook(source, BookSettings{});
        if (!pdf) {
            state.SkipWithError("the book was not made");
            break;
        }
        bytes = pdf->size();
        benchmark::DoNotOptimize(pdf->constData());
    }
    state.counters["threads"] = static_cast<double>(threads.table.size());
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PatternBook)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaline
