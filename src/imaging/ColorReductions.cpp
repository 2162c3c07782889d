// The seven ordered-dither reductions of ClsDIB. Each one reads the 24-bit
// source once, row by row (memory row m is image row H - 1 - m, the buffer
// being bottom-up), compares each value against the 16 x 16 threshold
// matrix and packs the result at the target's depth.
#include "imaging/ClsDIB.h"
#include "imaging/DitherArithmetic.h"

#include <cmath>
#include <concepts>
#include <span>
#include <utility>
#include <vector>

namespace tessaline {

namespace {

using dither::ChannelQuantizer;
using dither::nearestEven;
using dither::RowThresholds;

// The output of one pixel, from its blue, green and red bytes and the
// thresholds of its position.
template <class F>
concept PixelRule = requires(const F& f, std::uint8_t c, const RowThresholds& t, int x) {
    { f(c, c, c, t, x) } -> std::convertible_to<int>;
};

// Runs a pixel rule over the source and writes the target at outBits: one
// bit or one nibble per pixel (left pixel in the high bits, a partly filled
// byte stored at the end of the row), one byte, or three bytes (the rule
// then returns blue | green << 8 | red << 16).
template <int OutBits, PixelRule Rule>
void ditherPass(const ClsDIB& source, ClsDIB& target, bool rotate, const Rule& sharedRule) {
    // A local copy of the rule's tables: the compiler then knows that the
    // byte stores below cannot change them and keeps them out of the loop.
    const Rule rule = sharedRule;
    std::span<const std::uint8_t> src;
    std::span<std::uint8_t> dst;
    const std::size_t srcStride = static_cast<std::size_t>(source.MapArray(src));
    const std::size_t dstStride = static_cast<std::size_t>(target.MapArray(dst));
    const int width = source.Width();
    const int height = source.Height();
    const auto& masks = bitMask();

    for (int m = 0; m < height; ++m) {
        const RowThresholds thresholds = dither::rowThresholds(height - 1 - m, rotate);
        const std::uint8_t* in = src.data() + m * srcStride;
        std::uint8_t* out = dst.data() + m * dstStride;
        int pending = 0;
        for (int x = 0; x < width; ++x, in += 3) {
            const int value = rule(in[0], in[1], in[2], thresholds, x & 15);
            if constexpr (OutBits == 1) {
                pending |= value != 0 ? masks[static_cast<std::size_t>(x & 7)] : 0;
                if ((x & 7) == 7) {
                    out[x >> 3] = static_cast<std::uint8_t>(pending);
                    pending = 0;
                }
            } else if constexpr (OutBits == 4) {
                if ((x & 1) == 0) {
                    pending = value << 4;
                } else {
                    out[x >> 1] = static_cast<std::uint8_t>(pending | value);
                }
            } else if constexpr (OutBits == 8) {
                out[x] = static_cast<std::uint8_t>(value);
            } else {
                static_assert(OutBits == 24);
                out[3 * x] = static_cast<std::uint8_t>(value);
                out[3 * x + 1] = static_cast<std::uint8_t>(value >> 8);
                out[3 * x + 2] = static_cast<std::uint8_t>(value >> 16);
            }
        }
        if constexpr (OutBits == 1) {
            if ((width & 7) != 0) {
                out[width >> 3] = static_cast<std::uint8_t>(pending);
            }
        } else if constexpr (OutBits == 4) {
            if ((width & 1) != 0) {
                out[width >> 1] = static_cast<std::uint8_t>(pending);
            }
        }
    }
    ClsDIB::UnMapArray(src);
    ClsDIB::UnMapArray(dst);
}

// The shared frame: refuse a source that is not 24-bit, build the result in
// a fresh buffer (so the source may even be the target itself), fill its
// colour table, run the pass, and only then replace the target.
template <int OutBits, PixelRule Rule>
bool reduce(const ClsDIB& source, ClsDIB& target, const std::vector<Color>& colorTable, bool rotate,
            const Rule& rule) {
    if (source.ColorBit() != 24) {
        return false;
    }
    ClsDIB result;
    if (!result.Create(source.Width(), source.Height(), OutBits, false)) {
        return false;
    }
    for (std::size_t i = 0; i < colorTable.size(); ++i) {
        result.SetColorTable(static_cast<std::int32_t>(i), colorTable[i]);
    }
    ditherPass<OutBits>(source, result, rotate, rule);
    target = std::move(result);
    return true;
}

// Grey levels 0, step, 2 step, ... as colour-table entries.
std::vector<Color> greyTable(int entries, int step) {
    std::vector<Color> table;
    for (int i = 0; i < entries; ++i) {
        table.push_back(rgb(step * i, step * i, step * i));
    }
    return table;
}

// ddGet2Bit and ddGet4Bit: luminance held in single precision, split into
// levels Step apart; the level below is raised when the fraction above it,
// scaled to 0 ... 256, exceeds the threshold. The top level stays.
template <int Step, int TopLevel> struct GreyLevelRule {
    dither::Luminance luminance;

    int operator()(std::uint8_t b, std::uint8_t g, std::uint8_t r, const RowThresholds& t,
                   int x) const {
        const auto y = static_cast<float>(luminance(b, g, r));
        const int level = static_cast<int>(nearestEven(y)) / Step;
        if (level == TopLevel) {
            return level;
        }
        // Where Y rounds up to a level, f is negative and nothing is raised.
        const float f = (y - static_cast<float>(Step * level)) * 256.0f / static_cast<float>(Step);
        return level + (f > static_cast<float>(t.green[x]) ? 1 : 0);
    }
};

// The steps are single-precision constants; the arithmetic around them is
// carried out in double precision.
constexpr float kStep8Bit = 36.42857f;  // 255 / 7, single precision
constexpr float kStep5Bits = 8.225806f; // 255 / 31
constexpr float kStep6Bits = 4.047619f; // 255 / 63

// Levels of c / step (Int), the top value handled first; output values are
// level * scale. Used by ddGet8Bit for blue and green.
ChannelQuantizer realStepQuantizer(double step, int topLevel, int scale) {
    ChannelQuantizer q;
    for (int c = 0; c < 255; ++c) {
        const int level = static_cast<int>(std::floor(c / step));
        const double f = (c - level * step) * 256.0 / step;
        q.set(c, level * scale, scale, ChannelQuantizer::thresholdsBelow(f));
    }
    q.set(255, topLevel * scale, 0, 0);
    return q;
}

// Levels of c \ divisor with f = (c Mod divisor) * 256 / divisor in double
// precision, the top value handled first. ddGet216C and ddGet8Bit's red.
ChannelQuantizer integerStepQuantizer(int divisor, int topLevel, int scale) {
    ChannelQuantizer q;
    for (int c = 0; c < 255; ++c) {
        const double f = (c % divisor) * 256.0 / divisor;
        q.set(c, (c / divisor) * scale, scale, ChannelQuantizer::thresholdsBelow(f));
    }
    q.set(255, topLevel * scale, 0, 0);
    return q;
}

// ddGet16Bit: the written byte is nearest(level * step); 255 stays 255.
ChannelQuantizer requantizer(double step) {
    ChannelQuantizer q;
    for (int c = 0; c < 255; ++c) {
        const int level = static_cast<int>(std::floor(c / step));
        const double f = (c - level * step) * 256.0 / step;
        const double lowValue = nearestEven(level * step);
        const double highValue = nearestEven((level + 1) * step);
        q.set(c, static_cast<int>(lowValue), static_cast<int>(highValue - lowValue),
              ChannelQuantizer::thresholdsBelow(f));
    }
    q.set(255, 255, 0, 0);
    return q;
}

// Three channels quantised independently and summed into one output.
struct ChannelSumRule {
    ChannelQuantizer blue, green, red;

