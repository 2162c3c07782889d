#pragma once
// Chart symbols: the fixed sequence xiuChr and the map from a cell's index to
// its symbol position (symbolPos).
#include "pattern/ColorIndex.h"
#include "pattern/ThreadPalette.h"

#include <array>
#include <string>
#include <vector>

namespace tessaline {

inline constexpr int kSymbolCount = 240;

// The 240 symbols in order, one UTF-8 character per element (position n is
// element n - 1): 75 ASCII symbols, then 165 Chinese characters.
std::vector<std::string> loadxiuChr();

// Symbol at position 1..240; empty for 0 and for positions beyond 240.
std::string symbolAt(int position);

// symbolPos(1 To 500): for a cell index (palette position under "DMC",
// colour-list position under "CC") the position of its symbol; 0 when the
// index is not in the pattern.
using SymbolMap = std::array<int, kPaletteCapacity + 1>;

// Numbers the threads in order of first appearance: the thread at
// colorList(i) gets symbol i, for i = 1..threadCount. Under "CC" colorList
// holds colours, so position i itself gets symbol i.
SymbolMap makeSymbolMap(const ColorList& colorList, int threadCount, ThreadCategory category);

// Symbol of a cell index through the map; empty when it has none.
std::string symbolOf(const SymbolMap& symbolPos, int index);

} // namespace tessaline
