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
    for (const auto& [error, i] : errors) {
        if (static_cast<int>(next.size()) >= limit || error <= 0) {
            break;
        }
        const int p = palette.nearest(points[i].lab);
        if (!std::binary_search(next.begin(), next.end(), p)) {
            next.insert(std::lower_bound(next.begin(), next.end(), p), p);
        }
    }
    return next;
}

} // namespace

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
