#pragma once
// Arithmetic helpers of the colour reductions: rounding halves to even,
// the luminance weights, and the per-row threshold lookup.
#include "imaging/DitherTables.h"

#include <array>
#include <cstdint>

namespace tessaline::dither {

// Nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2), as the
// default floating-point rounding mode does it. Adding and removing 2^52
// (2^23 for float) makes the hardware round away the fraction, which keeps
// the helper inline; it holds for magnitudes below 2^51 (2^22).
inline double nearestEven(double v) {
    constexpr double kShift = 4503599627370496.0; // 2^52
    return v >= 0 ? (v + kShift) - kShift : (v - kShift) + kShift;
}

inline float nearestEven(float v) {
    constexpr float kShift = 8388608.0f; // 2^23
    return v >= 0 ? (v + kShift) - kShift : (v - kShift) + kShift;
}

// Luminance Y = 0.299 red + 0.587 green + 0.114 blue in double precision.
// The products come from tables (identical to multiplying in place), which
// also keeps the compiler from fusing them into a differently rounded
// multiply-add.
class Luminance {
  public:
    Luminance() {
        for (int c = 0; c < 256; ++c) {
            red_[c] = 0.299 * c;
            green_[c] = 0.587 * c;
            blue_[c] = 0.114 * c;
        }
    }
    double operator()(std::uint8_t blue, std::uint8_t green, std::uint8_t red) const {
        return red_[red] + green_[green] + blue_[blue];
    }

  private:
    std::array<double, 256> red_{}, green_{}, blue_{};
};

// Thresholds of one image row y for the sixteen values of x And 15. Green
// always reads the matrix straight (k0 = x + 16 y); with rotation blue reads
// it as kB = 16 x + 15 - y and red as kR = 16 (15 - x) + y, so the three
// channels dither in different orientations.
struct RowThresholds {
    std::array<std::uint8_t, 16> blue, green, red;
};

inline RowThresholds rowThresholds(int y, bool rotate) {
    const auto& matrix = ditherMatrix();
    const int yy = y & 15;
    RowThresholds t{};
    for (int xx = 0; xx < 16; ++xx) {
        const std::uint8_t straight = matrix[static_cast<std::size_t>(xx + 16 * yy)];
        t.green[xx] = straight;
        t.blue[xx] = rotate ? matrix[static_cast<std::size_t>(16 * xx + 15 - yy)] : straight;
        t.red[xx] = rotate ? matrix[static_cast<std::size_t>(16 * (15 - xx) + yy)] : straight;
    }
    return t;
}

// One channel quantised per channel value c: the output is low, plus step
// when the threshold T is below raiseBelow. Built from "raise when f > T" by
// counting the thresholds 0 ... 255 that pass, so the per-pixel work is one
// table read and an integer comparison whatever precision f had. The three
// fields share one word so that a pixel costs one read per channel.
class ChannelQuantizer {
  public:
    void set(int c, int low, int step, int raiseBelow) {
        entries_[static_cast<std::size_t>(c)] = static_cast<std::uint32_t>(
            (low & 0xFF) | ((step & 0xFF) << 8) | ((raiseBelow & 0x1FF) << 16));
    }

    int operator()(std::uint8_t c, std::uint8_t threshold) const {
        const std::uint32_t e = entries_[c];
        const int raised = threshold < (e >> 16) ? static_cast<int>((e >> 8) & 0xFF) : 0;
        return static_cast<int>(e & 0xFF) + raised;
    }

    template <class Real> static int thresholdsBelow(Real f) {
        int count = 0;
        for (int t = 0; t < 256; ++t) {
            count += f > static_cast<Real>(t) ? 1 : 0;
        }
        return count;
    }

  private:
    std::array<std::uint32_t, 256> entries_{};
};

} // namespace tessaline::dither
