#pragma once
// Clustering a picture's colours in CIELAB by squared distance, where the
// thread choice's starts come from: colours grouped into cubes, the median
// cut, k-means++ seeds and Lloyd's rounds.
#include "pattern/ColorMatch.h"
#include "pattern/ThreadChoice.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tessaline::choice {

// A group of picture colours in CIELAB with its cell count as weight.
struct Point {
    std::array<double, 3> lab{};
    double weight = 0;
};

using Centre = std::array<double, 3>;

inline double squaredDistance(const std::array<double, 3>& x, const Centre& c) {
    const double d0 = x[0] - c[0];
    const double d1 = x[1] - c[1];
    const double d2 = x[2] - c[2];
    return d0 * d0 + d1 * d1 + d2 * d2;
}

// The colour's cube when each channel keeps its top `bits` bits.
int binOf(Color color, int bits);

// Colours are grouped by their top `bits` bits per channel (five unless
// said), each group at the weighted mean of its members: far fewer points to
// cluster, with the precision of the exact colours kept in the means.
// `labs` holds each colour in CIELAB; `pointOf`, when given, receives each
// colour's point (-1 for none).
std::vector<Point> groupColors(std::span<const WeightedColor> colors, std::span<const Lab> labs,
                               int bits = 5, std::vector<int>* pointOf = nullptr);

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

// Initial groups: the box whose cut gains most is cut, until there are
// `limit` boxes or no cut gains anything. The points are reordered.
std::vector<Centre> splitIntoGroups(std::vector<Point>& points, int limit);

// The centre nearest to a point.
std::size_t nearestCentre(const Point& p, const std::vector<Centre>& centres);

// Lloyd's iterations: every point joins its nearest centre, every centre
// moves to its members' mean; a centre that loses all members stays put.
// Hamerly's bounds spare most of the distances: each point keeps an upper
// bound on the distance to its centre and a lower bound on the distance to
// any other, both moved by how far the centres moved, and is looked at again
// only when they no longer prove its centre nearest. The groups come out as
// plain Lloyd's rounds would make them.
void refineGroups(const std::vector<Point>& points, std::vector<Centre>& centres, int rounds);

// Starting groups for Lloyd's rounds by k-means++: the first centre drawn by
// weight, each next one by weight times squared distance to the nearest
// centre so far. A generator of our own draws, so every system draws alike.
std::vector<Centre> seedGroups(const std::vector<Point>& points, int limit, std::uint64_t seed);

} // namespace tessaline::choice
