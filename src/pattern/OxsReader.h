#pragma once
// Reading an OXS file back into a pattern: the chart's size, title and
// fabric count, its palette (cloth, then threads with number, name, colour,
// symbol and strands) and its full stitches. What the program's patterns
// cannot hold (part stitches, backstitches, knots, beads and other
// ornaments, comment boxes, blended threads) is counted and left out.
// Threads numbered as DMC threads become those threads; a file whose every
// thread is written as its own colour (RRGGBB, as "CC" patterns are saved)
// stays a pattern of its own colours; any other thread (another brand, a
// custom colour, a DMC number the palette lacks) becomes its nearest DMC
// thread under the chosen colour matching and is listed.
#include "pattern/ColorMatch.h"
#include "pattern/Pattern.h"
#include "pattern/PatternThreads.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// Why a file is refused.
enum class OxsError {
    None,
    NotXml,              // not well-formed XML (or not UTF-8 text)
    NotAChart,           // XML, but no <chart> root or no chart size
    BadSize,             // the size is not a whole number, is 0 or less, or beyond 1000 x 1000
    TooLarge,            // a size up to 1000 x 1000, but more than the 320 x 320 a pattern holds
    BadStitch,           // a full stitch without whole-number x, y and palindex
    StitchOutside,       // a full stitch outside the chart
    UnknownPaletteIndex, // a full stitch names a palette index the palette lacks
    BadPalette,          // a palette item's index is not a whole number from 0 to 9999
    TooManyThreads,      // more than 500 threads stitched
};

// The largest chart side a file may declare at all.
inline constexpr int kMaxOxsChartSide = 1000;
inline constexpr int kMaxOxsPaletteIndex = 9999;

struct OxsProblem {
    OxsError error = OxsError::None;
    // Where it is: the stitch's cell, the declared size, or the index.
    int x = 0;
    int y = 0;
    int value = 0;
};

// What the file held that the pattern leaves out, by kind.
struct OxsLeftOut {
    int halfStitches = 0;   // part stitches across a whole cell ("/" or "\")
    int partStitches = 0;   // quarter and three-quarter stitches
    int backstitches = 0;   // backstitches and other lines
    int knots = 0;          // French knots
    int beads = 0;          // beads
    int otherOrnaments = 0; // any other ornament
    int comments = 0;       // comment boxes
    int blendedThreads = 0; // threads blended of two: read as their first colour
    bool any() const {
        return halfStitches + partStitches + backstitches + knots + beads + otherOrnaments +
                   comments + blendedThreads >
               0;
    }
};

// A thread of the file that is not a DMC thread of the palette, and the DMC
// thread it became.
struct OxsMatchedThread {
    std::string number; // as the file numbers it, or its colour RRGGBB when it has no number
    int dmcPosition = 0;
};

// The pattern as read, owning what Pattern refers to.
struct OxsPattern {
    PatternThreads threads;
    CellMatrix colorIndexMatrix;    // 0 for a cell left as cloth
    CellMatrix patternMatrix;       // each cell's thread colour, kClearCell for cloth
    std::string title;              // empty when the file gives the chart's own
    std::optional<int> fabricCount; // the file's stitches per inch, when one the program offers
    OxsLeftOut leftOut;
    int duplicateCells = 0; // stitches given again for a cell already stitched
    std::vector<OxsMatchedThread> matched;

    Pattern pattern() const { return Pattern{threads, colorIndexMatrix, patternMatrix, title, {}}; }
    // Anything the warning line should mention.
    bool hasWarning() const { return leftOut.any() || duplicateCells > 0 || !matched.empty(); }
};

struct OxsReadSettings {
    ColorMatch match = ColorMatch::Rgb;
    // Threads with fewer cells than this get no legend entry, as in a generation.
    int ignorableCount = 5;
};

struct OxsReadResult {
    OxsProblem problem;
    std::unique_ptr<OxsPattern> pattern; // set when problem.error is None
    bool ok() const { return problem.error == OxsError::None; }
};

OxsReadResult readOxs(std::string_view text, const OxsReadSettings& settings = {});

// The DMC palette position of a thread named as a DMC thread: "DMC 310",
// "DMC    310", "310", "B5200" (DMC's own number of 5200); 0 for any other.
int dmcPositionOfOxsNumber(std::string_view number);

} // namespace tessaline
