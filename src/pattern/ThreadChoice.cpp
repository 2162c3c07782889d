#include "pattern/ThreadChoice.h"

#include "pattern/ColorMatch.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

namespace tessaline {

namespace {

// A group of picture colours in CIELAB with its cell count as weight.
struct Point {
    std::array<double, 3> lab{};
    double weight = 0;
};

using Centre = std::array<double, 3>;

double squaredDistance(const std::array<double, 3>& x, const Centre& c) {
    const double d0 = x[0] - c[0];
    const double d1 = x[1] - c[1];
    const double d2 = x[2] - c[2];
    return d0 * d0 + d1 * d1 + d2 * d2;
}

// Colours are grouped by their top five bits per channel, each group at the
// weighted mean of its members: far fewer points to cluster, with the
// precision of the exact colours kept in the means.
std::vector<Point> groupColors(std::span<const WeightedColor> colors) {
    constexpr int kBins = 1 << 15;
    std::vector<int> binOf(kBins, -1);
    std::vector<Point> points;
    for (const WeightedColor& wc : colors) {
        if (wc.count <= 0) {
            continue;
        }
        const int bin = (getRed(wc.color) >> 3) << 10 | (getGreen(wc.color) >> 3) << 5 |
                        (getBlue(wc.color) >> 3);
        int& index = binOf[static_cast<std::size_t>(bin)];
        if (index < 0) {
            index = static_cast<int>(points.size());
            points.push_back({});
        }
        Point& p = points[static_cast<std::size_t>(index)];
        const Lab lab = toLab(wc.color);
        const double w = wc.count;
        p.lab[0] += w * lab.L;
        p.lab[1] += w * lab.a;
        p.lab[2] += w * lab.b;
        p.weight += w;
    }
    for (Point& p : points) {
        for (double& v : p.lab) {
            v /= p.weight;
        }
    }
    return points;
}

// Weighted sums of a run of points: enough for its mean and squared error.
struct Moments {
    double weight = 0;
    Centre sum{};
    double squares = 0;

    void add(const Point& p) {
        weight += p.weight;
        for (std::size_t k = 0; k < 3; ++k) {
            sum[k] += p.weight * p.lab[k];
        }
        squares += p.weight * (p.lab[0] * p.lab[0] + p.lab[1] * p.lab[1] + p.lab[2] * p.lab[2]);
    }
    double error() const {
        if (weight <= 0) {
            return 0;
        }
        return squares - (sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]) / weight;
    }
    Centre mean() const { return {sum[0] / weight, sum[1] / weight, sum[2] / weight}; }
};

struct Box {
    std::size_t begin = 0;
    std::size_t end = 0;
    double error = 0;
    int axis = -1;       // the best cut, worked out when the box is made
    std::size_t cut = 0; // first point of the upper part along that axis
    double gain = 0;     // how much the cut lowers the squared error
};

// Finds the cut of a box that lowers its squared error most: along each
// axis the points are sorted and every split point tried.
void planCut(std::vector<Point>& points, Box& box) {
    const Moments whole = [&] {
        Moments m;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            m.add(points[i]);
        }
        return m;
    }();
    box.error = whole.error();
    box.axis = -1;
    box.gain = 0;
    if (box.end - box.begin < 2) {
        return;
    }
    for (int axis = 0; axis < 3; ++axis) {
        std::sort(points.begin() + static_cast<std::ptrdiff_t>(box.begin),
                  points.begin() + static_cast<std::ptrdiff_t>(box.end),
                  [axis](const Point& x, const Point& y) {
                      return x.lab[static_cast<std::size_t>(axis)] <
                             y.lab[static_cast<std::size_t>(axis)];
                  });
        Moments lower;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            lower.add(points[i]);
            Moments upper = whole;
            upper.weight -= lower.weight;
            for (std::size_t k = 0; k < 3; ++k) {
                upper.sum[k] -= lower.sum[k];
            }
            upper.squares -= lower.squares;
            const double gain = box.error - lower.error() - upper.error();
            if (gain > box.gain) {
                box.gain = gain;
                box.axis = axis;
                box.cut = i + 1;
            }
        }
    }
}

// Initial groups: the box whose cut gains most is cut, until there are
// `limit` boxes or no cut gains anything.
std::vector<Centre> splitIntoGroups(std::vector<Point>& points, int limit) {
    std::vector<Box> boxes{{0, points.size()}};
    planCut(points, boxes.front());
    while (static_cast<int>(boxes.size()) < limit) {
        const auto best = std::max_element(
            boxes.begin(), boxes.end(), [](const Box& x, const Box& y) { return x.gain < y.gain; });
        if (best->axis < 0 || best->gain <= 0) {
            break;
        }
        Box box = *best;
        const auto axis = static_cast<std::size_t>(box.axis);
        std::sort(points.begin() + static_cast<std::ptrdiff_t>(box.begin),
                  points.begin() + static_cast<std::ptrdiff_t>(box.end),
                  [axis](const Point& x, const Point& y) { return x.lab[axis] < y.lab[axis]; });
        Box lower{box.begin, box.cut};
        Box upper{box.cut, box.end};
        planCut(points, lower);
        planCut(points, upper);
        *best = lower;
        boxes.push_back(upper);
    }
    std::vector<Centre> centres;
    for (const Box& box : boxes) {
        Moments m;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            m.add(points[i]);
        }
        centres.push_back(m.mean());
    }
    return centres;
}

