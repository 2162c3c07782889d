#pragma once
// A generated pattern as every output takes it: its threads (legend order,
// amounts and symbols), each cell's legend index and colour, the title and
// the threads replaced before the generation. The chart, the printout, the
// JSON and any further format are made from this (render/PatternFormats).
#include "app/Xiubas.h"
#include "pattern/PatternThreads.h"

#include <string>
#include <vector>

namespace tessaline {

// A thread replaced before the generation, and how many cells it had.
struct ReplacementRecord {
    std::string from; // DMC thread numbers
    std::string to;
    int cells = 0;
};

struct Pattern {
    // Size, category, thread count, legend entries and symbols.
    const PatternThreads& threads;
    // Each cell's index (palette position for "DMC"), as the threads were made from.
    const CellMatrix& colorIndexMatrix;
    // The cells' own colours; the printed blocks use them.
    const CellMatrix& patternMatrix;
    std::string title; // empty: the chart's own title
    std::vector<ReplacementRecord> replacements;

    int width() const { return threads.width; }
    int height() const { return threads.height; }
    int entryCount() const { return static_cast<int>(threads.table.size()); }
    // Left bare: blank on the charts, in no count, the cloth in the files.
    bool unstitched(int x, int y) const { return colorIndexMatrix(x, y) == kUnstitchedIndex; }
    // The threads on the chart without a legend entry (see rareThreads).
    ThreadTable rare() const { return rareThreads(threads, colorIndexMatrix); }
};

} // namespace tessaline
