#include "pattern/StitchCleanup.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

namespace tessaline {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

bool isThread(int index) {
    return index >= 1 && index <= kMaxPatternColors;
}

int clampSide(int side) {
    return std::clamp(side, 0, kMaxPatternSide);
}

// CIELAB of each cell value's thread, worked out when first asked.
class ThreadLabs {
  public:
    explicit ThreadLabs(const ColorList& colors) : colors_(colors) {}
    const Lab& of(int index) {
        std::optional<Lab>& lab = labs_[at(index)];
        if (!lab) {
            lab = toLab(colors_[at(index)]);
        }
        return *lab;
    }

  private:
    const ColorList& colors_;
    std::array<std::optional<Lab>, kMaxPatternColors + 1> labs_{};
};

constexpr std::array<std::array<int, 2>, 4> kNeighbours{{{0, -1}, {-1, 0}, {1, 0}, {0, 1}}};

} // namespace

bool isLoneStitch(const CellMatrix& colorIndexMatrix, int width, int height, int x, int y) {
    const int index = colorIndexMatrix(x, y);
    if (index == kUnstitchedIndex) {
        return false;
    }
    for (const auto& [dx, dy] : kNeighbours) {
        const int nx = x + dx;
        const int ny = y + dy;
        if (nx >= 0 && ny >= 0 && nx < width && ny < height && colorIndexMatrix(nx, ny) == index) {
            return false;
        }
    }
    return true;
}

double loneStitchShare(const CellMatrix& colorIndexMatrix, int width, int height) {
    width = clampSide(width);
    height = clampSide(height);
    int stitched = 0;
    int lone = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (colorIndexMatrix(x, y) != kUnstitchedIndex) {
                ++stitched;
                lone += isLoneStitch(colorIndexMatrix, width, height, x, y) ? 1 : 0;
            }
        }
    }
    return stitched == 0 ? 0.0 : static_cast<double>(lone) / stitched;
}

int cleanUpLoneStitches(CellMatrix& colorIndexMatrix, const CellMatrix& patternMatrix, int width,
                        int height, const ColorList& indexColors) {
    width = clampSide(width);
    height = clampSide(height);
    ThreadLabs threads(indexColors);
    std::unordered_map<Color, Lab> cellLabs;
    int changed = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int own = colorIndexMatrix(x, y);
            if (!isThread(own) || !isLoneStitch(colorIndexMatrix, width, height, x, y)) {
                continue;
            }
            const Color color = patternMatrix(x, y);
            auto found = cellLabs.find(color);
            if (found == cellLabs.end()) {
                found = cellLabs.emplace(color, toLab(color)).first;
            }
            const Lab& lab = found->second;
            const double ownLoss = deltaE2000(lab, threads.of(own));
            int best = own;
            double bestLoss = ownLoss + kLoneStitchTolerance;
            for (const auto& [dx, dy] : kNeighbours) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= width || ny >= height) {
                    continue;
                }
                const int other = colorIndexMatrix(nx, ny);
                if (!isThread(other) || other == best) {
                    continue;
                }
                const double loss = deltaE2000(lab, threads.of(other));
                if (loss < bestLoss || (loss == bestLoss && best != own && other < best)) {
                    best = other;
                    bestLoss = loss;
                }
            }
            if (best != own) {
                colorIndexMatrix(x, y) = best;
                ++changed;
            }
        }
    }
    return changed;
}

int mergeRareThreads(CellMatrix& colorIndexMatrix, int width, int height, int minStitches,
                     const ColorList& indexColors) {
    width = clampSide(width);
    height = clampSide(height);
    std::array<int, kMaxPatternColors + 1> counts{};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = colorIndexMatrix(x, y);
            if (isThread(index)) {
                ++counts[at(index)];
            }
        }
    }
    std::vector<int> kept;
    std::vector<int> rare;
    int mostUsed = 0;
    for (int index = 1; index <= kMaxPatternColors; ++index) {
        if (counts[at(index)] == 0) {
            continue;
        }
        (counts[at(index)] >= minStitches ? kept : rare).push_back(index);
        if (mostUsed == 0 || counts[at(index)] > counts[at(mostUsed)]) {
            mostUsed = index;
        }
    }
    if (rare.empty()) {
        return 0;
    }
    if (kept.empty()) {
        kept.push_back(mostUsed);
        rare.erase(std::find(rare.begin(), rare.end(), mostUsed));
    }
    ThreadLabs threads(indexColors);
    std::array<int, kMaxPatternColors + 1> joins{};
    for (int index = 1; index <= kMaxPatternColors; ++index) {
        joins[at(index)] = index;
    }
    for (int index : rare) {
        int best = kept.front();
        double bestDistance = deltaE2000(threads.of(index), threads.of(best));
        for (int other : kept) {
            const double d = deltaE2000(threads.of(index), threads.of(other));
            if (d < bestDistance) {
                best = other;
                bestDistance = d;
            }
        }
        joins[at(index)] = best;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int& index = colorIndexMatrix(x, y);
            if (isThread(index)) {
                index = joins[at(index)];
            }
        }
    }
    return static_cast<int>(rare.size());
}

ColorList indexColorsOf(ThreadCategory category, const ColorList& colorList,
                        const ThreadPalette& dmc) {
    ColorList colors{};
    colors.fill(kWhite);
    for (int index = 1; index <= kMaxPatternColors; ++index) {
        if (category != ThreadCategory::Dmc) {
            colors[at(index)] = colorList[at(index)];
        } else if (index <= kDmcThreadCount) {
            colors[at(index)] = dmc[at(index)].color;
        }
    }
    return colors;
}

int renumberThreads(CellMatrix& colorIndexMatrix, int width, int height, ThreadCategory category,
                    ColorList& colorList) {
    width = clampSide(width);
    height = clampSide(height);
    const bool dmc = category == ThreadCategory::Dmc;
    std::array<int, kMaxPatternColors + 1> renamed{};
    ColorList list{};
    std::fill(list.begin() + 1, list.end(), kWhite);
    int count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int& index = colorIndexMatrix(x, y);
            if (!isThread(index)) {
                continue;
            }
            if (renamed[at(index)] == 0) {
                ++count;
                renamed[at(index)] = dmc ? index : count;
                list[at(count)] = dmc ? index : colorList[at(index)];
            }
            index = renamed[at(index)];
        }
    }
    list[0] = colorList[0];
    colorList = list;
    return count;
}

} // namespace tessaline
