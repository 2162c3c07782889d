#include "pattern/ColorClusters.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace tessaline::choice {

namespace {

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

} // namespace

int binOf(Color color, int bits) {
    const int shift = 8 - bits;
    return (getRed(color) >> shift) << (2 * bits) | (getGreen(color) >> shift) << bits |
           (getBlue(color) >> shift);
}

std::vector<Point> groupColors(std::span<const WeightedColor> colors, std::span<const Lab> labs,
                               int bits, std::vector<int>* pointOf) {
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

} // namespace tessaline::choice
