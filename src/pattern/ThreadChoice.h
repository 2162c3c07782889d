#pragma once
// Choosing a few threads for a picture: the picture's colours are clustered
// in CIELAB and each cluster is given the palette thread that represents it
// best, so that a pattern can be asked for in "at most N threads".
#include "pattern/ColorMatch.h"
#include "pattern/ThreadPalette.h"

#include <functional>
#include <span>
#include <vector>

namespace tessaline {

// The fewest and most threads a limit may ask for.
inline constexpr int kMinThreadLimit = 2;
inline constexpr int kMaxThreadLimit = kDmcThreadCount;

// A distinct colour of the picture and how many cells have it.
struct WeightedColor {
    Color color = 0;
    int count = 0;
};

// At most `limit` distinct palette positions (1..423), in ascending order,
// chosen to represent `colors` best: the colours are split into `limit`
// groups in CIELAB (largest squared error first, at the best cut), the groups
// refined by k-means, and then refined against the palette so that every
// group's thread is the one nearest its mean, until the choice settles.
// Deterministic; fewer threads only when the colours need fewer.
// `candidate`, when given, says which palette positions may be chosen at
// all (the thread limit leaves specialty threads out this way).
using ThreadCandidates = std::function<bool(int position)>;
std::vector<int> chooseThreads(std::span<const WeightedColor> colors, int limit,
                               const ThreadPalette& dmc, const ThreadCandidates& candidate = {});

// Where the colours stand in the picture: `cells` holds, row by row, each
// cell's position in the colours (-1 for a cell left bare).
struct ColorLayout {
    int width = 0;
    int height = 0;
    std::vector<int> cells;
};

// The same under a matching. ColorMatch::Lab, where cells take their thread
// by CIEDE2000, chooses by CIEDE2000 too: when the colours' own nearest
// threads fit the limit those are the choice; otherwise several choices are
// weighed: the choice above and k-means choices from other starts, each as
// it is and refitted (each group's thread becoming the one with the least
// summed CIEDE2000 over its colours), places left free going to the threads
// of the worst-served colours, so the limit is used where the colours need
// it. The least summed CIEDE2000 wins; given the `layout`, the least mean
// CIEDE2000 close up and seen from a distance (both blurred by one cell)
// together, and where the colours are few enough to judge cell by cell the
// winner then swaps single threads while that lowers the judgement.
// `threadOfColor`, when given, receives each colour's thread of
// the choice, its nearest by CIEDE2000 (left empty under other matchings).
std::vector<int> chooseThreads(std::span<const WeightedColor> colors, int limit,
                               const ThreadPalette& dmc, ColorMatch match,
                               const ThreadCandidates& candidate = {},
                               const ColorLayout* layout = nullptr,
                               std::vector<int>* threadOfColor = nullptr);

// The palette positions `candidate` allows, for a ThreadMatcher; empty (every
// thread) when there is no candidate rule.
std::vector<int> candidateThreads(const ThreadCandidates& candidate);

} // namespace tessaline
