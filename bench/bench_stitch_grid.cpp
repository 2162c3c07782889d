// Redrawing the main window's stitch-grid view of a full-size pattern, as
// every effect preview and colour change does.
#include "BenchPatterns.h"
#include "render/StitchGrid.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace tessaline {
namespace {

using bench::kHeight;
using bench::kWidth;
using bench::photoLikeMatrix;

void BM_DrawStitchGrid230x250(benchmark::State& state) {
    const auto cells = photoLikeMatrix();
    const StitchGridView view{4, 0, 0, kWidth, kHeight};
    QImage image(kWidth * view.cellSize, kHeight * view.cellSize, QImage::Format_RGB32);
    for (auto _ : state) {
        drawStitchGrid(image, *cells, view);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawStitchGrid230x250)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaline

BENCHMARK_MAIN();
