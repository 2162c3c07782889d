#include "pattern/ThreadChoice.h"

#include "app/ParallelWork.h"
#include "pattern/CellJudge.h"
#include "pattern/ColorClusters.h"
#include "pattern/ColorMatch.h"
#include "pattern/DistantLook.h"
#include "pattern/PointDifferences.h"
#include "pattern/ThreadSwaps.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <optional>

namespace tessaline {

namespace {

using namespace choice;

// Lloyd's rounds allowed to settle a k-means start, and the k-means++
// starts tried besides the median cut: about kSeedWork over the points, within
// kFewestSeeds..kMostSeeds.
constexpr int kSettleRounds = 40;
constexpr std::size_t kSeedWork = 48000;
constexpr std::size_t kFewestSeeds = 4;
constexpr std::size_t kMostSeeds = 16;
// The grouping the CIEDE2000 choice works on, one bit coarser where that
// leaves too many points.
constexpr int kRefitBits = 5;
constexpr std::size_t kMostRefitPoints = 6000;
// Above this many points the starts are weighed on a grouping of this many
// bits first, and this many of the best go on.
constexpr std::size_t kMostScreenedPoints = 1200;
constexpr int kScreenBits = kRefitBits - 1;
constexpr std::size_t kScreenedStarts = 4;
// The swaps tried on the winner: this many judged a round, for at most this
// many rounds.
constexpr std::size_t kSwapsJudged = 6;
constexpr int kSwapRounds = 4;
// The starts that are refitted by CIEDE2000, best first.
constexpr std::size_t kRefittedStarts = 2;
// The best choices judged again with every colour on its own thread.
constexpr std::size_t kJudgedExactly = 4;
// ... where the picture has at most this many colours.
constexpr std::size_t kJudgedColors = 20000;
// The cells a first judgement from a distance looks at, about, and the
// second one.
constexpr int kJudgedCells = 6000;
constexpr int kJudgedCloseCells = 20000;
// The cells the screening of the starts looks at from a distance, about.
constexpr int kScreenedCells = 3000;
// The fewest colours a core is given to find threads for among a few.
constexpr std::size_t kColorsPerRange = 2048;

// Each colour in CIELAB, worked out once for all the steps that need it.
std::vector<Lab> labsOf(std::span<const WeightedColor> colors) {
    std::vector<Lab> labs(colors.size());
    forRangesInParallel(colors.size(), kColorsPerRange, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            labs[i] = toLab(colors[i].color);
        }
    });
    return labs;
}

// The palette in CIELAB, for the refinement against it.
struct PaletteLab {
    std::vector<Centre> labs;  // index p - 1 for palette position p
    std::vector<bool> allowed; // the same, false for a thread never chosen

    PaletteLab(const ThreadPalette& dmc, const ThreadCandidates& candidate) {
        for (int p = 1; p <= kDmcThreadCount; ++p) {
            const Lab lab = toLab(dmc[static_cast<std::size_t>(p)].color);
            labs.push_back({lab.L, lab.a, lab.b});
            allowed.push_back(!candidate || candidate(p));
        }
    }
    // The thread nearest to a point in CIELAB; for a group's mean this is
    // also the thread with the least squared error over the whole group.
    int nearest(const Centre& c) const {
        int best = 1;
        double bestDistance = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < labs.size(); ++i) {
            if (!allowed[i]) {
                continue;
            }
            const double d = squaredDistance(c, labs[i]);
            if (d < bestDistance) {
                best = static_cast<int>(i) + 1;
                bestDistance = d;
            }
        }
        return best;
    }
    const Centre& of(int position) const { return labs[static_cast<std::size_t>(position - 1)]; }
};

std::vector<int> distinctSorted(std::vector<int> positions) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

