// One replacement in the colour replacement window over a full-size
// pattern: every cell compared, the changed ones repainted in the window's
// picture, and the rate-limited hand-over to the event loop after each cell.
// Goal: below 50 ms.
#include "BenchPatterns.h"
#include "pattern/ThreadReplacement.h"
#include "platform/EventYield.h"
#include "render/ColorConvert.h"

#include <QCoreApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace tessaline {
namespace {

void BM_ReplaceOneThread(benchmark::State& state) {
    static const auto pattern = bench::photoLikeMatrix();
    ColorList colorList{};
    auto index = std::make_unique<CellMatrix>();
    const EditIndexOutcome listed =
        makeEditIndex(*pattern, bench::kWidth, bench::kHeight, dmcPalette(), colorList, *index);
    ThreadReplacement replacement(colorList, listed.threadCount, dmcPalette());
    replacement.load(*pattern, bench::kWidth, bench::kHeight);
    QImage picture(bench::kWidth, bench::kHeight, QImage::Format_RGB32);
    EventYielder yielder;
    const auto paint = [&](int x, int y, int thread) {
        picture.setPixel(x, y, toQRgb(replacement.threadColor(thread)));
    };
    const auto yield = [&yielder] { yielder.yield(); };
    // The thread of the top-left cell goes into the second listed thread.
    const int target = replacement.thread(0, 0);
    const int other = replacement.entry(replacement.entry(1) == target ? 2 : 1);
    int changed = 0;
    for (auto _ : state) {
        changed = 0;
        replacement.replace(
            target, other,
            [&](int x, int y, int thread) {
                ++changed;
                paint(x, y, thread);
            },
            yield);
        state.PauseTiming();
        replacement.undo(paint, yield);
        state.ResumeTiming();
    }
    state.counters["threads"] = listed.threadCount;
    state.counters["cells changed"] = changed;
}
BENCHMARK(BM_ReplaceOneThread)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaline

int main(int argc, char** argv) {
    // The yielder hands over to a real event loop, as in the window.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
