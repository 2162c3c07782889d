// Painting a full-size chart (230 x 250 cells, colour blocks, legend and
// symbols) on the canvas, alone and together with the colour index that
// precedes it in a generation, and the whole generation's worst case.
#include "BenchPatterns.h"
#include "pattern/PatternThreads.h"
#include "render/ChartCanvas.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

namespace tessaline {
namespace {

using bench::fiveHundredColorMatrix;
using bench::kHeight;
using bench::kWidth;
using bench::photoLikeMatrix;

ChartSource sourceOf(const PatternThreads& threads, const CellMatrix& index,
                     const CellMatrix& cells) {
    return ChartSource(Pattern{threads, index, cells, "", {}}, 10, ChartKind::BlocksAndSymbols,
                       false);
}

// A fresh white canvas with the whole chart, as the Generate command makes it.
void paintCanvas(benchmark::State& state, const ChartSource& source) {
    QImage canvas = makeChartCanvas(chartCanvasSize(source));
    QPainter painter(&canvas);
    ChartProgress progress;
    progress.step = [](int, int) { return true; }; // as the window's abort check
    if (!drawChart(painter, source, progress)) {
        state.SkipWithError("chart drawing stopped");
    }
    painter.end();
    benchmark::DoNotOptimize(canvas.constBits());
}

void BM_PaintChart(benchmark::State& state) {
    const auto cells = photoLikeMatrix();
    const auto index = std::make_unique<CellMatrix>();
    const PatternThreads threads = generatePatternThreads(*cells, kWidth, kHeight, {}, *index);
    for (auto _ : state) {
        paintCanvas(state, sourceOf(threads, *index, *cells));
    }
    state.counters["threads"] = static_cast<double>(threads.table.size());
}
BENCHMARK(BM_PaintChart)->Unit(benchmark::kMillisecond);

void BM_ColorIndexAndPaintChart(benchmark::State& state) {
    const auto cells = photoLikeMatrix();
    const auto index = std::make_unique<CellMatrix>();
    for (auto _ : state) {
        const PatternThreads threads = generatePatternThreads(*cells, kWidth, kHeight, {}, *index);
        paintCanvas(state, sourceOf(threads, *index, *cells));
    }
}
BENCHMARK(BM_ColorIndexAndPaintChart)->Unit(benchmark::kMillisecond);

// The worst case of a whole generation: 500 colours, nothing left out or
// merged, blocks and symbols for every thread.
void BM_GenerateWorstCase500Colors(benchmark::State& state) {
    const auto cells = fiveHundredColorMatrix();
    const auto index = std::make_unique<CellMatrix>();
    GenerationSettings settings;
    settings.reduceStrength = 0;
    settings.ignorableCount = 0;
    for (auto _ : state) {
        const PatternThreads threads =
            generatePatternThreads(*cells, kWidth, kHeight, settings, *index);
        paintCanvas(state, sourceOf(threads, *index, *cells));
    }
}
BENCHMARK(BM_GenerateWorstCase500Colors)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaline
