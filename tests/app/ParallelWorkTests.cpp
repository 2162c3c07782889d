// Sharing work out over the cores: every piece runs once, on a worker of its
// own numbering, and a piece's failure reaches the caller.
#include "app/ParallelWork.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace tessaline {
namespace {

TEST(ParallelWork, EveryPieceRunsOnceAndFailuresReachTheCaller) {
    for (const std::size_t count :
         {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{1000}}) {
        std::vector<std::atomic<int>> runs(count);
        std::atomic<bool> workerInRange{true};
        forEachInParallel(count, [&](std::size_t i, std::size_t worker) {
            ++runs[i];
            if (worker >= parallelWorkers(count)) {
                workerInRange = false;
            }
        });
        for (std::size_t i = 0; i < count; ++i) {
            ASSERT_EQ(runs[i], 1) << "piece " << i << " of " << count;
        }
        EXPECT_TRUE(workerInRange);
    }
    // Ranges cover every item once, in order, none empty.
    std::vector<int> covered(10001, 0);
    std::atomic<bool> emptyRange{false};
    forRangesInParallel(covered.size(), 64, [&](std::size_t begin, std::size_t end) {
        emptyRange = emptyRange || begin >= end;
        for (std::size_t i = begin; i < end; ++i) {
            ++covered[i];
        }
    });
    EXPECT_FALSE(emptyRange);
    EXPECT_EQ(std::count(covered.begin(), covered.end(), 1), static_cast<long>(covered.size()));

    EXPECT_THROW(forEachInParallel(100,
                                   [](std::size_t i) {
                                       if (i == 37) {
                                           throw std::runtime_error("piece 37");
                                       }
                                   }),
                 std::runtime_error);
}

} // namespace
} // namespace tessaline