// One round against the palette: points join their nearest chosen thread,
// each thread is replaced by the one nearest its members' mean, and free
// places go to the threads nearest the worst-served points.
// `error` receives the squared error of `chosen` itself.
std::vector<int> refineAgainstPalette(const std::vector<Point>& points,
                                      const std::vector<int>& chosen, int limit,
                                      const PaletteLab& palette, double& error) {
    std::vector<Centre> threadLabs;
    for (int p : chosen) {
        threadLabs.push_back(palette.of(p));
    }
    std::vector<Moments> members(chosen.size());
    std::vector<std::pair<double, std::size_t>> errors;
    errors.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::size_t k = nearestCentre(points[i], threadLabs);
        members[k].add(points[i]);
        errors.emplace_back(points[i].weight * squaredDistance(points[i].lab, threadLabs[k]), i);
    }
    error = 0;
    for (const auto& e : errors) {
        error += e.first;
    }
    std::vector<int> next;
    for (const Moments& m : members) {
        if (m.weight > 0) {
            next.push_back(palette.nearest(m.mean()));
        }
    }
    next = distinctSorted(std::move(next));
    std::sort(errors.begin(), errors.end(), std::greater<>());
    for (const auto& [pointError, i] : errors) {
        if (static_cast<int>(next.size()) >= limit || pointError <= 0) {
            break;
        }
        const int p = palette.nearest(points[i].lab);
        if (!std::binary_search(next.begin(), next.end(), p)) {
            next.insert(std::lower_bound(next.begin(), next.end(), p), p);
        }
    }
    return next;
}

// Each centre on its nearest thread by CIEDE2000.
std::vector<int> threadsOfCentres(const std::vector<Centre>& centres, const ThreadMatcher& whole) {
    std::vector<int> chosen;
    for (const Centre& c : centres) {
        chosen.push_back(whole.nearestByLab({c[0], c[1], c[2]}));
    }
    return distinctSorted(std::move(chosen));
}

// Rounds of refitting by CIEDE2000 from one choice; returns the best choice
// seen.
std::vector<int> refitRounds(const std::vector<LabPoint>& points, std::vector<int> chosen,
                             int limit, const PointDifferences& differences,
                             const ThreadMatcher& whole) {
    const ThreadPalette& dmc = differences.palette();
    std::vector<int> owner;
    std::vector<double> loss;
    std::vector<int> best = chosen;
    double bestLoss = assignByLab(points, chosen, differences, owner, loss);
    for (int round = 0; round < 6; ++round) {
        // Each group's candidates: its current thread, its members' own
        // nearest threads and the thread nearest its mean (k-means' pick);
        // the one with the least summed difference wins.
        std::vector<std::vector<std::size_t>> members(static_cast<std::size_t>(kDmcThreadCount) +
                                                      1);
        for (std::size_t i = 0; i < points.size(); ++i) {
            members[static_cast<std::size_t>(owner[i])].push_back(i);
        }
        std::vector<int> next;
        for (int thread : chosen) {
            const std::vector<std::size_t>& group = members[static_cast<std::size_t>(thread)];
            if (group.empty()) {
                continue;
            }
            std::vector<int> candidates{thread};
            Lab mean;
            double weight = 0;
            for (std::size_t i : group) {
                candidates.push_back(points[i].own);
                mean.L += points[i].weight * points[i].lab.L;
                mean.a += points[i].weight * points[i].lab.a;
                mean.b += points[i].weight * points[i].lab.b;
                weight += points[i].weight;
            }
            candidates.push_back(
                whole.nearestByLab({mean.L / weight, mean.a / weight, mean.b / weight}));
            candidates = distinctSorted(std::move(candidates));
            int pick = thread;
            double pickLoss = std::numeric_limits<double>::infinity();
            for (int candidate : candidates) {
                const Lab threadLab = toLab(dmc[static_cast<std::size_t>(candidate)].color);
                double sum = 0;
                for (std::size_t i : group) {
                    sum += points[i].weight * differences.onceUnlessKept(i, candidate, threadLab);
                    if (sum >= pickLoss) {
                        break;
                    }
                }
                if (sum < pickLoss) {
                    pick = candidate;
                    pickLoss = sum;
                }
            }
            next.push_back(pick);
        }
        next = distinctSorted(std::move(next));
        // Free places: the own threads of the worst-served colours.
        addWorstServedThreads(points, loss, limit, next);
        if (next == chosen) {
            break;
        }
        chosen = std::move(next);
        const double total = assignByLab(points, chosen, differences, owner, loss);
        if (total < bestLoss) {
            bestLoss = total;
            best = chosen;
        }
    }
    return best;
}

