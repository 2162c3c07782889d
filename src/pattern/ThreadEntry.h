#pragma once
// One row of the legend: the thread table is built by sortColorIndex
// (ThreadTable.h) and read by the chart, the legend and the final preview.
#include "app/Color.h"

#include <string>
#include <vector>

namespace tessaline {

struct ThreadEntry {
    // Swatch and block colour: the thread's palette colour ("DMC") or the
    // pattern colour itself ("CC").
    Color color = kWhite;
    // The value the cells of this thread hold in colorIndexMatrix, and the
    // key of the symbol map: a palette position 1..423 ("DMC") or the
    // colour's position 1..500 in colorList ("CC").
    int paletteIndex = 0;
    // Thread number, 8 characters padded with blanks: "3713    ". Under
    // "CC" the colour as six hex digits RRGGBB: "FFC9B8  ".
    std::string threadNo;
    // Number of cells stitched with this thread. Held as a number so that
    // counts of 10000 and more are never cut.
    int amount = 0;

    std::string amountText() const { return std::to_string(amount); }
};

// Legend entry k (1-based, as the legend numbers them) is table[k - 1];
// table.size() is the number of legend entries (maxColor).
using ThreadTable = std::vector<ThreadEntry>;

} // namespace tessaline
