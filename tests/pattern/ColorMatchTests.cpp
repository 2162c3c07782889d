// CIELAB, CIEDE2000 and the nearest-thread search under either matching.
#include "pattern/ColorMatch.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

struct ReferencePair {
    Lab first;
    Lab second;
    double difference;
};

// The 34 test pairs published with the CIEDE2000 implementation notes by
// Sharma, Wu and Dalal (2005), including the hue-angle wrap-arounds
// (pairs 9 to 15) that a careless mean hue gets wrong.
const ReferencePair kPairs[] = {
    {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
    {{50, 3.1571, -77.2803}, {50, 0, -82.7485}, 2.8615},
    {{50, 2.8361, -74.0200}, {50, 0, -82.7485}, 3.4412},
    {{50, -1.3802, -84.2814}, {50, 0, -82.7485}, 1.0000},
    {{50, -1.1848, -84.8006}, {50, 0, -82.7485}, 1.0000},
    {{50, -0.9009, -85.5211}, {50, 0, -82.7485}, 1.0000},
    {{50, 0, 0}, {50, -1, 2}, 2.3669},
    {{50, -1, 2}, {50, 0, 0}, 2.3669},
    {{50, 2.4900, -0.0010}, {50, -2.4900, 0.0009}, 7.1792},
    {{50, 2.4900, -0.0010}, {50, -2.4900, 0.0010}, 7.1792},
    {{50, 2.4900, -0.0010}, {50, -2.4900, 0.0011}, 7.2195},
    {{50, 2.4900, -0.0010}, {50, -2.4900, 0.0012}, 7.2195},
    {{50, -0.0010, 2.4900}, {50, 0.0009, -2.4900}, 4.8045},
    {{50, -0.0010, 2.4900}, {50, 0.0010, -2.4900}, 4.8045},
    {{50, -0.0010, 2.4900}, {50, 0.0011, -2.4900}, 4.7461},
    {{50, 2.5, 0}, {50, 0, -2.5}, 4.3065},
    {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
    {{50, 2.5, 0}, {61, -5, 29}, 22.8977},
    {{50, 2.5, 0}, {56, -27, -3}, 31.9030},
    {{50, 2.5, 0}, {58, 24, 15}, 19.4535},
    {{50, 2.5, 0}, {50, 3.1736, 0.5854}, 1.0000},
    {{50, 2.5, 0}, {50, 3.2972, 0}, 1.0000},
    {{50, 2.5, 0}, {50, 1.8634, 0.5757}, 1.0000},
    {{50, 2.5, 0}, {50, 3.2592, 0.3350}, 1.0000},
    {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
    {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
    {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
    {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
    {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
    {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
    {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
    {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
    {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
    {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
};

TEST(ColorMatchDeltaE2000, PublishedReferencePairsBothWays) {
    int pair = 0;
    for (const ReferencePair& p : kPairs) {
        ++pair;
        EXPECT_NEAR(deltaE2000(p.first, p.second), p.difference, 5e-5) << "pair " << pair;
        EXPECT_NEAR(deltaE2000(p.second, p.first), p.difference, 5e-5) << "pair " << pair;
    }
    EXPECT_EQ(deltaE2000({50, 0, 0}, {50, 0, 0}), 0.0);
}

// The search passes threads over on this bound, so it must never exceed the
// difference itself: on the published pairs (blue ones, where the rotation
// term is strongest, among them) and on every thread against a spread of
// colours, neutral and near ones included.
TEST(ColorMatchDeltaE2000, BoundNeverExceedsTheDifference) {
    auto expectBelow = [](const Lab& x, const Lab& y) {
        const double bound = deltaE2000BoundSquared(deltaE2000LightnessBound(x.L, y.L), x, y,
                                                    std::hypot(x.a, x.b) + std::hypot(y.a, y.b));
        const double d = deltaE2000(x, y);
        ASSERT_LE(bound, d * d * (1 + 1e-12) + 1e-12)
            << x.L << " " << x.a << " " << x.b << " / " << y.L << " " << y.a << " " << y.b;
    };
    for (const ReferencePair& p : kPairs) {
        expectBelow(p.first, p.second);
        expectBelow(p.second, p.first);
    }
    const ThreadPalette& dmc = dmcPalette();
    for (int p = 1; p <= kDmcThreadCount; ++p) {
        const Lab thread = toLab(dmc[static_cast<std::size_t>(p)].color);
        for (int r = 0; r < 256; r += 51) {
            for (int g = 0; g < 256; g += 51) {
                for (int b = 0; b < 256; b += 51) {
                    expectBelow(thread, toLab(rgb(r, g, b)));
                }
            }
        }
        expectBelow(thread, {thread.L + 0.5, thread.a - 1, thread.b + 1});
    }
    // It is worth having: far colours of one lightness are told apart.
    const Lab red = toLab(rgb(200, 40, 40));
    const Lab green = toLab(rgb(40, 160, 40));
    EXPECT_GT(deltaE2000BoundSquared(0, red, green,
                                     std::hypot(red.a, red.b) + std::hypot(green.a, green.b)),
              100);
}

TEST(ColorMatchLab, KnownSrgbColours) {
    auto expectLab = [](Color color, double L, double a, double b) {
        const Lab lab = toLab(color);
        EXPECT_NEAR(lab.L, L, 0.01) << std::hex << color;
        EXPECT_NEAR(lab.a, a, 0.01) << std::hex << color;
        EXPECT_NEAR(lab.b, b, 0.01) << std::hex << color;
    };
    expectLab(kWhite, 100, 0, 0);
    expectLab(rgb(0, 0, 0), 0, 0, 0);
    expectLab(rgb(255, 0, 0), 53.24, 80.09, 67.20);
    expectLab(rgb(0, 0, 255), 32.30, 79.19, -107.86);
    expectLab(rgb(128, 128, 128), 53.59, 0, 0);
}

TEST(ColorMatchNearestThread, BothMatchingsEqualAnExhaustiveSearch) {
    const ThreadPalette& dmc = dmcPalette();
    const ThreadMatcher byRgb(dmc, ColorMatch::Rgb);
    const ThreadMatcher byLab(dmc, ColorMatch::Lab);
    const std::vector<int> few{421, 7, 393, 150, 260};
    const ThreadMatcher byLabFew(dmc, ColorMatch::Lab, few);
    auto exhaustive = [&](Color color, const std::vector<int>& positions) {
        const Lab lab = toLab(color);
        int best = 0;
        double bestDistance = 0;
        for (int p : positions) {
            const double d = deltaE2000(lab, toLab(dmc[static_cast<std::size_t>(p)].color));
            if (best == 0 || d < bestDistance || (d == bestDistance && p < best)) {
                best = p;
                bestDistance = d;
            }
        }
        return best;
    };
    std::vector<int> all;
    for (int p = 1; p <= kDmcThreadCount; ++p) {
        all.push_back(p);
    }
    int differ = 0;
    for (int r = 0; r < 256; r += 17) {
        for (int g = 3; g < 256; g += 21) {
            for (int b = 7; b < 256; b += 25) {
                const Color c = rgb(r, g, b);
                ASSERT_EQ(byRgb.nearest(c), nearestThread(dmc, c)) << std::hex << c;
                ASSERT_EQ(nearestThread(dmc, c, ColorMatch::Rgb), nearestThread(dmc, c));
                const int lab = byLab.nearest(c);
                ASSERT_EQ(lab, exhaustive(c, all)) << std::hex << c;
                ASSERT_EQ(nearestThread(dmc, c, ColorMatch::Lab), lab);
                ASSERT_EQ(byLabFew.nearest(c), exhaustive(c, few)) << std::hex << c;
                differ += lab != nearestThread(dmc, c) ? 1 : 0;
            }
        }
    }
    // The two matchings really are different searches.
    EXPECT_GT(differ, 100);
    // Palette colours are their own nearest thread under both.
    for (int p = 1; p <= kDmcThreadCount; ++p) {
        ASSERT_EQ(byLab.nearest(dmc[static_cast<std::size_t>(p)].color), p);
    }
}

} // namespace
} // namespace tessaline
