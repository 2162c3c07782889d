#pragma once
// The colour index: distinct pattern colours, mapped to palette threads and
// merged, with every cell's index left in colorIndexMatrix.
#include "app/Xiubas.h"
#include "pattern/ColorMatch.h"
#include "pattern/GenerationProgress.h"
#include "pattern/ThreadChoice.h"
#include "pattern/ThreadPalette.h"

#include <optional>

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
    // "清理零散针": a lone stitch takes a neighbour's thread where that
    // costs little colour (cleanUpLoneStitches).
    bool cleanup = false;
    // "每种线最少针数": threads with fewer stitches join their nearest kept
    // thread (mergeRareThreads); 0 or 1 keeps every thread.
    int minStitches = 0;
    // The cloth's colour, shown where nothing is stitched.
    Color fabricColor = kWhite;
    // "背景不绣": cells within this CIEDE2000 difference of the fabric colour
    // are left unstitched. Cells of transparent parts (kClearCell) are
    // unstitched whatever this says.
    std::optional<double> unstitchedBackground;

    // Whether every option beyond the original generation is off.
    bool plain() const { return !cleanup && minStitches <= 1 && !unstitchedBackground; }
    // With a thread limit: metallic and other specialty threads may be
    // chosen too (by default they are left out).
    bool allowSpecialty = false;
};

// The cell value of an unstitched cell in colorIndexMatrix.
inline constexpr int kUnstitchedIndex = 0;

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
// Unstitched cells (kClearCell, and with unstitchedBackground the cells near
// the fabric colour) get kUnstitchedIndex and take no part in any of this.
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
