#pragma once
// How far a choice of threads lies from the picture seen from a distance.
#include "pattern/ColorMatch.h"
#include "pattern/ThreadChoice.h"

#include <algorithm>
#include <span>
#include <unordered_map>
#include <vector>

namespace tessaline::choice {

// How far a choice lies from the picture seen from a distance: the mean
// CIEDE2000 between picture and pattern, both blurred by one cell (3 x 3
// box), on every cell or on every second, third... in both directions.
class DistantLook {
  public:
    // Judged on about `judged` cells at most, every cell when 0.
    DistantLook(const ColorLayout& layout, std::span<const WeightedColor> colors, int judged)
        : layout_(layout) {
        const int cells = layout.width * layout.height;
        while (judged > 0 && cells / (step_ * step_) > judged) {
            ++step_;
        }
        std::vector<Color> picture(static_cast<std::size_t>(cells), kWhite);
        for (std::size_t i = 0; i < picture.size(); ++i) {
            const int c = layout.cells[i];
            if (c >= 0) {
                picture[i] = colors[static_cast<std::size_t>(c)].color;
            }
        }
        forEachJudged(
            [&](int x, int y) { pictureLabs_.push_back(toLab(blurredAt(picture, x, y))); });
    }

    // What one judgement keeps from choice to choice (one for each judgement
    // running at a time): the blurred pattern colours seen, in CIELAB, and
    // each judged cell's last blurred colour with its difference, which a
    // choice much like the last one mostly repeats.
    struct Memory {
        std::unordered_map<Color, Lab> labs;
        const DistantLook* look = nullptr; // whose cells the last ones are
        std::vector<Color> lastBlurred;
        std::vector<double> lastDifference;
        std::vector<Color> pattern; // the cells' thread colours, room kept
    };

    // `threadColorOf(c)` gives colour c's thread colour.
    template <typename ThreadColorOf>
    double mean(const ThreadColorOf& threadColorOf, Memory& memory) const {
        std::vector<Color>& pattern = memory.pattern;
        pattern.resize(layout_.cells.size());
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const int c = layout_.cells[i];
            pattern[i] = c >= 0 ? threadColorOf(c) : kWhite;
        }
        if (memory.look != this) {
            memory.look = this;
            memory.lastBlurred.assign(pictureLabs_.size(), kNoColor);
            memory.lastDifference.assign(pictureLabs_.size(), 0.0);
        }
        double total = 0;
        std::size_t k = 0;
        forEachJudged([&](int x, int y) {
            const Color blurred = blurredAt(pattern, x, y);
            if (blurred != memory.lastBlurred[k]) {
                auto found = memory.labs.find(blurred);
                if (found == memory.labs.end()) {
                    found = memory.labs.emplace(blurred, toLab(blurred)).first;
                }
                memory.lastBlurred[k] = blurred;
                memory.lastDifference[k] = deltaE2000(pictureLabs_[k], found->second);
            }
            total += memory.lastDifference[k++];
        });
        return k == 0 ? 0.0 : total / static_cast<double>(k);
    }

  private:
    template <typename Visit> void forEachJudged(const Visit& visit) const {
        for (int y = 0; y < layout_.height; y += step_) {
            for (int x = 0; x < layout_.width; x += step_) {
                visit(x, y);
            }
        }
    }
    Color blurredAt(const std::vector<Color>& cells, int x, int y) const {
        int sum[3] = {0, 0, 0};
        int n = 0;
        for (int sy = std::max(0, y - 1); sy <= std::min(layout_.height - 1, y + 1); ++sy) {
            for (int sx = std::max(0, x - 1); sx <= std::min(layout_.width - 1, x + 1); ++sx) {
                const Color c = cells[static_cast<std::size_t>(sy * layout_.width + sx)];
                sum[0] += getRed(c);
                sum[1] += getGreen(c);
                sum[2] += getBlue(c);
                ++n;
            }
        }
        return rgb((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n);
    }

    static constexpr Color kNoColor = -1; // no blurred colour is this

    const ColorLayout& layout_;
    int step_ = 1;
    std::vector<Lab> pictureLabs_;
};

} // namespace tessaline::choice
