#pragma once
// The colour groups the CIEDE2000 thread choice works on, their differences
// from palette threads, worked out once and shared, and their nearest chosen
// threads under a choice.
#include "pattern/ColorClusters.h"
#include "pattern/ColorMatch.h"
#include "pattern/ThreadPalette.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

namespace tessaline::choice {

// The fewest points a core is given to find threads for among the whole
// palette.
inline constexpr std::size_t kPointsPerRange = 256;

// A colour group as the CIEDE2000 choice sees it: its CIELAB mean, its cell
// count and its own nearest palette thread.
struct LabPoint {
    Lab lab;
    double weight = 0;
    int own = 0; // the nearest thread of the whole palette
};

// The groups as points of the CIEDE2000 choice, each with its own nearest
// thread of `whole`.
std::vector<LabPoint> labPointsOf(const std::vector<Point>& grouped, const ThreadMatcher& whole);

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
    // The same, kept only where the thread's differences are kept already: a
    // thread tried on a few points is not worth a column of its own.
    double onceUnlessKept(std::size_t point, int position, const Lab& threadLab) const {
        const std::atomic<double>* column =
            columns_[static_cast<std::size_t>(position)].load(std::memory_order_acquire);
        if (column == nullptr) {
            return deltaE2000(points_[point].lab, threadLab);
        }
        return (*this)(point, position, threadLab);
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

// The points' threads under one choice: each point's nearest chosen thread
// and its weighted difference, and their sum.
struct Assignment {
    std::vector<int> owner;
    std::vector<double> loss;
    double total = 0;
};

// Summed weighted CIEDE2000 of the points to their nearest chosen thread;
// `owner` receives each point's thread and `loss` its weighted difference.
double assignByLab(const std::vector<LabPoint>& points, const std::vector<int>& chosen,
                   const PointDifferences& differences, std::vector<int>& owner,
                   std::vector<double>& loss);

// Fills the places `limit` leaves free in the sorted `threads` with the own
// threads of the worst-served points, worst first.
void addWorstServedThreads(const std::vector<LabPoint>& points, const std::vector<double>& loss,
                           int limit, std::vector<int>& threads);

} // namespace tessaline::choice
