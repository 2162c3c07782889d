#pragma once
// The colour index: distinct pattern colours, mapped to palette threads and
// merged, with every cell's index left in colorIndexMatrix.
#include "app/Xiubas.h"
#include "pattern/ColorMatch.h"
#include "pattern/GenerationProgress.h"
#include "pattern/ThreadChoice.h"
#include "pattern/ThreadPalette.h"

namespace tessaline {

// colorList(1 To 500); element 0 is unused.
using ColorList = decltype(Xiubas::colorList);
inline constexpr int kMaxPatternColors = Xiubas::kColorListSize;
// A pattern is at most 320 x 320 cells.
inline constexpr int kMaxPatternSide = 320;

struct GenerationSettings {
    ThreadCategory category = ThreadCategory::Dmc;
    // Squared RGB distance within which threads merge (0 merges nothing).
    int reduceStrength = 1600;
    // Threads with fewer cells than this get no legend entry.
    int ignorableCount = 5;
    // "DMC" only: at most this many threads, chosen for the picture (2..423);
    // 0 for no limit.
    int threadLimit = 0;
    // How every colour finds its thread.
    ColorMatch match = ColorMatch::Rgb;
    // With a thread limit: metallic and other specialty threads may be
    // chosen too (by default they are left out).
    bool allowSpecialty = false;
};

struct ColorIndexOutcome {
    GenerationStatus status = GenerationStatus::Done;
    // Distinct threads after merging ("DMC") or distinct colours ("CC").
    int maxColor = 0;
    // The number of threads that get symbols; equal to maxColor when Done.
    int threadCount = 0;
};

// Builds colorList and colorIndexMatrix from the width x height cells of
// patternMatrix (sides clamped to 0..320), scanning row by row from the
// top-left cell. "DMC": colorList(1..threadCount) are the distinct palette
// positions in order of first appearance, each cell holds its palette
// position. "CC": colorList(1..maxColor) are the pattern's own colours, each
// cell holds its colour's position. More than 500 colours stop with
// TooManyColors; progress is reported per cell, then per row.
// With a thread limit ("DMC" only) the colours are not counted against 500:
// chooseThreads picks the threads from all of them, every colour takes the
// nearest chosen thread, and no merging follows.
ColorIndexOutcome makeColorIndex(const CellMatrix& patternMatrix, int width, int height,
                                 const GenerationSettings& settings, const ThreadPalette& dmc,
                                 ColorList& colorList, CellMatrix& colorIndexMatrix,
                                 const GenerationProgress& progress = {});

// Merges palette positions list(1..count) whose palette colours lie within
// squared distance `limit`: each unmerged entry, in list order, takes over
// every later entry close to it. Changes the list in place; count is
// clamped to the list's 500 entries, positions outside 1..500 are left alone.
void mergeCloseThreads(ColorList& list, int count, int limit, const ThreadPalette& dmc);

} // namespace tessaline
