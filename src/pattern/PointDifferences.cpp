#include "pattern/PointDifferences.h"

#include "app/ParallelWork.h"

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

} // namespace tessaline::choice
