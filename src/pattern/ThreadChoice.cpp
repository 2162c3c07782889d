#include "pattern/ThreadChoice.h"

#include "app/ParallelWork.h"
#include "pattern/ColorMatch.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <memory>
#include <mutex>
#include <numeric>
#include <optional>
#include <tuple>
#include <unordered_map>

namespace tessaline {

namespace {

// A group of picture colours in CIELAB with its cell count as weight.
struct Point {
    std::array<double, 3> lab{};
    double weight = 0;
};

using Centre = std::array<double, 3>;

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
// Above this many points the starts are weighed on a grouping one bit
// coarser first, and this many of the best go on.
constexpr std::size_t kMostScreenedPoints = 1200;
constexpr std::size_t kScreenedStarts = 6;
// The swaps tried on the winner: the palette's threads nearest each chosen
// one and the own threads of this many worst-served points come in; this
// many swaps are judged a round, for at most this many rounds.
constexpr std::size_t kSwapNeighbours = 3;
constexpr std::size_t kSwapWorstServed = 8;
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
// The fewest colours a core is given to find threads for among a few, and
// among the whole palette.
constexpr std::size_t kColorsPerRange = 2048;
constexpr std::size_t kPointsPerRange = 256;

double squaredDistance(const std::array<double, 3>& x, const Centre& c) {
    const double d0 = x[0] - c[0];
    const double d1 = x[1] - c[1];
    const double d2 = x[2] - c[2];
    return d0 * d0 + d1 * d1 + d2 * d2;
}

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

// The colour's cube when each channel keeps its top `bits` bits.
int binOf(Color color, int bits) {
    const int shift = 8 - bits;
    return (getRed(color) >> shift) << (2 * bits) | (getGreen(color) >> shift) << bits |
           (getBlue(color) >> shift);
}

// Colours are grouped by their top `bits` bits per channel (five unless
// said), each group at the weighted mean of its members: far fewer points to
// cluster, with the precision of the exact colours kept in the means.
// `labs` holds each colour in CIELAB; `pointOf`, when given, receives each
// colour's point (-1 for none).
std::vector<Point> groupColors(std::span<const WeightedColor> colors, std::span<const Lab> labs,
                               int bits = 5, std::vector<int>* pointOf = nullptr) {
    std::vector<int> pointOfBin(std::size_t{1} << (3 * bits), -1);
    std::vector<Point> points;
    if (pointOf) {
        pointOf->assign(colors.size(), -1);
    }
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const WeightedColor& wc = colors[i];
        if (wc.count <= 0) {
            continue;
        }
        int& index = pointOfBin[static_cast<std::size_t>(binOf(wc.color, bits))];
        if (index < 0) {
            index = static_cast<int>(points.size());
            points.push_back({});
        }
        if (pointOf) {
            (*pointOf)[i] = index;
        }
        Point& p = points[static_cast<std::size_t>(index)];
        const Lab& lab = labs[i];
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

// Weighted sums of a run of points: enough for its mean.
struct WeightedSum {
    double weight = 0;
    Centre sum{};

    void add(const Point& p) {
        weight += p.weight;
        for (std::size_t k = 0; k < 3; ++k) {
            sum[k] += p.weight * p.lab[k];
        }
    }
    Centre mean() const { return {sum[0] / weight, sum[1] / weight, sum[2] / weight}; }
};

// The same with the squares: enough for its squared error too.
struct Moments : WeightedSum {
    double squares = 0;

    void add(const Point& p) {
        WeightedSum::add(p);
        squares += p.weight * (p.lab[0] * p.lab[0] + p.lab[1] * p.lab[1] + p.lab[2] * p.lab[2]);
    }
    double error() const {
        if (weight <= 0) {
            return 0;
        }
        return squares - (sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]) / weight;
    }
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
// Hamerly's bounds spare most of the distances: each point keeps an upper
// bound on the distance to its centre and a lower bound on the distance to
// any other, both moved by how far the centres moved, and is looked at again
// only when they no longer prove its centre nearest. The groups come out as
// plain Lloyd's rounds would make them.
void refineGroups(const std::vector<Point>& points, std::vector<Centre>& centres, int rounds) {
    const std::size_t k = centres.size();
    std::vector<std::size_t> owner(points.size(), k);
    std::vector<double> upper(points.size(), 0.0);
    std::vector<double> lower(points.size(), 0.0);
    std::vector<double> halfGap(k);
    std::vector<double> moved(k);
    // Bounds are trusted only with a margin, so that rounding never lets a
    // point skip a centre that is just as near.
    auto proves = [](double near, double far) { return near * (1 + 1e-9) + 1e-9 < far; };
    for (int round = 0; round < rounds; ++round) {
        // Half the distance from each centre to its nearest other centre:
        // a point nearer than that to its centre has no nearer one.
        for (std::size_t c = 0; c < k; ++c) {
            double nearest = std::numeric_limits<double>::infinity();
            for (std::size_t o = 0; o < k; ++o) {
                if (o != c) {
                    nearest = std::min(nearest, squaredDistance(centres[c], centres[o]));
                }
            }
            halfGap[c] = std::sqrt(nearest) / 2;
        }
        bool changed = false;
        std::vector<WeightedSum> members(k);
        for (std::size_t i = 0; i < points.size(); ++i) {
            std::size_t& own = owner[i];
            bool settled = own < k && proves(upper[i], std::max(halfGap[own], lower[i]));
            if (!settled && own < k) {
                upper[i] = std::sqrt(squaredDistance(points[i].lab, centres[own]));
                settled = proves(upper[i], std::max(halfGap[own], lower[i]));
            }
            if (!settled) {
                std::size_t best = 0;
                double bestDistance = std::numeric_limits<double>::infinity();
                double second = std::numeric_limits<double>::infinity();
                for (std::size_t c = 0; c < k; ++c) {
                    const double d = squaredDistance(points[i].lab, centres[c]);
                    if (d < bestDistance) {
                        second = bestDistance;
                        best = c;
                        bestDistance = d;
                    } else if (d < second) {
                        second = d;
                    }
                }
                changed = changed || best != own;
                own = best;
                upper[i] = std::sqrt(bestDistance);
                lower[i] = std::sqrt(second);
            }
            members[own].add(points[i]);
        }
        if (!changed) {
            return;
        }
        // A point's other centres came nearer by at most the most any of
        // them moved: the second most for a point whose own moved most.
        double mostMoved = 0;
        double secondMoved = 0;
        std::size_t movedMost = k;
        for (std::size_t c = 0; c < k; ++c) {
            moved[c] = 0;
            if (members[c].weight > 0) {
                const Centre next = members[c].mean();
                moved[c] = std::sqrt(squaredDistance(next, centres[c]));
                centres[c] = next;
            }
            if (moved[c] > mostMoved) {
                secondMoved = mostMoved;
                mostMoved = moved[c];
                movedMost = c;
            } else {
                secondMoved = std::max(secondMoved, moved[c]);
            }
        }
        for (std::size_t i = 0; i < points.size(); ++i) {
            upper[i] += moved[owner[i]];
            lower[i] -= owner[i] == movedMost ? secondMoved : mostMoved;
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

// The groups as points of the CIEDE2000 choice, each with its own nearest
// thread of `whole`.
std::vector<LabPoint> labPointsOf(const std::vector<Point>& grouped, const ThreadMatcher& whole) {
    std::vector<LabPoint> points(grouped.size());
    forRangesInParallel(grouped.size(), kPointsPerRange, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            const Point& p = grouped[i];
            points[i] = {{p.lab[0], p.lab[1], p.lab[2]}, p.weight, 0};
            points[i].own = whole.nearestByLab(points[i].lab);
        }
    });
    return points;
}

// Fills the places `limit` leaves free in the sorted `threads` with the own
// threads of the worst-served points, worst first.
void addWorstServedThreads(const std::vector<LabPoint>& points, const std::vector<double>& loss,
                           int limit, std::vector<int>& threads) {
    std::vector<std::pair<double, std::size_t>> worst;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (loss[i] > 0) {
            worst.emplace_back(loss[i], i);
        }
    }
    std::sort(worst.begin(), worst.end(), std::greater<>());
    for (const auto& [l, i] : worst) {
        if (static_cast<int>(threads.size()) >= limit) {
            break;
        }
        const int p = points[i].own;
        if (!std::binary_search(threads.begin(), threads.end(), p)) {
            threads.insert(std::lower_bound(threads.begin(), threads.end(), p), p);
        }
    }
}

// CIEDE2000 between the points and palette threads, each pair worked out
// once: the choices weighed share most of their threads. Choices weighed at
// the same time on several cores share it too: a difference is the same
// whoever works it out, so a race only works it out twice.
class PointDifferences {
  public:
    PointDifferences(const std::vector<LabPoint>& points, const ThreadPalette& dmc)
        : points_(points), dmc_(dmc), columns_(static_cast<std::size_t>(kDmcThreadCount) + 1) {}

    double operator()(std::size_t point, int position, const Lab& threadLab) const {
        std::atomic<double>& known = columnOf(position)[point];
        double d = known.load(std::memory_order_relaxed);
        if (d < 0) {
            d = deltaE2000(points_[point].lab, threadLab);
            known.store(d, std::memory_order_relaxed);
        }
        return d;
    }
    const ThreadPalette& palette() const { return dmc_; }

  private:
    // The differences to one thread, -1 where not yet known; made on first
    // use.
    std::atomic<double>* columnOf(int position) const {
        std::atomic<std::atomic<double>*>& slot = columns_[static_cast<std::size_t>(position)];
        std::atomic<double>* column = slot.load(std::memory_order_acquire);
        if (column == nullptr) {
            const std::lock_guard lock(making_);
            column = slot.load(std::memory_order_relaxed);
            if (column == nullptr) {
                made_.push_back(std::make_unique<std::atomic<double>[]>(points_.size()));
                column = made_.back().get();
                for (std::size_t i = 0; i < points_.size(); ++i) {
                    column[i].store(-1.0, std::memory_order_relaxed);
                }
                slot.store(column, std::memory_order_release);
            }
        }
        return column;
    }

    const std::vector<LabPoint>& points_;
    const ThreadPalette& dmc_;
    mutable std::vector<std::atomic<std::atomic<double>*>> columns_; // per palette position
    mutable std::vector<std::unique_ptr<std::atomic<double>[]>> made_;
    mutable std::mutex making_;
};

// Summed weighted CIEDE2000 of the points to their nearest chosen thread;
// `owner` receives each point's thread and `loss` its weighted difference.
double assignByLab(const std::vector<LabPoint>& points, const std::vector<int>& chosen,
                   const PointDifferences& differences, std::vector<int>& owner,
                   std::vector<double>& loss) {
    const ThreadMatcher matcher(differences.palette(), ColorMatch::Lab, chosen);
    double total = 0;
    owner.resize(points.size());
    loss.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        double d = 0;
        owner[i] = matcher.nearestByLab(
            points[i].lab,
            [&](int position, const Lab& threadLab) { return differences(i, position, threadLab); },
            &d);
        loss[i] = points[i].weight * d;
        total += loss[i];
    }
    return total;
}

// The points' threads under one choice: each point's nearest chosen thread
// and its weighted difference, and their sum.
struct Assignment {
    std::vector<int> owner;
    std::vector<double> loss;
    double total = 0;
};

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
// `assigned` holds the points' threads under `chosen`. With each point's
// nearest and second-nearest chosen thread known, a swap's change is a sum
// over the points near the incoming thread only, and the rest are passed over
// by the difference's lower bound.
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
        const int own = assigned.owner[i];
        const Thread& ownThread =
            kept[static_cast<std::size_t>(keptAt[static_cast<std::size_t>(own)])];
        nearest[i] = differences(i, own, ownThread.lab);
        second[i] = std::numeric_limits<double>::infinity();
        for (const Thread& other : kept) {
            if (other.position != own && mayBeNearer(i, other, second[i])) {
                second[i] = std::min(second[i], differences(i, other.position, other.lab));
            }
        }
        if (std::isfinite(second[i])) {
            removal[static_cast<std::size_t>(keptAt[static_cast<std::size_t>(own)])] +=
                points[i].weight * (second[i] - nearest[i]);
        }
    }
    // The incoming candidates.
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
    std::vector<std::pair<double, std::size_t>> worst;
    for (std::size_t i = 0; i < n; ++i) {
        worst.emplace_back(points[i].weight * nearest[i], i);
    }
    std::sort(worst.begin(), worst.end(), std::greater<>());
    const std::size_t neighbours = incoming.size();
    for (const auto& [loss, i] : worst) {
        if (incoming.size() >= neighbours + kSwapWorstServed || loss <= 0) {
            break;
        }
        consider(points[i].own);
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
    };

