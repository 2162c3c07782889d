#pragma once
// sortColorIndex: counts the cells of each thread and builds the legend's
// thread table in order of first appearance.
#include "pattern/ColorIndex.h"
#include "pattern/ThreadEntry.h"

namespace tessaline {

// Fills `table` from a colorIndexMatrix built by makeColorIndex. Threads with
// fewer cells than settings.ignorableCount get no entry (their cells keep
// their index). "DMC": colour and number from the palette. "CC": the entry's
// colour is colorList(index) and its number the colour's six hex digits.
// Cell values outside 1..500 are not counted. Progress is reported per row.
GenerationStatus sortColorIndex(const CellMatrix& colorIndexMatrix, int width, int height,
                                const GenerationSettings& settings, const ThreadPalette& dmc,
                                const ColorList& colorList, ThreadTable& table,
                                const GenerationProgress& progress = {});

// "3713      " -> "3713    ": the first 8 characters of a thread number.
std::string legendThreadNumber(const std::string& cindex);

// Thread number of a "CC" entry: the colour as RRGGBB, padded to 8.
std::string colorThreadNumber(Color color);

} // namespace tessaline
