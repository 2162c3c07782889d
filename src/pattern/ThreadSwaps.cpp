#include "pattern/ThreadSwaps.h"

#include "app/ParallelWork.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

namespace tessaline::choice {

namespace {

// The incoming threads: the palette's threads nearest each chosen one, this
// many, and the own threads of this many worst-served points.
constexpr std::size_t kSwapNeighbours = 3;
constexpr std::size_t kSwapWorstServed = 8;

} // namespace

std::vector<Swap> bestSwaps(const std::vector<LabPoint>& points, const std::vector<int>& chosen,
                            const std::vector<int>& allowed, const PointDifferences& differences,
                            const Assignment& assigned, std::size_t count) {
    const ThreadPalette& dmc = differences.palette();
    struct Thread {
        int position = 0;
        Lab lab;
        double chroma = 0;
    };
    auto threadAt = [&](int position) {
        const Lab lab = toLab(dmc[static_cast<std::size_t>(position)].color);
        return Thread{position, lab, std::sqrt(lab.a * lab.a + lab.b * lab.b)};
    };
    std::vector<Thread> kept;
    std::vector<int> keptAt(static_cast<std::size_t>(kDmcThreadCount) + 1, -1);
    for (int position : chosen) {
        keptAt[static_cast<std::size_t>(position)] = static_cast<int>(kept.size());
        kept.push_back(threadAt(position));
    }
    if (kept.size() < 2) {
        return {}; // a lone thread leaves its points no second one to go to
    }
    // Could `thread` lie nearer than `bound` to point i?
    auto mayBeNearer = [&](std::size_t i, const Thread& thread, double bound) {
        const Lab& lab = points[i].lab;
        const double lightness = deltaE2000LightnessBound(lab.L, thread.lab.L);
        return lightness < bound &&
               deltaE2000BoundSquared(lightness, lab, thread.lab,
                                      std::sqrt(lab.a * lab.a + lab.b * lab.b) + thread.chroma) <
                   bound * bound;
    };
    // Each point's nearest and second-nearest differences, and what giving
    // up each chosen thread costs its points.
    const std::size_t n = points.size();
    std::vector<double> nearest(n);
    std::vector<double> second(n);
    std::vector<double> removal(kept.size(), 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const auto k =
            static_cast<std::size_t>(keptAt[static_cast<std::size_t>(assigned.owner[i])]);
        nearest[i] = differences(i, kept[k].position, kept[k].lab);
        second[i] = std::numeric_limits<double>::infinity();
        for (const Thread& other : kept) {
            if (other.position != kept[k].position && mayBeNearer(i, other, second[i])) {
                second[i] = std::min(second[i], differences(i, other.position, other.lab));
            }
        }
        removal[k] += points[i].weight * (second[i] - nearest[i]);
    }
    // The incoming candidates: the threads nearest each chosen one in CIELAB ...
    std::vector<int> incoming;
    auto consider = [&](int position) {
        if (keptAt[static_cast<std::size_t>(position)] < 0 &&
            std::find(incoming.begin(), incoming.end(), position) == incoming.end()) {
            incoming.push_back(position);
        }
    };
    std::vector<Thread> palette;
    for (int position = 1; position <= kDmcThreadCount; ++position) {
        if (allowed.empty() || std::binary_search(allowed.begin(), allowed.end(), position)) {
            palette.push_back(threadAt(position));
        }
    }
    for (const Thread& k : kept) {
        std::vector<std::pair<double, int>> near;
        for (const Thread& t : palette) {
            if (keptAt[static_cast<std::size_t>(t.position)] < 0) {
                const double dL = t.lab.L - k.lab.L;
                const double da = t.lab.a - k.lab.a;
                const double db = t.lab.b - k.lab.b;
                near.emplace_back(dL * dL + da * da + db * db, t.position);
            }
        }
        const auto few = std::min<std::size_t>(kSwapNeighbours, near.size());
        std::partial_sort(near.begin(), near.begin() + static_cast<std::ptrdiff_t>(few),
                          near.end());
        for (std::size_t j = 0; j < few; ++j) {
            consider(near[j].second);
        }
    }
    // ... and kSwapWorstServed more: the own threads of the worst-served
    // points.
    std::vector<int> widened = chosen;
    widened.insert(widened.end(), incoming.begin(), incoming.end());
    std::sort(widened.begin(), widened.end());
    addWorstServedThreads(points, assigned.loss,
                          static_cast<int>(widened.size() + kSwapWorstServed), widened);
    for (int position : widened) {
        consider(position);
    }
    // Each swap's change: what the incoming thread gains everywhere, plus
    // what the outgoing one's points lose, less what the incoming one gives
    // them back.
    std::vector<Swap> swaps;
    std::vector<double> regained(kept.size());
    for (int position : incoming) {
        const Thread in = threadAt(position);
        double gain = 0;
        std::fill(regained.begin(), regained.end(), 0.0);
        for (std::size_t i = 0; i < n; ++i) {
            if (!mayBeNearer(i, in, second[i])) {
                continue;
            }
            const double d = differences(i, in.position, in.lab);
            if (d < nearest[i]) {
                gain += points[i].weight * (nearest[i] - d);
            }
            if (d < second[i]) {
                const auto k =
                    static_cast<std::size_t>(keptAt[static_cast<std::size_t>(assigned.owner[i])]);
                regained[k] += points[i].weight * (second[i] - std::max(d, nearest[i]));
            }
        }
        for (std::size_t k = 0; k < kept.size(); ++k) {
            const double change = removal[k] - regained[k] - gain;
            if (change < 0) {
                swaps.push_back({change, kept[k].position, position});
            }
        }
    }
    const auto few = std::min(count, swaps.size());
    std::partial_sort(swaps.begin(), swaps.begin() + static_cast<std::ptrdiff_t>(few), swaps.end(),
                      [](const Swap& x, const Swap& y) {
                          return std::tie(x.change, x.out, x.in) < std::tie(y.change, y.out, y.in);
                      });
    swaps.resize(few);
    return swaps;
}

std::vector<int>
polishedBySwaps(std::vector<int> chosen, double score, std::vector<int>& threadOfColor,
                const std::vector<LabPoint>& points, const std::vector<int>& allowed,
                const PointDifferences& differences, const CellJudge& judge, std::size_t perRound,
                int rounds, std::vector<DistantLook::Memory>& memories) {
    for (int round = 0; round < rounds; ++round) {
        Assignment assigned;
        assigned.total = assignByLab(points, chosen, differences, assigned.owner, assigned.loss);
        const std::vector<Swap> swaps =
            bestSwaps(points, chosen, allowed, differences, assigned, perRound);
        std::vector<std::pair<double, std::vector<int>>> tried(swaps.size());
        std::vector<std::vector<int>> threadsOfTried(swaps.size());
        forEachInParallel(swaps.size(), [&](std::size_t j, std::size_t worker) {
            std::vector<int> trial = chosen;
            trial.erase(std::find(trial.begin(), trial.end(), swaps[j].out));
            trial.insert(std::lower_bound(trial.begin(), trial.end(), swaps[j].in), swaps[j].in);
            tried[j] = {judge(trial, threadsOfTried[j], memories[worker]), std::move(trial)};
        });
        const auto better = std::min_element(tried.begin(), tried.end());
        if (better == tried.end() || better->first >= score) {
            break;
        }
        score = better->first;
        chosen = std::move(better->second);
        threadOfColor = std::move(threadsOfTried[static_cast<std::size_t>(better - tried.begin())]);
    }
    return chosen;
}

} // namespace tessaline::choice
