// The frame's smooth stretch of a 5640 x 3172 photograph to a 230-wide
// chart: Qt's own on the whole picture, and ours fed one row at a time as
// the decoder gives them (the command line's large-JPEG road). Goal: the
// row-fed stretch at most 40 ms, a small part of the decode it runs beside.
// Then the same photograph as a JPEG file, decoded whole and decoded into
// the frame: the second should take no longer than the first, as the rows
// it stretches are read back while still in the cache.
#include "render/PictureLoader.h"
#include "render/Stretch.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

using namespace tessaline;

constexpr QSize kPhoto(5640, 3172);
constexpr QSize kChart(230, 129);

QImage photo() {
    QImage image(kPhoto, QImage::Format_RGB32);
    std::uint32_t state = 7;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            row[x] = 0xFF000000u | ((x / 22 + (state >> 28)) & 0xFF) << 16 |
                     ((y / 12 + (state >> 24 & 15)) & 0xFF) << 8 | ((x + y) / 34 & 0xFF);
        }
    }
    return image;
}

void BM_QtSmoothStretch(benchmark::State& state) {
    const QImage picture = photo();
    for (auto _ : state) {
        benchmark::DoNotOptimize(halftoneStretch(picture, kChart));
    }
}
BENCHMARK(BM_QtSmoothStretch)->Unit(benchmark::kMillisecond);

// Rows come from a short strip, as a decoder hands them over while they are
// still in the cache.
void BM_RowFedShrink(benchmark::State& state) {
    const QImage strip = photo().copy(0, 0, kPhoto.width(), 64);
    for (auto _ : state) {
        HalftoneShrink shrink(kPhoto, kChart);
        for (int y = 0; y < kPhoto.height(); ++y) {
            shrink.addRow(reinterpret_cast<const std::uint32_t*>(strip.constScanLine(y % 64)));
        }
        benchmark::DoNotOptimize(shrink.result());
    }
}
BENCHMARK(BM_RowFedShrink)->Unit(benchmark::kMillisecond);

// The photograph as a JPEG file, written once.
const std::filesystem::path& photoFile() {
    static QTemporaryDir folder;
    static const std::filesystem::path path = [] {
        const QString name = folder.filePath(QStringLiteral("photo.jpg"));
        photo().save(name, "JPG", 92);
        return std::filesystem::path(name.toStdString());
    }();
    return path;
}

void BM_JpegDecodedWhole(benchmark::State& state) {
    const std::filesystem::path& path = photoFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadPicture(path).image);
    }
}
BENCHMARK(BM_JpegDecodedWhole)->Unit(benchmark::kMillisecond);

void BM_JpegDecodedIntoFrame(benchmark::State& state) {
    const std::filesystem::path& path = photoFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadPicture(path, [](QSize) { return kChart; }).loaded.image);
    }
}
BENCHMARK(BM_JpegDecodedIntoFrame)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