std::size_t nearestCentre(const Point& p, const std::vector<Centre>& centres) {
    std::size_t best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < centres.size(); ++k) {
        const double d = squaredDistance(p.lab, centres[k]);
        if (d < bestDistance) {
            best = k;
            bestDistance = d;
        }
    }
    return best;
}

// Lloyd's iterations: every point joins its nearest centre, every centre
// moves to its members' mean; a centre that loses all members stays put.
void refineGroups(const std::vector<Point>& points, std::vector<Centre>& centres, int rounds) {
    std::vector<std::size_t> owner(points.size(), centres.size());
    for (int round = 0; round < rounds; ++round) {
        bool moved = false;
        std::vector<Moments> members(centres.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            const std::size_t k = nearestCentre(points[i], centres);
            moved = moved || k != owner[i];
            owner[i] = k;
            members[k].add(points[i]);
        }
        if (!moved) {
            return;
        }
        for (std::size_t k = 0; k < centres.size(); ++k) {
            if (members[k].weight > 0) {
                centres[k] = members[k].mean();
            }
        }
    }
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

// The choice by CIEDE2000: every point with its own nearest palette thread.
struct LabPoint {
    Lab lab;
    double weight = 0;
    int own = 0; // the nearest thread of the whole palette
};

// Summed weighted CIEDE2000 of the points to their nearest chosen thread;
// `owner` receives each point's thread.
double assignByLab(const std::vector<LabPoint>& points, const std::vector<int>& chosen,
                   const ThreadPalette& dmc, std::vector<int>& owner, std::vector<double>& loss) {
    const ThreadMatcher matcher(dmc, ColorMatch::Lab, chosen);
    double total = 0;
    owner.resize(points.size());
    loss.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        double d = 0;
        owner[i] = matcher.nearestByLab(points[i].lab, &d);
        loss[i] = points[i].weight * d;
        total += loss[i];
    }
    return total;
}

// Rounds of refitting by CIEDE2000, from a choice made in squared CIELAB.
template <typename FirstChoice>
std::vector<int> refitByLab(std::span<const WeightedColor> colors, int limit,
                            const ThreadPalette& dmc, const std::vector<int>& allowed,
                            const FirstChoice& firstChoice) {
    // Points as in groupColors, but each with its exact CIELAB mean.
    std::vector<Point> grouped = groupColors(colors);
    std::vector<LabPoint> points;
    points.reserve(grouped.size());
    const ThreadMatcher whole(dmc, ColorMatch::Lab, allowed);
    std::vector<double> ownWeight(static_cast<std::size_t>(kDmcThreadCount) + 1, 0.0);
    for (const Point& p : grouped) {
        LabPoint q{{p.lab[0], p.lab[1], p.lab[2]}, p.weight, 0};
        q.own = whole.nearestByLab(q.lab);
        ownWeight[static_cast<std::size_t>(q.own)] += q.weight;
        points.push_back(q);
    }
    std::vector<int> own;
    for (int p = 1; p <= kDmcThreadCount; ++p) {
        if (ownWeight[static_cast<std::size_t>(p)] > 0) {
            own.push_back(p);
        }
    }
    // Every colour on its own nearest thread: nothing can do better.
    if (static_cast<int>(own.size()) <= limit) {
        return own;
    }
    std::vector<int> chosen = firstChoice();
    std::vector<int> owner;
    std::vector<double> loss;
    std::vector<int> best = chosen;
    double bestLoss = assignByLab(points, chosen, dmc, owner, loss);
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
                    sum += points[i].weight * deltaE2000(points[i].lab, threadLab);
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
        std::vector<std::pair<double, std::size_t>> worst;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (loss[i] > 0) {
                worst.emplace_back(loss[i], i);
            }
        }
        std::sort(worst.begin(), worst.end(), std::greater<>());
        for (const auto& [l, i] : worst) {
            if (static_cast<int>(next.size()) >= limit) {
                break;
            }
            const int p = points[i].own;
            if (!std::binary_search(next.begin(), next.end(), p)) {
                next.insert(std::lower_bound(next.begin(), next.end(), p), p);
            }
        }
        if (next == chosen) {
            break;
        }
        chosen = std::move(next);
        const double total = assignByLab(points, chosen, dmc, owner, loss);
        if (total < bestLoss) {
            bestLoss = total;
            best = chosen;
        }
    }
    return best;
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
                               const ThreadCandidates& candidate) {
    if (match != ColorMatch::Lab) {
        return chooseThreads(colors, limit, dmc, candidate);
    }
    limit = std::clamp(limit, 1, kDmcThreadCount);
    return refitByLab(colors, limit, dmc, candidateThreads(candidate),
                      [&] { return chooseThreads(colors, limit, dmc, candidate); });
}

std::vector<int> chooseThreads(std::span<const WeightedColor> colors, int limit,
                               const ThreadPalette& dmc, const ThreadCandidates& candidate) {
    limit = std::clamp(limit, 1, kDmcThreadCount);
    std::vector<Point> points = groupColors(colors);
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

} // namespace tessaline
