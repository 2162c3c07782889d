#pragma once
// Improving a choice of threads by single swaps: one chosen thread given up
// for another where the colours gain by it.
#include "pattern/CellJudge.h"
#include "pattern/PointDifferences.h"

#include <cstddef>
#include <vector>

namespace tessaline::choice {

// One chosen thread given up for another, and how much that changes the
// points' summed difference.
struct Swap {
    double change = 0;
    int out = 0;
    int in = 0;
};

// The single swaps that lower the points' summed difference most, best
// first, at most `count`: each chosen thread against the threads nearest a
// chosen one in CIELAB and the own threads of the worst-served points.
// Only threads `allowed` come in (any when it is empty). `assigned` holds
// the points' threads under `chosen`. With each point's
// nearest and second-nearest chosen thread known, a swap's change is a sum
// over the points near the incoming thread only, and the rest are passed over
// by the difference's lower bound.
std::vector<Swap> bestSwaps(const std::vector<LabPoint>& points, const std::vector<int>& chosen,
                            const std::vector<int>& allowed, const PointDifferences& differences,
                            const Assignment& assigned, std::size_t count);

// `chosen` improved by single swaps while `judge`'s judgement falls: each
// round the `perRound` best swaps of bestSwaps are judged, on several cores,
// and the best taken, for at most `rounds` rounds. `score` is `chosen`'s
// judgement; `threadOfColor` holds its colours' threads on entry and the
// result's on return. `memories` holds a judgement's working space for each
// core.
std::vector<int>
polishedBySwaps(std::vector<int> chosen, double score, std::vector<int>& threadOfColor,
                const std::vector<LabPoint>& points, const std::vector<int>& allowed,
                const PointDifferences& differences, const CellJudge& judge, std::size_t perRound,
                int rounds, std::vector<DistantLook::Memory>& memories);

} // namespace tessaline::choice