    int operator()(std::uint8_t b, std::uint8_t g, std::uint8_t r, const RowThresholds& t,
                   int x) const {
        return blue(b, t.blue[x]) + green(g, t.green[x]) + red(r, t.red[x]);
    }
};

} // namespace

bool ClsDIB::ddGet1Bit(const ClsDIB& srcDIB) {
    const dither::Luminance luminance;
    const auto rule = [luminance](std::uint8_t b, std::uint8_t g, std::uint8_t r,
                                  const RowThresholds& t, int x) {
        // White where the threshold is below the rounded luminance.
        return static_cast<double>(t.green[x]) < nearestEven(luminance(b, g, r)) ? 1 : 0;
    };
    return reduce<1>(srcDIB, *this, {rgb(0, 0, 0), rgb(255, 255, 255)}, false, rule);
}

bool ClsDIB::ddGet2Bit(const ClsDIB& srcDIB) {
    return reduce<4>(srcDIB, *this, greyTable(4, 85), false, GreyLevelRule<85, 3>{});
}

bool ClsDIB::ddGet4Bit(const ClsDIB& srcDIB) {
    return reduce<4>(srcDIB, *this, greyTable(16, 17), false, GreyLevelRule<17, 15>{});
}

bool ClsDIB::ddGet3Bit(const ClsDIB& srcDIB, bool ddRotate) {
    // Index bits: 1 red, 2 green, 4 blue. A channel sets its bit when
    // (c * 256) \ 255, a value 0 ... 256, exceeds the threshold.
    std::vector<Color> table;
    for (int i = 0; i < 8; ++i) {
        table.push_back(rgb((i & 1) ? 255 : 0, (i & 2) ? 255 : 0, (i & 4) ? 255 : 0));
    }
    const auto bitQuantizer = [](int bit) {
        ChannelQuantizer q;
        for (int c = 0; c < 256; ++c) {
            q.set(c, 0, bit, ChannelQuantizer::thresholdsBelow((c * 256) / 255));
        }
        return q;
    };
    return reduce<4>(srcDIB, *this, table, ddRotate,
                     ChannelSumRule{bitQuantizer(4), bitQuantizer(2), bitQuantizer(1)});
}

bool ClsDIB::ddGet216C(const ClsDIB& srcDIB, bool ddRotate) {
    // Entry 36 b + 6 g + r holds blue 51 b, green 51 g, red 51 r.
    std::vector<Color> table;
    for (int b = 0; b < 6; ++b) {
        for (int g = 0; g < 6; ++g) {
            for (int r = 0; r < 6; ++r) {
                table.push_back(rgb(51 * r, 51 * g, 51 * b));
            }
        }
    }
    return reduce<8>(srcDIB, *this, table, ddRotate,
                     ChannelSumRule{integerStepQuantizer(51, 5, 36), integerStepQuantizer(51, 5, 6),
                                    integerStepQuantizer(51, 5, 1)});
}

bool ClsDIB::ddGet8Bit(const ClsDIB& srcDIB, bool ddRotate) {
    // Entry 32 b + 4 g + r: blue and green in eight steps of 36.42857,
    // red in four steps of 85.
    std::vector<Color> table;
    for (int b = 0; b < 8; ++b) {
        for (int g = 0; g < 8; ++g) {
            for (int r = 0; r < 4; ++r) {
                const auto blue = static_cast<int>(nearestEven(b * double{kStep8Bit}));
                const auto green = static_cast<int>(nearestEven(g * double{kStep8Bit}));
                table.push_back(rgb(85 * r, green, blue));
            }
        }
    }
    return reduce<8>(srcDIB, *this, table, ddRotate,
                     ChannelSumRule{realStepQuantizer(kStep8Bit, 7, 32),
                                    realStepQuantizer(kStep8Bit, 7, 4),
                                    integerStepQuantizer(85, 3, 1)});
}

bool ClsDIB::ddGet16Bit(const ClsDIB& srcDIB, bool ddRotate) {
    // The rule packs blue | green << 8 | red << 16.
    struct Rule {
        ChannelQuantizer blue = requantizer(kStep5Bits);
        ChannelQuantizer green = requantizer(kStep6Bits);
        ChannelQuantizer red = requantizer(kStep5Bits);
        int operator()(std::uint8_t b, std::uint8_t g, std::uint8_t r, const RowThresholds& t,
                       int x) const {
            return blue(b, t.blue[x]) | (green(g, t.green[x]) << 8) | (red(r, t.red[x]) << 16);
        }
    };
    return reduce<24>(srcDIB, *this, {}, ddRotate, Rule{});
}

} // namespace tessaline
