#pragma once
// Chart symbols. The screen chart, the chart picture and the one-page
// printout number the threads in order of first appearance through the fixed
// sequence xiuChr, extended past its 240th character, and never give two
// threads one symbol (symbolPos). The pattern book, the OXS file and the JSON
// use the stitcher's set instead: 500 distinct symbols, the simplest first,
// handed out by stitch count (stitchSymbolPos).
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

// The screen sequence: xiuChr, then every symbol of the stitcher's set that
// xiuChr lacks, so that it holds at least 500 different characters.
const std::vector<std::string>& screenSymbolSequence();

// Symbol at position 1.. of the screen sequence; empty for 0 and beyond it.
std::string symbolAt(int position);

// The stitcher's set: 500 different symbols, every one a distinct glyph of
// the chart font ("AR PL UMing"). The first 60 hold no two that are easily
// taken for each other (no case pairs, at most one of l/1/I/|, of O/0/o/Q/D,
// of S/5, B/8, Z/2, g/q/9, no Chinese characters), bold and simple shapes
// first.
inline constexpr int kStitchSymbolCount = 500;
const std::vector<std::string>& stitchSymbols();
// Symbol at position 1..500 of the stitcher's set; empty otherwise.
std::string stitchSymbolAt(int position);

// symbolPos(1 To 500): for a cell index (palette position under "DMC",
// colour-list position under "CC") the position of its symbol; 0 when the
// index is not in the pattern.
using SymbolMap = std::array<int, kPaletteCapacity + 1>;

// Numbers the threads in order of first appearance: the thread at
// colorList(i) gets symbol i, for i = 1..threadCount. Under "CC" colorList
// holds colours, so position i itself gets symbol i. Where position i holds
// a character an earlier thread already has (xiuChr repeats eleven) or lies
// past the sequence, the thread takes the next symbol past xiuChr that no
// thread has yet, so no two threads share one and none goes without.
SymbolMap makeSymbolMap(const ColorList& colorList, int threadCount, ThreadCategory category);

// The stitcher's symbols: the thread with the most stitches in `cells`
// (width x height) gets the first symbol of the set, the next one the
// second; equal counts keep the order of first appearance. Threads are the
// cell indices of colorList(1..threadCount) as in makeSymbolMap; a thread
// with no stitch comes last.
SymbolMap makeStitchSymbolMap(const ColorList& colorList, int threadCount, ThreadCategory category,
                              const CellMatrix& cells, int width, int height);

// Symbol of a cell index through the map; empty when it has none.
std::string symbolOf(const SymbolMap& symbolPos, int index);
// The same through a map of makeStitchSymbolMap.
std::string stitchSymbolOf(const SymbolMap& stitchSymbolPos, int index);

} // namespace tessaline
