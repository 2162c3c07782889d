#pragma once
// The full-size patterns the generation benchmarks start from.
#include "app/Xiubas.h"

#include <cmath>
#include <memory>

namespace tessaline::bench {

constexpr int kWidth = 230;
constexpr int kHeight = 250;

// Smooth gradients with a little deterministic grain, reduced to the
// 6 x 6 x 6 cube (levels 0, 51, ..., 255) as the 216-colour reduction does,
// or kept at full colour (tens of thousands of colours, as "不做减色处理"
// leaves a photograph).
inline std::unique_ptr<CellMatrix> photoLikeMatrix(bool fullColor = false) {
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
            auto level = [fullColor](double v) {
                const int clamped = static_cast<int>(std::lround(std::fmin(std::fmax(v, 0), 255)));
                return fullColor ? clamped : (clamped + 25) / 51 * 51;
            };
            (*matrix)(x, y) = rgb(level(r), level(g), level(b));
        }
    }
    return matrix;
}

// The worst case the workspace allows: 500 colours spread over the RGB cube,
// every one used about 115 times.
inline std::unique_ptr<CellMatrix> fiveHundredColorMatrix() {
    auto matrix = std::make_unique<CellMatrix>();
    matrix->fill(kWhite);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int k = (y * kWidth + x) * 7 % 500;
            (*matrix)(x, y) = rgb(k % 8 * 36, k / 8 % 8 * 36, k / 64 * 32);
        }
    }
    return matrix;
}

} // namespace tessaline::bench
