#pragma once
// Independent pieces of work shared out over the processor's cores. Each
// piece writes only its own results, so the outcome is the same on one core
// or many, whatever order the pieces finish in.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <type_traits>
#include <vector>

namespace tessaline {

// How many workers share out `count` pieces: one a core, at most one a
// piece, at least one.
inline std::size_t parallelWorkers(std::size_t count) {
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return std::max<std::size_t>(1, std::min(count, cores));
}

// Runs work(i) for every i in 0..count-1, on as many cores as there are,
// and returns when all are done; work(i, worker) is also told which of the
// parallelWorkers(count) workers runs it, for working space of its own. The
// first exception a piece throws is thrown again here once the others have
// stopped. Where no further thread can be started, those started do the
// work.
template <typename Work> void forEachInParallel(std::size_t count, const Work& work) {
    const std::size_t helpers = count > 0 ? parallelWorkers(count) - 1 : 0;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto run = [&](std::size_t worker) {
        try {
            for (std::size_t i = next++; i < count && !failed; i = next++) {
                if constexpr (std::is_invocable_v<const Work&, std::size_t, std::size_t>) {
                    work(i, worker);
                } else {
                    work(i);
                }
            }
        } catch (...) {
            const std::lock_guard lock(failureLock);
            if (!failure) {
                failure = std::current_exception();
            }
            failed = true;
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t h = 1; h <= helpers; ++h) {
        try {
            threads.emplace_back(run, h);
        } catch (const std::system_error&) {
            break; // the work left is done by those started
        }
    }
    run(0);
    for (std::thread& thread : threads) {
        thread.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

// Runs work(begin, end) over consecutive ranges that cover 0..count-1, each
// of at least `grain` items, in parallel as above.
template <typename Work>
void forRangesInParallel(std::size_t count, std::size_t grain, const Work& work) {
    const std::size_t ranges = std::clamp<std::size_t>(count / std::max<std::size_t>(grain, 1), 1,
                                                       4 * parallelWorkers(count));
    forEachInParallel(ranges,
                      [&](std::size_t r) { work(count * r / ranges, count * (r + 1) / ranges); });
}

} // namespace tessaline
