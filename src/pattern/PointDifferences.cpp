#include "pattern/PointDifferences.h"

#include "app/ParallelWork.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tessaline::choice {

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

void addWorstServedThreads(const std::vector<LabPoint>& points, const std::vector<double>& loss,
                           int limit, std::vector<int>& threads) {
    if (static_cast<int>(threads.size()) >= limit) {
        return;
    }
    std::vector<std::pair<double, std::size_t>> worst;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (loss[i] > 0) {
            worst.emplace_back(loss[i], i);
        }
    }
    // Worst first, taken off a heap: usually only a few are needed.
    std::make_heap(worst.begin(), worst.end());
    for (auto end = worst.end(); end != worst.begin() && static_cast<int>(threads.size()) < limit;
         --end) {
        std::pop_heap(worst.begin(), end);
        const int p = points[std::prev(end)->second].own;
        if (!std::binary_search(threads.begin(), threads.end(), p)) {
            threads.insert(std::lower_bound(threads.begin(), threads.end(), p), p);
        }
    }
}

} // namespace tessaline::choice
