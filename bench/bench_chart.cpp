// Painting a full-size chart (230 x 250 cells, colour blocks, legend and
// symbols) on the canvas, alone and together with the colour index that
// precedes it in a generation.
#include "pattern/PatternThreads.h"
#include "render/ChartCanvas.h"
#include "render/FontSetup.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace tessaline {
namespace {

constexpr int kWidth = 230;
constexpr int kHeight = 250;

// Smooth gradients with a little grain, reduced to the 6 x 6 x 6 cube.
std::unique_ptr<CellMatrix> photoLikeMatrix() {
    auto matrix = std::make_unique<CellMatrix>();
    matrix->fill(kWhite);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const unsigned grain =
                (static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u);
            const double noise = static_cast<double>(grain % 41) - 20.0;
            const double r = 127.5 + 127.5 * std::sin(x / 37.0) * std::cos(y / 53.0) + noise;
            const double g = 255.0 * y / kHeight + noise;
            const double b = 255.0 * (kWidth - x) / kWidth - noise;
            auto level = [](double v) {
                const int clamped = static_cast<int>(std::lround(std::fmin(std::fmax(v, 0), 255)));
                return (clamped + 25) / 51 * 51;
            };
            (*matrix)(x, y) = rgb(level(r), level(g), level(b));
        }
    }
    return matrix;
}

ChartSource sourceOf(const PatternThreads& threads, const CellMatrix& index,
                     const CellMatrix& cells) {
    return ChartSource{threads, index, cells, 10, "", ChartKind::BlocksAndSymbols, false};
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

} // namespace
} // namespace tessaline

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    tessaline::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
