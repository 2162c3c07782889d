#include "pattern/ColorIndex.h"

#include "pattern/DmcNames.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace tessaline {

namespace {

int clampSide(int side) {
    return std::clamp(side, 0, kMaxPatternSide);
}

bool validPosition(int position) {
    return position >= 1 && position <= kMaxPatternColors;
}

std::size_t at(int position) {
    return static_cast<std::size_t>(position);
}

// Which cells are left unstitched, row by row; empty when none is.
using UnstitchedCells = std::vector<char>;

UnstitchedCells findUnstitchedCells(const CellMatrix& patternMatrix, int width, int height,
                                    const GenerationSettings& settings) {
    UnstitchedCells cells;
    const Lab fabric = toLab(settings.fabricColor);
    std::unordered_map<Color, bool> near;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Color color = patternMatrix(x, y);
            bool unstitched = color == kClearCell;
            if (!unstitched && settings.unstitchedBackground) {
                auto found = near.find(color);
                if (found == near.end()) {
                    found = near.emplace(color, deltaE2000(toLab(color), fabric) <=
                                                    *settings.unstitchedBackground)
                                .first;
                }
                unstitched = found->second;
            }
            if (unstitched) {
                if (cells.empty()) {
                    cells.assign(static_cast<std::size_t>(width) * height, 0);
                }
                cells[static_cast<std::size_t>(y) * width + x] = 1;
            }
        }
    }
    return cells;
}

bool isUnstitched(const UnstitchedCells& cells, int width, int x, int y) {
    return !cells.empty() && cells[static_cast<std::size_t>(y) * width + x] != 0;
}

// Steps shared by both categories: the distinct colours in order of first
// appearance go to colorList(1..n), each cell gets its colour's position.
GenerationStatus collectColors(const CellMatrix& patternMatrix, int width, int height,
                               const UnstitchedCells& unstitched, ColorList& colorList,
                               CellMatrix& colorIndexMatrix, const GenerationProgress& progress,
                               int& count) {
    // The list is searched through a map from colour to position; the
    // result equals a linear search of colorList(1..n).
    std::unordered_map<Color, int> positions;
    positions.reserve(2 * kMaxPatternColors);
    count = 0;
    const int total = width * height;
    int done = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (isUnstitched(unstitched, width, x, y)) {
                colorIndexMatrix(x, y) = kUnstitchedIndex;
                if (!progress.report(++done, total)) {
                    return GenerationStatus::Aborted;
                }
                continue;
            }
            const Color color = patternMatrix(x, y);
            auto found = positions.find(color);
            if (found == positions.end()) {
                if (count == kMaxPatternColors) {
                    return GenerationStatus::TooManyColors;
                }
                ++count;
                colorList[at(count)] = color;
                found = positions.emplace(color, count).first;
            }
            colorIndexMatrix(x, y) = found->second;
            if (!progress.report(++done, total)) {
                return GenerationStatus::Aborted;
            }
        }
    }
    return GenerationStatus::Done;
}

// The thread-limit road's collection: every distinct colour with its cell
// count, in order of first appearance, and each cell's colour position.
GenerationStatus collectAllColors(const CellMatrix& patternMatrix, int width, int height,
                                  const UnstitchedCells& unstitched,
                                  std::vector<WeightedColor>& colors, CellMatrix& colorIndexMatrix,
                                  const GenerationProgress& progress) {
    std::unordered_map<Color, int> positions;
    const int total = width * height;
    int done = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (isUnstitched(unstitched, width, x, y)) {
                colorIndexMatrix(x, y) = kUnstitchedIndex;
                if (!progress.report(++done, total)) {
                    return GenerationStatus::Aborted;
                }
                continue;
            }
            const Color color = patternMatrix(x, y);
            auto found = positions.find(color);
            if (found == positions.end()) {
                colors.push_back({color, 0});
                found = positions.emplace(color, static_cast<int>(colors.size())).first;
            }
            ++colors[at(found->second - 1)].count;
            colorIndexMatrix(x, y) = found->second;
            if (!progress.report(++done, total)) {
                return GenerationStatus::Aborted;
            }
        }
    }
    return GenerationStatus::Done;
}

// Fills colorList(1..) with the distinct threads of `threadOf` in list order
// and gives every cell its colour's thread; the count of threads, or -1 when
// aborted.
int assignThreads(const std::vector<int>& threadOf, int width, int height, ColorList& colorList,
                  CellMatrix& colorIndexMatrix, const GenerationProgress& progress) {
    std::array<bool, kMaxPatternColors + 1> seen{};
    int threads = 0;
    ColorList distinct{};
    for (int thread : threadOf) {
        if (!seen[at(thread)]) {
            seen[at(thread)] = true;
            distinct[at(++threads)] = thread;
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = colorIndexMatrix(x, y);
            if (index != kUnstitchedIndex) {
                colorIndexMatrix(x, y) = threadOf[at(index - 1)];
            }
        }
        if (!progress.report(y + 1, height)) {
            return -1;
        }
    }
    std::copy(distinct.begin() + 1, distinct.begin() + 1 + threads, colorList.begin() + 1);
    return threads;
}

