#include "render/Stretch.h"

#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TESSALINE_STRETCH_SSE2
#endif

namespace tessaline {

namespace {

constexpr int kWeightBits = 14;
constexpr int kWholeWeight = 1 << kWeightBits;

struct ChannelSums {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
};

// Each channel summed over `count` RGB32 pixels. The sums are taken in
// 16-bit lanes, at most 256 pixels at a time so that no lane overflows:
// with SSE2 four pixels a step (a short end is read as the last four pixels
// with the ones already counted masked off), elsewhere two channels to a
// 32-bit word.
ChannelSums sumChannels(const std::uint32_t* pixel, int count) {
    constexpr int kLaneRun = 256;
    ChannelSums sums;
#if defined(TESSALINE_STRETCH_SSE2)
    if (count >= 4) {
        const __m128i zero = _mm_setzero_si128();
        // Blue, green, red and alpha of two pixels side by side, added in.
        auto addFour = [&zero](__m128i lanes, __m128i four) {
            return _mm_add_epi16(
                lanes, _mm_add_epi16(_mm_unpacklo_epi8(four, zero), _mm_unpackhi_epi8(four, zero)));
        };
        auto collect = [&sums](__m128i lanes) {
            lanes = _mm_add_epi16(lanes, _mm_srli_si128(lanes, 8));
            std::uint64_t channels = 0;
            _mm_storel_epi64(reinterpret_cast<__m128i*>(&channels), lanes);
            sums.blue += static_cast<std::uint32_t>(channels & 0xFFFFu);
            sums.green += static_cast<std::uint32_t>(channels >> 16 & 0xFFFFu);
            sums.red += static_cast<std::uint32_t>(channels >> 32 & 0xFFFFu);
        };
        int i = 0;
        __m128i lanes = zero;
        for (; count - i >= 4; i += 4) {
            if (i % kLaneRun == 0 && i > 0) {
                collect(lanes);
                lanes = zero;
            }
            lanes = addFour(lanes, _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixel + i)));
        }
        collect(lanes);
        if (const int left = count - i; left > 0) {
            static const std::uint32_t kLastOnes[4][4] = {
                {0, 0, 0, 0}, {0, 0, 0, ~0u}, {0, 0, ~0u, ~0u}, {0, ~0u, ~0u, ~0u}};
            const __m128i four =
                _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixel + count - 4)),
                              _mm_loadu_si128(reinterpret_cast<const __m128i*>(kLastOnes[left])));
            collect(addFour(zero, four));
        }
        return sums;
    }
#endif
    for (int i = 0; i < count;) {
        const int end = std::min(count, i + kLaneRun);
        std::uint32_t redBlue = 0;
        std::uint32_t alphaGreen = 0;
        for (; i < end; ++i) {
            redBlue += pixel[i] & 0x00FF00FFu;
            alphaGreen += pixel[i] >> 8 & 0x00FF00FFu;
        }
        sums.red += redBlue >> 16;
        sums.green += alphaGreen & 0xFFFFu;
        sums.blue += redBlue & 0xFFFFu;
    }
    return sums;
}

} // namespace

// Positions step by from/to in 16.16 fixed point; each span starts at the
// integer part, its first weight covers what is left of that pixel, the
// others a whole pixel's share, and the last what remains of the 1 << 14.
std::vector<HalftoneShrink::Span> HalftoneShrink::spans(int from, int to) {
    std::vector<Span> result(static_cast<std::size_t>(to));
    const std::int64_t step = (static_cast<std::int64_t>(from) << 16) / to;
    const int share =
        static_cast<int>(((static_cast<std::int64_t>(to) << kWeightBits) + from - 1) / from);
    std::int64_t position = 0;
    for (Span& span : result) {
        span.first = static_cast<int>(position >> 16);
        span.firstWeight = static_cast<int>(((0x10000 - (position & 0xFFFF)) * share) >> 16);
        span.middleWeight = share;
        span.middle = 0;
        int left = kWholeWeight - span.firstWeight;
        while (left > share) {
            left -= share;
            ++span.middle;
        }
        span.lastWeight = left;
        // Never past the picture's edge (the weights there are whole).
        span.middle = std::min(span.middle, from - 2 - span.first);
        position += step;
    }
    return result;
}

HalftoneShrink::HalftoneShrink(QSize from, QSize to)
    : from_(from), columns_(spans(from.width(), to.width())),
      rows_(spans(from.height(), to.height())), target_(to, QImage::Format_RGB32) {
    int longest = 0;
    for (const Span& span : rows_) {
        longest = std::max(longest, span.middle + 2);
    }
    ringRows_ = longest + 1;
    across_.assign(static_cast<std::size_t>(ringRows_) * columns_.size() * 3, 0);
    sums_.assign(columns_.size() * 3, 0);
}

void HalftoneShrink::addRow(const std::uint32_t* row) {
    if (nextSource_ >= from_.height()) {
        return;
    }
    std::uint32_t* out =
        &across_[static_cast<std::size_t>(nextSource_ % ringRows_) * columns_.size() * 3];
    // The pixels between a span's ends share one weight: their channels are
    // summed first and weighted once, which gives the same integers as
    // weighting each.
    for (const Span& span : columns_) {
        const std::uint32_t* pixel = row + span.first;
        const ChannelSums middle = sumChannels(pixel + 1, span.middle);
        const std::uint32_t first = pixel[0];
        const std::uint32_t last = pixel[span.middle + 1];
        const auto firstWeight = static_cast<std::uint32_t>(span.firstWeight);
        const auto middleWeight = static_cast<std::uint32_t>(span.middleWeight);
        const auto lastWeight = static_cast<std::uint32_t>(span.lastWeight);
        auto weighted = [&](int shift, std::uint32_t sum) {
            return ((first >> shift & 0xFFu) * firstWeight + sum * middleWeight +
                    (last >> shift & 0xFFu) * lastWeight) >>
                   4;
        };
        *out++ = weighted(16, middle.red);
        *out++ = weighted(8, middle.green);
        *out++ = weighted(0, middle.blue);
    }
    while (nextTarget_ < static_cast<int>(rows_.size()) &&
           rows_[static_cast<std::size_t>(nextTarget_)].last() <= nextSource_) {
        emitRow(nextTarget_++);
    }
    ++nextSource_;
}

void HalftoneShrink::emitRow(int y) {
    const Span& span = rows_[static_cast<std::size_t>(y)];
    const std::size_t values = columns_.size() * 3;
    // Unsigned sums wrap, so adding the weighted rows one whole row at a
    // time gives the same integers as adding them pixel by pixel.
    std::fill(sums_.begin(), sums_.end(), 0u);
    auto add = [&](int source, int weight) {
        const std::uint32_t* across =
            &across_[static_cast<std::size_t>(source % ringRows_) * values];
        const auto w = static_cast<std::uint32_t>(weight);
        for (std::size_t i = 0; i < values; ++i) {
            sums_[i] += across[i] * w;
        }
    };
    add(span.first, span.firstWeight);
    for (int i = 1; i <= span.middle; ++i) {
        add(span.first + i, span.middleWeight);
    }
    add(span.last(), span.lastWeight);
    auto* out = reinterpret_cast<std::uint32_t*>(target_.scanLine(y));
    for (std::size_t x = 0; x < columns_.size(); ++x) {
        const std::uint32_t* sum = &sums_[x * 3];
        out[x] = 0xFF000000u | (sum[0] >> 24) << 16 | (sum[1] >> 24) << 8 | sum[2] >> 24;
    }
}

} // namespace tessaline
