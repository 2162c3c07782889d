// Every reduction against a plain per-pixel evaluation of its formulas on a
// noisy picture, so the precomputed per-channel tables of the fast path are
// checked value by value, at all sixteen threshold positions.
#include "DibProbe.h"
#include "imaging/ClsDIB.h"
#include "imaging/DitherTables.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tessaline {
namespace {

struct Thresholds {
    int blue, green, red;
};

Thresholds thresholdsAt(int x, int y, bool rotate) {
    const auto& m = ditherMatrix();
    const int xx = x & 15, yy = y & 15;
    const int k0 = xx + 16 * yy, kB = 16 * xx + 15 - yy, kR = 16 * (15 - xx) + yy;
    return rotate ? Thresholds{m[kB], m[k0], m[kR]} : Thresholds{m[k0], m[k0], m[k0]};
}

double luminance(int r, int g, int b) {
    return 0.299 * r + 0.587 * g + 0.114 * b;
}

int greyLevel(int r, int g, int b, int t, int step, int top) {
    const auto y = static_cast<float>(luminance(r, g, b));
    const int level = static_cast<int>(std::nearbyint(y)) / step;
    if (level == top) {
        return level;
    }
    const float f = (y - static_cast<float>(step * level)) * 256.0f / static_cast<float>(step);
    return f > static_cast<float>(t) ? level + 1 : level;
}

int byDivisor(int c, int t, int divisor, int top) {
    if (c == 255) {
        return top;
    }
    const double f = (c % divisor) * 256.0 / divisor;
    return c / divisor + (f > t ? 1 : 0);
}

int byRealStep(int c, int t, double step, int top) {
    if (c == 255) {
        return top;
    }
    const int level = static_cast<int>(std::floor(c / step));
    const double f = (c - level * step) * 256.0 / step;
    return f > t ? level + 1 : level;
}

int requantised(int c, int t, double step) {
    if (c == 255) {
        return 255;
    }
    return static_cast<int>(std::nearbyint(byRealStep(c, t, step, 0) * step));
}

ClsDIB noisyPicture(int width, int height) {
    ClsDIB dib = test::solid(width, height, 0);
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < dib.DataSize(); ++i) {
        const int v = byte(random);
        // Plenty of the extremes, which take their own paths.
        dib.DataPtr()[i] = static_cast<std::uint8_t>(v < 20 ? 255 : v < 30 ? 0 : v);
    }
    return dib;
}

TEST(ReductionReference, EveryModeMatchesItsFormulas) {
    ClsDIB src = noisyPicture(37, 35);
    const double step8 = 36.42857f, step5 = 8.225806f, step6 = 4.047619f;
    for (bool rotate : {false, true}) {
        ClsDIB one, two, three, four, eight, cube, full;
        ASSERT_TRUE(one.ddGet1Bit(src));
        ASSERT_TRUE(two.ddGet2Bit(src));
        ASSERT_TRUE(three.ddGet3Bit(src, rotate));
        ASSERT_TRUE(four.ddGet4Bit(src));
        ASSERT_TRUE(eight.ddGet8Bit(src, rotate));
        ASSERT_TRUE(cube.ddGet216C(src, rotate));
        ASSERT_TRUE(full.ddGet16Bit(src, rotate));
        for (int y = 0; y < src.Height(); ++y) {
            for (int x = 0; x < src.Width(); ++x) {
                const Color c = test::pixel24(src, x, y);
                const int r = getRed(c), g = getGreen(c), b = getBlue(c);
                const Thresholds t = thresholdsAt(x, y, rotate);
                const int t0 = thresholdsAt(x, y, false).green;
                SCOPED_TRACE(testing::Message() << "x " << x << " y " << y << " rotate " << rotate);
                ASSERT_EQ(test::index(one, x, y), t0 < std::nearbyint(luminance(r, g, b)) ? 1 : 0);
                ASSERT_EQ(test::index(two, x, y), greyLevel(r, g, b, t0, 85, 3));
                ASSERT_EQ(test::index(four, x, y), greyLevel(r, g, b, t0, 17, 15));
                ASSERT_EQ(test::index(three, x, y), 4 * ((b * 256) / 255 > t.blue) +
                                                        2 * ((g * 256) / 255 > t.green) +
                                                        ((r * 256) / 255 > t.red));
                ASSERT_EQ(test::index(cube, x, y), 36 * byDivisor(b, t.blue, 51, 5) +
                                                       6 * byDivisor(g, t.green, 51, 5) +
                                                       byDivisor(r, t.red, 51, 5));
                ASSERT_EQ(test::index(eight, x, y), 32 * byRealStep(b, t.blue, step8, 7) +
                                                        4 * byRealStep(g, t.green, step8, 7) +
                                                        byDivisor(r, t.red, 85, 3));
                ASSERT_EQ(test::pixel24(full, x, y),
                          rgb(requantised(r, t.red, step5), requantised(g, t.green, step6),
                              requantised(b, t.blue, step5)));
            }
        }
    }
}

} // namespace
} // namespace tessaline
