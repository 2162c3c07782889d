#include "render/Stretch.h"

#include <algorithm>

namespace tessaline {

namespace {

constexpr int kWeightBits = 14;
constexpr int kWholeWeight = 1 << kWeightBits;

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
}

void HalftoneShrink::addRow(const std::uint32_t* row) {
    if (nextSource_ >= from_.height()) {
        return;
    }
    std::uint32_t* out =
        &across_[static_cast<std::size_t>(nextSource_ % ringRows_) * columns_.size() * 3];
    // The pixels between a span's ends share one weight: their channels are
    // summed first and weighted once, which gives the same integers as
    // weighting each. Red and blue are summed side by side in 16-bit halves,
    // green beside the unused alpha, at most 256 pixels at a time.
    for (const Span& span : columns_) {
        const std::uint32_t* pixel = row + span.first;
        std::uint32_t red = 0;
        std::uint32_t green = 0;
        std::uint32_t blue = 0;
        for (int i = 1; i <= span.middle;) {
            const int end = std::min(span.middle, i + 255);
            std::uint32_t redBlue = 0;
            std::uint32_t alphaGreen = 0;
            for (; i <= end; ++i) {
                redBlue += pixel[i] & 0x00FF00FFu;
                alphaGreen += pixel[i] >> 8 & 0x00FF00FFu;
            }
            red += redBlue >> 16;
            green += alphaGreen & 0xFFFFu;
            blue += redBlue & 0xFFFFu;
        }
        const std::uint32_t first = pixel[0];
        const std::uint32_t last = pixel[span.middle + 1];
        const auto firstWeight = static_cast<std::uint32_t>(span.firstWeight);
        const auto middleWeight = static_cast<std::uint32_t>(span.middleWeight);
        const auto lastWeight = static_cast<std::uint32_t>(span.lastWeight);
        auto weighted = [&](int shift, std::uint32_t middle) {
            return ((first >> shift & 0xFFu) * firstWeight + middle * middleWeight +
                    (last >> shift & 0xFFu) * lastWeight) >>
                   4;
        };
        *out++ = weighted(16, red);
        *out++ = weighted(8, green);
        *out++ = weighted(0, blue);
    }
    while (nextTarget_ < static_cast<int>(rows_.size()) &&
           rows_[static_cast<std::size_t>(nextTarget_)].last() <= nextSource_) {
        emitRow(nextTarget_++);
    }
    ++nextSource_;
}

void HalftoneShrink::emitRow(int y) {
    const Span& span = rows_[static_cast<std::size_t>(y)];
    const std::size_t width = columns_.size();
    auto* out = reinterpret_cast<std::uint32_t*>(target_.scanLine(y));
    auto rowAt = [&](int source) {
        return &across_[static_cast<std::size_t>(source % ringRows_) * width * 3];
    };
    for (std::size_t x = 0; x < width; ++x) {
        std::uint32_t sum[3] = {};
        auto add = [&](int source, int weight) {
            const std::uint32_t* values = rowAt(source) + x * 3;
            for (int c = 0; c < 3; ++c) {
                sum[c] += values[c] * static_cast<std::uint32_t>(weight);
            }
        };
        add(span.first, span.firstWeight);
        for (int i = 1; i <= span.middle; ++i) {
            add(span.first + i, span.middleWeight);
        }
        add(span.last(), span.lastWeight);
        out[x] = 0xFF000000u | (sum[0] >> 24) << 16 | (sum[1] >> 24) << 8 | sum[2] >> 24;
    }
}

} // namespace tessaline