// Threads no point takes are dropped, and places the limit leaves free go to
// the own threads of the worst-served points, which then take them: the
// budget is used where the colours need it.
// `assigned` receives the points' threads of the choice returned.
std::vector<int> filledUp(const std::vector<LabPoint>& points, std::vector<int> chosen, int limit,
                          const PointDifferences& differences, Assignment& assigned) {
    for (int round = 0; round < 3; ++round) {
        assigned.total = assignByLab(points, chosen, differences, assigned.owner, assigned.loss);
        std::vector<int> taken = distinctSorted(assigned.owner);
        addWorstServedThreads(points, assigned.loss, limit, taken);
        if (taken == chosen) {
            return chosen;
        }
        chosen = std::move(taken);
    }
    assigned.total = assignByLab(points, chosen, differences, assigned.owner, assigned.loss);
    return chosen;
}

// Lloyd's rounds against the palette by CIEDE2000: every point takes its
// nearest chosen thread, and each thread is replaced by the one nearest its
// members' mean, until the choice settles.
std::vector<int> settleOnMeans(const std::vector<LabPoint>& points, std::vector<int> chosen,
                               int limit, const PointDifferences& differences,
                               const ThreadMatcher& whole, Assignment& assigned) {
    assigned.total = assignByLab(points, chosen, differences, assigned.owner, assigned.loss);
    for (int round = 0; round < 6; ++round) {
        std::vector<Lab> sums(static_cast<std::size_t>(kDmcThreadCount) + 1);
        std::vector<double> weights(sums.size(), 0.0);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto k = static_cast<std::size_t>(assigned.owner[i]);
            sums[k].L += points[i].weight * points[i].lab.L;
            sums[k].a += points[i].weight * points[i].lab.a;
            sums[k].b += points[i].weight * points[i].lab.b;
            weights[k] += points[i].weight;
        }
        std::vector<int> next;
        for (int thread : chosen) {
            const auto k = static_cast<std::size_t>(thread);
            if (weights[k] > 0) {
                next.push_back(whole.nearestByLab(
                    {sums[k].L / weights[k], sums[k].a / weights[k], sums[k].b / weights[k]}));
            }
        }
        next = filledUp(points, distinctSorted(std::move(next)), limit, differences, assigned);
        if (next == chosen) {
            break;
        }
        chosen = std::move(next);
    }
    return chosen;
}

// The choice in squared CIELAB, of at most `limit` threads (1..423), for the
// colours grouped into `points`.
std::vector<int> chooseBySquaredLab(std::vector<Point> points, int limit, const ThreadPalette& dmc,
                                    const ThreadCandidates& candidate) {
    if (points.empty()) {
        return {};
    }
    std::vector<Centre> centres = splitIntoGroups(points, limit);
    refineGroups(points, centres, 8);

    const PaletteLab palette(dmc, candidate);
    std::vector<int> chosen;
    for (const Centre& c : centres) {
        chosen.push_back(palette.nearest(c));
    }
    chosen = distinctSorted(std::move(chosen));
    // The rounds may circle between near-equal choices: the best one seen is
    // kept.
    std::vector<int> best = chosen;
    double bestError = std::numeric_limits<double>::infinity();
    for (int round = 0; round < 8; ++round) {
        double error = 0;
        std::vector<int> next = refineAgainstPalette(points, chosen, limit, palette, error);
        if (error < bestError) {
            bestError = error;
            best = chosen;
        }
        if (next == chosen) {
            break;
        }
        chosen = std::move(next);
    }
    return best;
}

