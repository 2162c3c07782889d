#include "pattern/StitchCleanup.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <queue>
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
    auto labOfColor = [&](Color color) -> const Lab& {
        auto found = cellLabs.find(color);
        if (found == cellLabs.end()) {
            found = cellLabs.emplace(color, toLab(color)).first;
        }
        return found->second;
    };
    // What a lone stitch is judged against: its own colour; but in a
    // dithered pattern, where most of its neighbours are lone too and its
    // colour lies far from theirs (single cells that stand for the colour of
    // their surroundings), the mean colour of the stitched cells around it.
    const bool dithered = loneStitchShare(colorIndexMatrix, width, height) > kDitheredLoneShare;
    std::vector<Color> judgedColor(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Color& judged = judgedColor[static_cast<std::size_t>(y * width + x)];
            judged = patternMatrix(x, y);
            if (!dithered || !isThread(colorIndexMatrix(x, y)) ||
                !isLoneStitch(colorIndexMatrix, width, height, x, y)) {
                continue;
            }
            int neighbours = 0;
            int lone = 0;
            for (const auto& [dx, dy] : kNeighbours) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < width && ny < height &&
                    isThread(colorIndexMatrix(nx, ny))) {
                    ++neighbours;
                    lone += isLoneStitch(colorIndexMatrix, width, height, nx, ny) ? 1 : 0;
                }
            }
            if (neighbours == 0 || 2 * lone <= neighbours) {
                continue;
            }
            int sum[3] = {0, 0, 0};
            int n = 0;
            for (int sy = std::max(0, y - 1); sy <= std::min(height - 1, y + 1); ++sy) {
                for (int sx = std::max(0, x - 1); sx <= std::min(width - 1, x + 1); ++sx) {
                    if (isThread(colorIndexMatrix(sx, sy))) {
                        const Color c = patternMatrix(sx, sy);
                        sum[0] += getRed(c);
                        sum[1] += getGreen(c);
                        sum[2] += getBlue(c);
                        ++n;
                    }
                }
            }
            const Color mean =
                rgb((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n);
            if (deltaE2000(labOfColor(judged), labOfColor(mean)) > kLoneStitchTolerance) {
                judged = mean;
            }
        }
    }
    auto labOf = [&](int x, int y) -> const Lab& {
        return labOfColor(judgedColor[static_cast<std::size_t>(y * width + x)]);
    };
    // The cheapest neighbour's thread for a lone cell and what it costs
    // beyond the cell's own thread; none beyond the tolerance.
    struct Move {
        double cost = 0;
        int cell = 0;
        int thread = 0;
        bool operator>(const Move& other) const {
            return cost != other.cost ? cost > other.cost : cell > other.cell;
        }
    };
    auto bestMove = [&](int x, int y) -> std::optional<Move> {
        const int own = colorIndexMatrix(x, y);
        if (!isThread(own) || !isLoneStitch(colorIndexMatrix, width, height, x, y)) {
            return std::nullopt;
        }
        const Lab& lab = labOf(x, y);
        const double ownLoss = deltaE2000(lab, threads.of(own));
        std::optional<Move> best;
        for (const auto& [dx, dy] : kNeighbours) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= width || ny >= height) {
                continue;
            }
            const int other = colorIndexMatrix(nx, ny);
            if (!isThread(other) || (best && other == best->thread)) {
                continue;
            }
            const double cost = deltaE2000(lab, threads.of(other)) - ownLoss;
            if (cost <= kLoneStitchTolerance &&
                (!best || cost < best->cost || (cost == best->cost && other < best->thread))) {
                best = Move{cost, y * width + x, other};
            }
        }
        return best;
    };
    std::priority_queue<Move, std::vector<Move>, std::greater<>> moves;
    int lone = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (isThread(colorIndexMatrix(x, y)) &&
                isLoneStitch(colorIndexMatrix, width, height, x, y)) {
                ++lone;
                if (const std::optional<Move> move = bestMove(x, y)) {
                    moves.push(*move);
                }
            }
        }
    }
    // Cheapest first: every move that costs next to nothing, then on until
    // three in five lone stitches are gone.
    const int goal = lone * 2 / 5;
    int changed = 0;
    while (!moves.empty()) {
        const Move popped = moves.top();
        moves.pop();
        const int x = popped.cell % width;
        const int y = popped.cell / width;
        const std::optional<Move> move = bestMove(x, y);
        if (!move) {
            continue;
        }
        if (move->cost > popped.cost || move->thread != popped.thread) {
            moves.push(*move);
            continue;
        }
        // Past the goal only what costs next to nothing against the cell's
        // own colour goes on.
        const std::size_t cell = static_cast<std::size_t>(popped.cell);
        if (lone <= goal &&
            (move->cost > kFreeLoneStitchCost || judgedColor[cell] != patternMatrix(x, y))) {
            if (move->cost > kFreeLoneStitchCost) {
                break;
            }
            continue;
        }
        colorIndexMatrix(x, y) = move->thread;
        ++changed;
        --lone;
        for (const auto& [dx, dy] : kNeighbours) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= width || ny >= height ||
                !isThread(colorIndexMatrix(nx, ny))) {
                continue;
            }
            // A neighbour of the same thread has a partner now; another
            // lone neighbour may join the cell's new thread.
            if (colorIndexMatrix(nx, ny) == move->thread) {
                int partners = 0;
                for (const auto& [ex, ey] : kNeighbours) {
                    const int mx = nx + ex;
                    const int my = ny + ey;
                    partners += mx >= 0 && my >= 0 && mx < width && my < height &&
                                        colorIndexMatrix(mx, my) == move->thread
                                    ? 1
                                    : 0;
                }
                lone -= partners == 1 ? 1 : 0;
            } else if (const std::optional<Move> next = bestMove(nx, ny)) {
                moves.push(*next);
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
