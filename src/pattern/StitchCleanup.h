#pragma once
// The stitcher's tidying of a made colour index: lone stitches ("confetti")
// taken over by a neighbour's thread where that costs little colour, and
// threads too rare to earn their skein merged into their nearest kept
// thread. Both work on colorIndexMatrix after makeColorIndex, on every road.
#include "pattern/ColorIndex.h"

namespace tessaline {

// The largest CIEDE2000 a lone stitch's colour may lose by taking a
// neighbour's thread, beyond what its own thread already loses.
inline constexpr double kLoneStitchTolerance = 7.0;
// What a lone stitch may lose and still always be cleaned up.
inline constexpr double kFreeLoneStitchCost = 2.0;
// The share of lone stitches beyond which a pattern counts as dithered.
inline constexpr double kDitheredLoneShare = 1.0 / 3.0;

// A cell none of whose four neighbours holds its thread; unstitched cells
// are never lone and count as no neighbour.
bool isLoneStitch(const CellMatrix& colorIndexMatrix, int width, int height, int x, int y);

// Lone stitches among the stitched cells, as a share 0..1.
double loneStitchShare(const CellMatrix& colorIndexMatrix, int width, int height);

// Lone stitches take the thread of the neighbour closest (CIEDE2000) to the
// cell's colour in patternMatrix, where that thread is at most
// kLoneStitchTolerance further from it than the cell's own thread; the
// cheapest first (then the first cell in row order), until at most two in
// five of the lone stitches are left, and beyond that every one that costs
// at most kFreeLoneStitchCost. In a dithered pattern (more than
// kDitheredLoneShare of the stitches lone), a lone stitch most of whose
// neighbours are lone too, and whose colour lies more than
// kLoneStitchTolerance from the mean colour of the stitched cells around it,
// is judged against that mean, and only until the two in five. A cell that
// changes joins a neighbour, and none of its neighbours loses a partner, so
// no new lone stitch appears.
// `indexColors` gives each cell value's thread colour. Returns the cells changed.
int cleanUpLoneStitches(CellMatrix& colorIndexMatrix, const CellMatrix& patternMatrix, int width,
                        int height, const ColorList& indexColors);

// Threads with fewer than minStitches cells join the kept thread nearest in
// CIEDE2000; when no thread reaches minStitches the most used one is kept.
// Returns the threads merged away.
int mergeRareThreads(CellMatrix& colorIndexMatrix, int width, int height, int minStitches,
                     const ColorList& indexColors);

// The thread colour of every cell value 1..500 under `category`: the
// palette's colour ("DMC") or colorList's own ("CC").
ColorList indexColorsOf(ThreadCategory category, const ColorList& colorList,
                        const ThreadPalette& dmc);

// After threads left the cells: colorList(1..) and the cell values as
// makeColorIndex would have left them, the threads in order of first
// appearance ("CC" renumbers the colours so); returns the thread count.
int renumberThreads(CellMatrix& colorIndexMatrix, int width, int height, ThreadCategory category,
                    ColorList& colorList);

} // namespace tessaline
