// The finished look: each cell in its thread's colour, or in its own colour
// once the legend holds more threads than mix well on the cloth.
#include "pattern/FinishedLook.h"
#include "pattern/ThreadPalette.h"

#include <gtest/gtest.h>
#include <memory>

namespace tessaline {
namespace {

TEST(FinishedLook, UsesPatternColoursAboveFiftyColours) {
    auto index = std::make_unique<CellMatrix>();
    auto cells = std::make_unique<CellMatrix>();
    PatternThreads threads;
    threads.width = 1;
    threads.height = 1;
    threads.table.resize(50);
    (*index)(0, 0) = 393;
    (*cells)(0, 0) = 0x123456;
    const Pattern fifty{threads, *index, *cells, {}, {}};
    EXPECT_EQ(finishedLookColor(fifty, 0, 0), dmcPalette()[393].color);
    EXPECT_NE(finishedLookColor(fifty, 0, 0), 0x123456);

    threads.table.resize(51);
    const Pattern fiftyOne{threads, *index, *cells, {}, {}};
    EXPECT_EQ(finishedLookColor(fiftyOne, 0, 0), 0x123456);
}

} // namespace
} // namespace tessaline
