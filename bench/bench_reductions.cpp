// Speed of the seven colour reductions over a 4000 x 3000 picture with
// photo-like content: smooth gradients, soft shapes and sensor-like noise.
#include "imaging/ClsDIB.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <functional>
#include <random>
#include <span>

namespace {

using tessaline::ClsDIB;

const ClsDIB& photo() {
    static const ClsDIB picture = [] {
        constexpr int kWidth = 4000, kHeight = 3000;
        ClsDIB dib;
        dib.Create(kWidth, kHeight, 24, true);
        std::span<std::uint8_t> bytes;
        const int stride = dib.MapArray(bytes);
        std::mt19937 random(7);
        std::normal_distribution<double> noise(0.0, 6.0);
        for (int m = 0; m < kHeight; ++m) {
            std::uint8_t* row = bytes.data() + static_cast<std::ptrdiff_t>(m) * stride;
            for (int x = 0; x < kWidth; ++x) {
                const double u = x / double{kWidth}, v = m / double{kHeight};
                const double blob = std::exp(-((u - 0.6) * (u - 0.6) + (v - 0.4) * (v - 0.4)) * 12);
                const double channels[3] = {60 + 120 * v + 60 * blob, 40 + 150 * u * v + 50 * blob,
                                            90 + 100 * (1 - u) + 40 * std::sin(9 * u + 5 * v)};
                for (int c = 0; c < 3; ++c) {
                    const double value = std::round(channels[c] + noise(random));
                    row[3 * x + c] = static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
                }
            }
        }
        ClsDIB::UnMapArray(bytes);
        return dib;
    }();
    return picture;
}

void runReduction(benchmark::State& state,
                  const std::function<bool(ClsDIB&, const ClsDIB&)>& reduce) {
    const ClsDIB& source = photo();
    ClsDIB target;
    for (auto _ : state) {
        bool ok = reduce(target, source);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(target.DataPtr());
    }
    state.SetItemsProcessed(state.iterations() * source.Width() * source.Height());
}

void BM_ddGet1Bit(benchmark::State& s) {
    runReduction(s, [](ClsDIB& t, const ClsDIB& src) { return t.ddGet1Bit(src); });
}
void BM_ddGet2Bit(benchmark::State& s) {
    runReduction(s, [](ClsDIB& t, const ClsDIB& src) { return t.ddGet2Bit(src); });
}
void BM_ddGet3Bit(benchmark::State& s) {
    runReduction(s, [](ClsDIB& t, const ClsDIB& src) { return t.ddGet3Bit(src, true); });
}
void BM_ddGet4Bit(benchmark::State& s) {
    runReduction(s, [](ClsDIB& t, const ClsDIB& src) { return t.ddGet4Bit(src); });
}
void BM_ddGet8Bit(benchmark::State& s) {
    runReduction(s, [](ClsDIB& t, const ClsDIB& src) { return t.ddGet8Bit(src, true); });
}
void BM_ddGet216C(benchmark::State& s) {
    runReduction(s, [](ClsDIB& t, const ClsDIB& src) { return t.ddGet216C(src, true); });
}
void BM_ddGet16Bit(benchmark::State& s) {
    runReduction(s, [](ClsDIB& t, const ClsDIB& src) { return t.ddGet16Bit(src, true); });
}

BENCHMARK(BM_ddGet1Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ddGet2Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ddGet3Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ddGet4Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ddGet8Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ddGet216C)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ddGet16Bit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