// Each colour's own nearest thread of `whole`, when these fit the limit;
// otherwise false, as soon as one too many shows. One colour of each cube
// (five bits a channel) is looked at first, so that a picture whose threads
// cannot fit shows it after a few colours rather than most of them.
// `ownOfColor` keeps what was worked out (0 where nothing was).
bool ownThreadsFit(std::span<const WeightedColor> colors, std::span<const Lab> labs, int limit,
                   const ThreadMatcher& whole, std::vector<int>& ownOfColor) {
    ownOfColor.assign(colors.size(), 0);
    std::vector<bool> used(static_cast<std::size_t>(kDmcThreadCount) + 1, false);
    int distinct = 0;
    auto fitsWith = [&](std::size_t i) {
        const int thread = whole.nearestByLab(labs[i]);
        ownOfColor[i] = thread;
        if (!used[static_cast<std::size_t>(thread)]) {
            used[static_cast<std::size_t>(thread)] = true;
            ++distinct;
        }
        return distinct <= limit;
    };
    std::vector<bool> binSeen(std::size_t{1} << 15, false);
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const auto bin = static_cast<std::size_t>(binOf(colors[i].color, 5));
        if (!binSeen[bin]) {
            binSeen[bin] = true;
            if (!fitsWith(i)) {
                return false;
            }
        }
    }
    for (std::size_t i = 0; i < colors.size(); ++i) {
        if (ownOfColor[i] == 0 && !fitsWith(i)) {
            return false;
        }
    }
    return true;
}

