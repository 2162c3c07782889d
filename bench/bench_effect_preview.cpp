// One whole effect preview of the largest pattern, 230 x 250 stitches, taken
// from a photo-like working picture: sample the framed region, write and
// read back the scratch picture, reduce it to the 216-colour cube, copy it
// back into the picture and sample again. Goal: at most 20 ms.
#include "imaging/EffectPreview.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <filesystem>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

using namespace tessaline;

constexpr int kWidth = 230;
constexpr int kHeight = 250;

// Smooth gradients and a soft highlight with a little sensor-like noise, a
// little larger than the region so it starts away from the corner.
QImage workingPicture() {
    QImage image(kWidth + 60, kHeight + 40, QImage::Format_RGB32);
    std::mt19937 random(11);
    std::normal_distribution<double> noise(0.0, 5.0);
    auto channel = [&](double v) {
        return static_cast<int>(std::lround(std::fmin(std::fmax(v + noise(random), 0.0), 255.0)));
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double u = x / double(image.width()), v = y / double(image.height());
            const double glow = std::exp(-((u - 0.4) * (u - 0.4) + (v - 0.5) * (v - 0.5)) * 10);
            image.setPixel(x, y,
                           qRgb(channel(70 + 120 * v + 60 * glow),
                                channel(50 + 140 * u * v + 40 * glow),
                                channel(100 + 90 * (1 - u) + 30 * std::sin(8 * u + 4 * v))));
        }
    }
    return image;
}

void BM_EffectPreview216(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("tessaline-bench-effect-preview-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path scratchFile = folder / kScratchPictureName;
    const QImage original = workingPicture();
    const PreviewRegion region{kWidth, kHeight, 40, 25};
    auto matrix = std::make_unique<CellMatrix>();
    ClsDIB srcDIB;
    ClsDIB dstDIB;
    for (auto _ : state) {
        // Each run starts from the unreduced picture, as a first preview does.
        state.PauseTiming();
        QImage picture = original.copy();
        state.ResumeTiming();
        matrix->fill(kWhite);
        sampleRegion(picture, region, *matrix);
        const ReductionOutcome outcome =
            reduceRegion(*matrix, kWidth, kHeight, 16, scratchFile, srcDIB, dstDIB);
        if (!outcome.reduced) {
            state.SkipWithError("the region was not reduced");
            break;
        }
        copyBufferInto(picture, dstDIB, region.left, region.top);
        sampleRegion(picture, region, *matrix);
        benchmark::DoNotOptimize((*matrix)(kWidth - 1, kHeight - 1));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_EffectPreview216)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
