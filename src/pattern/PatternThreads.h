#pragma once
// The generation's thread steps in one call: colour index, thread table and
// symbol map, for either thread category. The generate command of the window
// and the command line both use it.
#include "pattern/ColorIndex.h"
#include "pattern/SymbolSet.h"
#include "pattern/ThreadTable.h"

namespace tessaline {

struct PatternThreads {
    GenerationStatus status = GenerationStatus::Done;
    ThreadCategory category = ThreadCategory::Dmc;
    int width = 0;  // cells, after clamping to 0..320
    int height = 0; // cells, after clamping to 0..320
    ColorList colorList{};
    // Distinct threads ("DMC", after merging) or colours ("CC").
    int threadCount = 0;
    // Legend entries; table.size() is maxColor.
    ThreadTable table;
    SymbolMap symbolPos{};
    // The cloth: what unstitched cells (kUnstitchedIndex) show.
    Color fabricColor = kWhite;
    // The stitcher's symbols of the pattern book, the OXS file and the JSON.
    SymbolMap stitchSymbolPos{};

    // Block colour of a cell index: the palette colour of the thread
    // ("DMC") or the pattern colour itself ("CC"); white for an unknown index.
    Color indexColor(int index) const;
    // Chart symbol of a cell index (screen, chart picture, printout).
    std::string symbol(int index) const { return symbolOf(symbolPos, index); }
    // Stitcher's symbol of a cell index (book, OXS, JSON).
    std::string stitchSymbol(int index) const { return stitchSymbolOf(stitchSymbolPos, index); }
};

// The threads the cells use that have no legend entry (fewer cells than the
// ignorable count), in order of first appearance, each with its cell count,
// colour and thread number as sortColorIndex would have made them. Every
// key lists them after the others, marked.
ThreadTable rareThreads(const PatternThreads& threads, const CellMatrix& colorIndexMatrix);

// makeColorIndex, the clean-up and rare-thread merging the settings ask for
// (pattern/StitchCleanup), sortColorIndex, makeSymbolMap and
// makeStitchSymbolMap in this order on the width x height cells of
// patternMatrix; colorIndexMatrix receives each
// cell's index. Stops at TooManyColors or Aborted with status set and the
// later steps not run.
PatternThreads generatePatternThreads(const CellMatrix& patternMatrix, int width, int height,
                                      const GenerationSettings& settings,
                                      CellMatrix& colorIndexMatrix,
                                      const GenerationProgress& progress = {});

} // namespace tessaline