ColorIndexOutcome makeLimitedColorIndex(const CellMatrix& patternMatrix, int width, int height,
                                        const UnstitchedCells& unstitched,
                                        const GenerationSettings& settings,
                                        const ThreadPalette& dmc, ColorList& colorList,
                                        CellMatrix& colorIndexMatrix,
                                        const GenerationProgress& progress) {
    ColorIndexOutcome outcome;
    std::vector<WeightedColor> colors;
    outcome.status = collectAllColors(patternMatrix, width, height, unstitched, colors,
                                      colorIndexMatrix, progress);
    if (outcome.status != GenerationStatus::Done) {
        return outcome;
    }
    // Specialty threads (metallics) stitch unlike cotton: never an ordinary
    // colour's thread unless allowed.
    ThreadCandidates candidate;
    if (!settings.allowSpecialty) {
        candidate = [&dmc](int position) {
            return !specialtyThread(dmc[static_cast<std::size_t>(position)].cindex);
        };
    }
    ColorLayout layout;
    if (settings.match == ColorMatch::Lab) {
        layout.width = width;
        layout.height = height;
        layout.cells.reserve(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                layout.cells.push_back(colorIndexMatrix(x, y) - 1);
            }
        }
    }
    // By CIEDE2000 the choice hands back every colour's thread.
    std::vector<int> threadOf;
    const std::vector<int> chosen = chooseThreads(colors, settings.threadLimit, dmc, settings.match,
                                                  candidate, &layout, &threadOf);
    if (threadOf.size() != colors.size()) {
        const ThreadMatcher matcher(dmc, settings.match, chosen);
        threadOf.clear();
        threadOf.reserve(colors.size());
        for (const WeightedColor& wc : colors) {
            threadOf.push_back(matcher.nearest(wc.color));
        }
    }
    const int threads =
        assignThreads(threadOf, width, height, colorList, colorIndexMatrix, progress);
    if (threads < 0) {
        outcome.status = GenerationStatus::Aborted;
        return outcome;
    }
    outcome.maxColor = threads;
    outcome.threadCount = threads;
    return outcome;
}

} // namespace

void mergeCloseThreads(ColorList& list, int count, int limit, const ThreadPalette& dmc) {
    count = std::clamp(count, 0, kMaxPatternColors);
    std::array<bool, kMaxPatternColors + 1> merged{};
    for (int i = 1; i <= count - 1; ++i) {
        if (merged[at(i)] || !validPosition(list[at(i)])) {
            continue;
        }
        const Color base = dmc[at(list[at(i)])].color;
        const int r = getRed(base);
        const int g = getGreen(base);
        const int b = getBlue(base);
        // Later entries only, merged ones included: an entry already taken
        // by an earlier thread is compared with that thread's colour and
        // may be taken over again.
        for (int j = i + 1; j <= count; ++j) {
            if (!validPosition(list[at(j)])) {
                continue;
            }
            const Color other = dmc[at(list[at(j)])].color;
            const int dr = getRed(other) - r;
            const int dg = getGreen(other) - g;
            const int db = getBlue(other) - b;
            if (dr * dr + dg * dg + db * db <= limit) {
                list[at(j)] = list[at(i)];
                merged[at(j)] = true;
            }
        }
    }
}

ColorIndexOutcome makeColorIndex(const CellMatrix& patternMatrix, int width, int height,
                                 const GenerationSettings& settings, const ThreadPalette& dmc,
                                 ColorList& colorList, CellMatrix& colorIndexMatrix,
                                 const GenerationProgress& progress) {
    width = clampSide(width);
    height = clampSide(height);
    std::fill(colorList.begin() + 1, colorList.end(), kWhite);
    progress.enter(GenerationPhase::CreatingColorIndex);
    const UnstitchedCells unstitched = findUnstitchedCells(patternMatrix, width, height, settings);
    if (settings.category == ThreadCategory::Dmc && settings.threadLimit > 0) {
        return makeLimitedColorIndex(patternMatrix, width, height, unstitched, settings, dmc,
                                     colorList, colorIndexMatrix, progress);
    }

    ColorIndexOutcome outcome;
    int colors = 0;
    outcome.status = collectColors(patternMatrix, width, height, unstitched, colorList,
                                   colorIndexMatrix, progress, colors);
    outcome.maxColor = colors;
    if (outcome.status != GenerationStatus::Done) {
        return outcome;
    }
    if (settings.category != ThreadCategory::Dmc) {
        // "CC": the pattern's own colours are the threads.
        outcome.threadCount = colors;
        return outcome;
    }

    // From here on the list holds palette positions, one per colour.
    if (settings.match == ColorMatch::Rgb) {
        for (int b = 1; b <= colors; ++b) {
            colorList[at(b)] = nearestThread(dmc, colorList[at(b)]);
        }
    } else {
        const ThreadMatcher matcher(dmc, settings.match);
        for (int b = 1; b <= colors; ++b) {
            colorList[at(b)] = matcher.nearest(colorList[at(b)]);
        }
    }
    mergeCloseThreads(colorList, colors, settings.reduceStrength, dmc);

    // Distinct threads in list order, which is the order of first appearance.
    std::array<int, kMaxPatternColors + 1> distinct{};
    std::array<bool, kMaxPatternColors + 1> seen{};
    int threads = 0;
    for (int f = 1; f <= colors; ++f) {
        const int thread = colorList[at(f)];
        if (!seen[at(thread)]) {
            seen[at(thread)] = true;
            distinct[at(++threads)] = thread;
        }
    }

    // Every cell's colour position becomes its thread's palette position.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = colorIndexMatrix(x, y);
            if (index != kUnstitchedIndex) {
                colorIndexMatrix(x, y) = colorList[at(index)];
            }
        }
        if (!progress.report(y + 1, height)) {
            outcome.status = GenerationStatus::Aborted;
            return outcome;
        }
    }

    std::copy(distinct.begin() + 1, distinct.begin() + 1 + threads, colorList.begin() + 1);
    outcome.maxColor = threads;
    outcome.threadCount = threads;
    return outcome;
}

} // namespace tessaline