    // `threadColor` gives each colour's thread colour.
    double mean(const std::vector<Color>& threadColor, Memory& memory) const {
        std::vector<Color> pattern(layout_.cells.size(), kWhite);
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const int c = layout_.cells[i];
            if (c >= 0) {
                pattern[i] = threadColor[static_cast<std::size_t>(c)];
            }
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

// Starting groups for Lloyd's rounds by k-means++: the first centre drawn by
// weight, each next one by weight times squared distance to the nearest
// centre so far. A generator of our own draws, so every system draws alike.
std::vector<Centre> seedGroups(const std::vector<Point>& points, int limit, std::uint64_t seed) {
    auto draw = [&seed] {
        seed += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<double>((z ^ (z >> 31)) >> 11) * 0x1.0p-53;
    };
    std::vector<Centre> centres;
    std::vector<double> nearest(points.size(), std::numeric_limits<double>::infinity());
    auto pick = [&](const std::vector<double>& weights) {
        const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
        double at = draw() * total;
        std::size_t i = 0;
        for (; i + 1 < weights.size() && at >= weights[i]; ++i) {
            at -= weights[i];
        }
        return i;
    };
    std::vector<double> weights(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        weights[i] = points[i].weight;
    }
    centres.push_back(points[pick(weights)].lab);
    while (static_cast<int>(centres.size()) < limit) {
        double total = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            nearest[i] = std::min(nearest[i], squaredDistance(points[i].lab, centres.back()));
            weights[i] = points[i].weight * nearest[i];
            total += weights[i];
        }
        if (total <= 0) {
            break;
        }
        centres.push_back(points[pick(weights)].lab);
    }
    return centres;
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
                    sum += points[i].weight * differences(i, candidate, threadLab);
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

// The choice in squared CIELAB, of at most `limit` threads (1..423).
std::vector<int> chooseBySquaredLab(std::span<const WeightedColor> colors,
                                    std::span<const Lab> labs, int limit, const ThreadPalette& dmc,
                                    const ThreadCandidates& candidate) {
    std::vector<Point> points = groupColors(colors, labs);
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
    std::vector<Point> grouped = groupColors(colors, labs, kRefitBits, &pointOf);
    if (grouped.size() > kMostRefitPoints) {
        grouped = groupColors(colors, labs, kRefitBits - 1, &pointOf);
    }
    int pointBits = grouped.size() > kMostRefitPoints ? kRefitBits - 1 : kRefitBits;
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
    // Where the points are many, the starts are first weighed on a coarser
    // grouping, a few times cheaper; only the best go on to the points.
    const bool screened = grouped.size() > kMostScreenedPoints;
    std::vector<int> screenPointOf;
    std::vector<Point> screenGrouped;
    std::vector<LabPoint> screenPoints;
    if (screened) {
        screenGrouped =
            groupColors(colors, labs, std::min(pointBits, kRefitBits) - 1, &screenPointOf);
        screenPoints = labPointsOf(screenGrouped, whole);
    }
    const PointDifferences screenDifferences(screenPoints, dmc);
    std::optional<DistantLook> distant;
    const bool laidOut =
        layout && layout->width > 0 && layout->height > 0 &&
        layout->cells.size() == static_cast<std::size_t>(layout->width) * layout->height;
    if (laidOut) {
        distant.emplace(*layout, colors, kJudgedCells);
    }
    // A judgement's own working space, so that several run at once.
    struct Judge {
        Assignment assigned;
        std::vector<Color> threadColor;
        DistantLook::Memory look;
    };
    std::vector<Judge> judges(
        parallelWorkers(std::max({kMostSeeds + 2, 2 * kRefittedStarts, kJudgedExactly})));
    for (Judge& judge : judges) {
        judge.threadColor.assign(colors.size(), kWhite);
    }
    // `judge.assigned` holds the points' threads under the choice judged.
    auto scoreOn = [&](const std::vector<int>& onPointOf, Judge& judge) {
        double score = judge.assigned.total / weight;
        if (distant) {
            for (std::size_t i = 0; i < colors.size(); ++i) {
                if (onPointOf[i] >= 0) {
                    const int thread = judge.assigned.owner[static_cast<std::size_t>(onPointOf[i])];
                    judge.threadColor[i] = dmc[static_cast<std::size_t>(thread)].color;
                }
            }
            score += distant->mean(judge.threadColor, judge.look);
        }
        return score;
    };
    // The same with every colour on its own nearest chosen thread, as the
    // cells will be.
    // The choices judged share most threads, so each colour's difference
    // from a thread is worked out once; the winner's threads per colour are
    // handed back, as the cells will take them.
    std::vector<LabPoint> colorPoints;
    std::optional<PointDifferences> colorDifferences;
    std::optional<DistantLook> closeLook;
    auto exactScoreOf = [&](const std::vector<int>& choice, std::vector<int>& threadOf,
                            Judge& judge) {
        std::vector<double> colorLoss;
        const double total =
            assignByLab(colorPoints, choice, *colorDifferences, threadOf, colorLoss);
        for (std::size_t i = 0; i < colors.size(); ++i) {
            judge.threadColor[i] = dmc[static_cast<std::size_t>(threadOf[i])].color;
        }
        // the points weigh every cell
        return total / weight + closeLook->mean(judge.threadColor, judge.look);
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
            start = firstChoice();
        } else {
            std::vector<Centre> centres = i == 1 ? cut : seedGroups(startGrouped, limit, i - 1);
            refineGroups(startGrouped, centres, kSettleRounds);
            start = threadsOfCentres(centres, whole);
        }
        Judge& judge = judges[worker];
        std::vector<int> filled =
            screened
                ? filledUp(screenPoints, std::move(start), limit, screenDifferences, judge.assigned)
                : filledUp(points, std::move(start), limit, differences, judge.assigned);
        choices[i] = {scoreOn(screened ? screenPointOf : pointOf, judge), std::move(filled)};
    });
    std::sort(choices.begin(), choices.end());
    if (screened) {
        // The best screened starts filled and judged again on the points.
        choices.resize(std::min(choices.size(), kScreenedStarts));
        forEachInParallel(choices.size(), [&](std::size_t i, std::size_t worker) {
            Judge& judge = judges[worker];
            std::vector<int> filled =
                filledUp(points, choices[i].second, limit, differences, judge.assigned);
            choices[i] = {scoreOn(pointOf, judge), std::move(filled)};
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
        Judge& judge = judges[worker];
        std::vector<int> next =
            j < refitted ? filledUp(points, refitRounds(points, from, limit, differences, whole),
                                    limit, differences, judge.assigned)
                         : settleOnMeans(points, from, limit, differences, whole, judge.assigned);
        refits[j] = {scoreOn(pointOf, judge), std::move(next)};
    });
    std::move(refits.begin(), refits.end(), std::back_inserter(choices));
    std::sort(choices.begin(), choices.end());
    choices.erase(std::unique(choices.begin(), choices.end(),
                              [](const auto& x, const auto& y) { return x.second == y.second; }),
                  choices.end());
    if (distant && choices.size() > 1 && colors.size() <= kJudgedColors) {
        // The few best judged cell by cell.
        closeLook.emplace(*layout, colors, kJudgedCloseCells);
        for (std::size_t i = 0; i < colors.size(); ++i) {
            colorPoints.push_back({labs[i], static_cast<double>(colors[i].count), 0});
        }
        colorDifferences.emplace(colorPoints, dmc);
        choices.resize(std::min<std::size_t>(choices.size(), kJudgedExactly));
        std::vector<std::vector<int>> threadsOf(choices.size());
        forEachInParallel(choices.size(), [&](std::size_t i, std::size_t worker) {
            choices[i].first = exactScoreOf(choices[i].second, threadsOf[i], judges[worker]);
        });
        const auto best = std::min_element(choices.begin(), choices.end());
        threadOfColor = std::move(threadsOf[static_cast<std::size_t>(best - choices.begin())]);
        // The winner improved by single swaps while the judgement falls.
        std::vector<int> chosen = best->second;
        double score = best->first;
        for (int round = 0; round < kSwapRounds; ++round) {
            Assignment assigned;
            assigned.total =
                assignByLab(points, chosen, differences, assigned.owner, assigned.loss);
            const std::vector<Swap> swaps =
                bestSwaps(points, chosen, allowed, differences, assigned, kSwapsJudged);
            std::vector<std::pair<double, std::vector<int>>> tried(swaps.size());
            std::vector<std::vector<int>> threadsOfTried(swaps.size());
            forEachInParallel(swaps.size(), [&](std::size_t j, std::size_t worker) {
                std::vector<int> trial = chosen;
                trial.erase(std::find(trial.begin(), trial.end(), swaps[j].out));
                trial.insert(std::lower_bound(trial.begin(), trial.end(), swaps[j].in),
                             swaps[j].in);
                tried[j] = {exactScoreOf(trial, threadsOfTried[j], judges[worker]),
                            std::move(trial)};
            });
            const auto better = std::min_element(tried.begin(), tried.end());
            if (better == tried.end() || better->first >= score) {
                break;
            }
            score = better->first;
            chosen = better->second;
            threadOfColor =
                std::move(threadsOfTried[static_cast<std::size_t>(better - tried.begin())]);
        }
        return chosen;
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
        [&] { return chooseBySquaredLab(colors, labs, limit, dmc, candidate); }, layout, threads);
    if (threadOfColor != nullptr) {
        *threadOfColor = std::move(threads);
    }
    return chosen;
}

std::vector<int> chooseThreads(std::span<const WeightedColor> colors, int limit,
                               const ThreadPalette& dmc, const ThreadCandidates& candidate) {
    limit = std::clamp(limit, 1, kDmcThreadCount);
    return chooseBySquaredLab(colors, labsOf(colors), limit, dmc, candidate);
}

} // namespace tessaline