// The choice by CIEDE2000: the choice made in squared CIELAB and k-means
// choices from other starts (the median cut and a few k-means++ seeds, each
// run until it settles, its centres on their nearest threads by CIEDE2000),
// the best refitted; the one with the least summed difference wins. Where
// the picture is judged cell by cell, the winner then swaps single threads
// while that lowers the judgement. Every colour's thread of the choice goes
// to `threadOfColor`.
template <typename FirstChoice>
std::vector<int> refitByLab(std::span<const WeightedColor> colors, std::span<const Lab> labs,
                            int limit, const ThreadPalette& dmc, const std::vector<int>& allowed,
                            const FirstChoice& firstChoice, const ColorLayout* layout,
                            std::vector<int>& threadOfColor) {
    const ThreadMatcher whole(dmc, ColorMatch::Lab, allowed);
    // Every colour on its own nearest thread: nothing can do better.
    std::vector<int> ownOfColor;
    if (ownThreadsFit(colors, labs, limit, whole, ownOfColor)) {
        threadOfColor = ownOfColor;
        return distinctSorted(std::move(ownOfColor));
    }
    // Points as in groupColors, but each with its exact CIELAB mean.
    std::vector<int> pointOf;
    int pointBits = kRefitBits;
    std::vector<Point> grouped = groupColors(colors, labs, pointBits, &pointOf);
    if (grouped.size() > kMostRefitPoints) {
        pointBits = kRefitBits - 1;
        grouped = groupColors(colors, labs, pointBits, &pointOf);
    }
    std::vector<LabPoint> points = labPointsOf(grouped, whole);
    std::vector<bool> ownUsed(static_cast<std::size_t>(kDmcThreadCount) + 1, false);
    int ownCount = 0;
    for (const LabPoint& q : points) {
        if (!ownUsed[static_cast<std::size_t>(q.own)]) {
            ownUsed[static_cast<std::size_t>(q.own)] = true;
            ++ownCount;
        }
    }
    if (ownCount <= limit && colors.size() <= kMostRefitPoints) {
        // The groups' own threads fit though the colours' do not: where the
        // colours are few, they themselves are the points, each with its own
        // thread.
        forRangesInParallel(colors.size(), kPointsPerRange,
                            [&](std::size_t begin, std::size_t end) {
                                for (std::size_t i = begin; i < end; ++i) {
                                    if (ownOfColor[i] == 0) {
                                        ownOfColor[i] = whole.nearestByLab(labs[i]);
                                    }
                                }
                            });
        pointBits = 8;
        grouped.clear();
        points.clear();
        for (std::size_t i = 0; i < colors.size(); ++i) {
            pointOf[i] = -1;
            if (colors[i].count > 0) {
                pointOf[i] = static_cast<int>(grouped.size());
                const Lab& lab = labs[i];
                const auto weight = static_cast<double>(colors[i].count);
                grouped.push_back({{lab.L, lab.a, lab.b}, weight});
                points.push_back({lab, weight, ownOfColor[i]});
            }
        }
    }
    // The least summed difference wins; where the cells' places are known,
    // the least difference seen close up and from a distance together.
    double weight = 0;
    for (const LabPoint& p : points) {
        weight += p.weight;
    }
    const PointDifferences differences(points, dmc);
    // Where the points are many and finer than four bits a channel, the
    // starts are first weighed on the four-bit grouping, a few times
    // cheaper; only the best go on to the points.
    const bool screened = grouped.size() > kMostScreenedPoints && pointBits > kScreenBits;
    std::vector<int> screenPointOf;
    std::vector<Point> screenGrouped;
    std::vector<LabPoint> screenPoints;
    if (screened) {
        screenGrouped = groupColors(colors, labs, kScreenBits, &screenPointOf);
        screenPoints = labPointsOf(screenGrouped, whole);
    }
    const PointDifferences screenDifferences(screenPoints, dmc);
    std::optional<DistantLook> distant;
    std::optional<DistantLook> screenLook;
    const bool laidOut =
        layout && layout->width > 0 && layout->height > 0 &&
        layout->cells.size() == static_cast<std::size_t>(layout->width) * layout->height;
    if (laidOut) {
        distant.emplace(*layout, colors, kJudgedCells);
        if (screened) {
            screenLook.emplace(*layout, colors, kScreenedCells);
        }
    }
    // Each core's working space, so that several judgements run at once.
    const std::size_t workers =
        parallelWorkers(std::max({kMostSeeds + 2, 2 * kRefittedStarts, kJudgedExactly}));
    std::vector<Assignment> assignments(workers);
    std::vector<DistantLook::Memory> memories(workers);
    // `assigned` holds the points' threads under the choice judged.
    auto scoreOn = [&](const std::vector<int>& onPointOf, std::size_t worker,
                       const std::optional<DistantLook>& look) {
        const Assignment& assigned = assignments[worker];
        double score = assigned.total / weight;
        if (look) {
            score += look->mean(
                [&](int c) {
                    const int point = onPointOf[static_cast<std::size_t>(c)];
                    if (point < 0) {
                        return kWhite;
                    }
                    const int thread = assigned.owner[static_cast<std::size_t>(point)];
                    return dmc[static_cast<std::size_t>(thread)].color;
                },
                memories[worker]);
        }
        return score;
    };
    // The starts: the first choice, the median cut and, where the points
    // are few and each start cheap, more k-means++ seeds; each settled by
    // Lloyd's rounds, filled and judged on a core of its own.
    std::vector<Point>& startGrouped = screened ? screenGrouped : grouped;
    const std::vector<Centre> cut = splitIntoGroups(startGrouped, limit);
    const std::size_t seeds = std::clamp(kSeedWork / startGrouped.size(), kFewestSeeds, kMostSeeds);
    // Each start with the budget filled, judged.
    std::vector<std::pair<double, std::vector<int>>> choices(2 + seeds);
    forEachInParallel(choices.size(), [&](std::size_t i, std::size_t worker) {
        std::vector<int> start;
        if (i == 0) {
            // on the screened grouping where there is one, else on cubes no
            // finer than the points'
            start =
                firstChoice(screened ? screenGrouped
                                     : groupColors(colors, labs, std::min(pointBits, kRefitBits)));
        } else {
            std::vector<Centre> centres = i == 1 ? cut : seedGroups(startGrouped, limit, i - 1);
            refineGroups(startGrouped, centres, kSettleRounds);
            start = threadsOfCentres(centres, whole);
        }
        Assignment& assigned = assignments[worker];
        std::vector<int> filled =
            screened ? filledUp(screenPoints, std::move(start), limit, screenDifferences, assigned)
                     : filledUp(points, std::move(start), limit, differences, assigned);
        choices[i] = {
            scoreOn(screened ? screenPointOf : pointOf, worker, screened ? screenLook : distant),
            std::move(filled)};
    });
    std::sort(choices.begin(), choices.end());
    if (screened) {
        // The best screened starts filled and judged again on the points.
        choices.resize(std::min(choices.size(), kScreenedStarts));
        forEachInParallel(choices.size(), [&](std::size_t i, std::size_t worker) {
            std::vector<int> filled =
                filledUp(points, choices[i].second, limit, differences, assignments[worker]);
            choices[i] = {scoreOn(pointOf, worker, distant), std::move(filled)};
        });
        std::sort(choices.begin(), choices.end());
    }
    // The best starts refitted by CIEDE2000, and settled on their groups'
    // means.
    const std::size_t refitted = std::min<std::size_t>(kRefittedStarts, choices.size());
    std::vector<std::pair<double, std::vector<int>>> refits(2 * refitted);
    // The longer refits are handed out first, so that the cores finish
    // together.
    forEachInParallel(refits.size(), [&](std::size_t j, std::size_t worker) {
        const std::vector<int>& from = choices[j % refitted].second;
        Assignment& assigned = assignments[worker];
        std::vector<int> next =
            j < refitted ? filledUp(points, refitRounds(points, from, limit, differences, whole),
                                    limit, differences, assigned)
                         : settleOnMeans(points, from, limit, differences, whole, assigned);
        refits[j] = {scoreOn(pointOf, worker, distant), std::move(next)};
    });
    std::move(refits.begin(), refits.end(), std::back_inserter(choices));
    std::sort(choices.begin(), choices.end());
    choices.erase(std::unique(choices.begin(), choices.end(),
                              [](const auto& x, const auto& y) { return x.second == y.second; }),
                  choices.end());
    if (distant && choices.size() > 1 && colors.size() <= kJudgedColors) {
        // The few best judged cell by cell, the winner's colours handed back
        // on their threads; then the winner improved by single swaps.
        const CellJudge judge(colors, labs, *layout, dmc, kJudgedCloseCells);
        choices.resize(std::min<std::size_t>(choices.size(), kJudgedExactly));
        std::vector<std::vector<int>> threadsOf(choices.size());
        forEachInParallel(choices.size(), [&](std::size_t i, std::size_t worker) {
            choices[i].first = judge(choices[i].second, threadsOf[i], memories[worker]);
        });
        const auto best = std::min_element(choices.begin(), choices.end());
        threadOfColor = std::move(threadsOf[static_cast<std::size_t>(best - choices.begin())]);
        return polishedBySwaps(std::move(best->second), best->first, threadOfColor, points, allowed,
                               differences, judge, kSwapsJudged, kSwapRounds, memories);
    }
    std::vector<int> chosen = std::min_element(choices.begin(), choices.end())->second;
    const ThreadMatcher matcher(dmc, ColorMatch::Lab, chosen);
    threadOfColor.resize(colors.size());
    forRangesInParallel(colors.size(), kColorsPerRange, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            threadOfColor[i] = matcher.nearestByLab(labs[i]);
        }
    });
    return chosen;
}

} // namespace

std::vector<int> candidateThreads(const ThreadCandidates& candidate) {
    std::vector<int> positions;
    if (candidate) {
        for (int p = 1; p <= kDmcThreadCount; ++p) {
            if (candidate(p)) {
                positions.push_back(p);
            }
        }
    }
    return positions;
}

std::vector<int> chooseThreads(std::span<const WeightedColor> colors, int limit,
                               const ThreadPalette& dmc, ColorMatch match,
                               const ThreadCandidates& candidate, const ColorLayout* layout,
                               std::vector<int>* threadOfColor) {
    if (threadOfColor != nullptr) {
        threadOfColor->clear();
    }
    if (match != ColorMatch::Lab) {
        return chooseThreads(colors, limit, dmc, candidate);
    }
    limit = std::clamp(limit, 1, kDmcThreadCount);
    const std::vector<Lab> labs = labsOf(colors);
    std::vector<int> threads;
    std::vector<int> chosen = refitByLab(
        colors, labs, limit, dmc, candidateThreads(candidate),
        [&](std::vector<Point> points) {
            return chooseBySquaredLab(std::move(points), limit, dmc, candidate);
        },
        layout, threads);
    if (threadOfColor != nullptr) {
        *threadOfColor = std::move(threads);
    }
    return chosen;
}

std::vector<int> chooseThreads(std::span<const WeightedColor> colors, int limit,
                               const ThreadPalette& dmc, const ThreadCandidates& candidate) {
    limit = std::clamp(limit, 1, kDmcThreadCount);
    return chooseBySquaredLab(groupColors(colors, labsOf(colors)), limit, dmc, candidate);
}

} // namespace tessaline
