#pragma once
// The options of `tessaline convert PICTURE [options]`, checked as they are
// read: every value outside what the windows offer is refused with one line
// naming the option and what it accepts.
#include "app/InterfaceLanguage.h"
#include "pattern/BookSettings.h"
#include "pattern/ColorMatch.h"
#include "pattern/FabricColor.h"
#include "pattern/ThreadPalette.h"
#include "render/ChartSource.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

enum class FrameMode { Whole, Region };

// One --replace FROM=TO: two DMC thread numbers and their palette positions.
struct ThreadSwap {
    std::string fromNumber;
    std::string toNumber;
    int from = 0;
    int to = 0;
};

struct ConvertOptions {
    std::string picture;
    FrameMode mode = FrameMode::Whole;
    // Whole mode: width is the zoom value. Region mode: the size bars.
    std::optional<int> width;
    std::optional<int> height;
    // Region mode only: the picture's display width and the region offset.
    std::optional<int> zoom;
    int offsetX = 0;
    int offsetY = 0;

    int method = 16; // ColorBit
    int strength = 1600;
    int ignore = 5;
    ChartKind kind = ChartKind::SymbolsOnly;
    int grid = 10;
    std::string title;
    ThreadCategory category = ThreadCategory::Dmc;
    // Applied in order after the effect preview, as the colour replacement
    // window replaces threads.
    std::vector<ThreadSwap> replacements;
    int threads = 0; // at most this many threads (2..423); 0 for no limit
    ColorMatch match = ColorMatch::Rgb;
    // --cleanup, --min-stitches, --fabric-colour, --unstitched-background:
    // see GenerationSettings.
    bool cleanup = false;
    int minStitches = 0;
    Color fabricColor = kWhite;
    std::optional<double> unstitchedBackground;
    // --allow-specialty: the thread limit may choose metallic threads too.
    bool allowSpecialty = false;
    // The language of the chart texts; nothing for the locale's.
    std::optional<InterfaceLanguage> language;

    // Outputs; "-" is standard output. The pattern's files by format name
    // (render/PatternFormats: "chart", "pdf", "json", "oxs"), as their options give
    // them; the effect picture is the reduced region, made before any thread.
    std::map<std::string, std::string, std::less<>> patternPaths;
    std::string effectPath; // empty when not asked for

    // --paper, --pitch, --fabric: the pattern book's paper and pitch, and
    // the fabric its legend (and the JSON, when --fabric is given) counts
    // skeins for.
    BookSettings book;
    bool fabricGiven = false;

    // --print: the printout on a print queue, `printer` or the default one;
    // --book-print: the pattern book (paper, pitch and fabric as given).
    bool print = false;
    bool printBook = false;
    std::string printer;

    bool help = false;
    bool version = false; // --version: the program's version, nothing else

    // The file given for a pattern format; empty when not asked for.
    const std::string& patternPath(std::string_view format) const;

    // True when a pattern file or the printout needs the generation.
    bool needsThreads() const { return !patternPaths.empty() || print; }
};

// The largest --strength: the squared RGB distance of black and white, past
// which nothing more can merge.
inline constexpr int kMaxStrength = 3 * 255 * 255;
// The largest --min-stitches.
inline constexpr int kMaxMinStitches = 100'000;
// The largest --offset coordinate; the region may lie past the picture.
inline constexpr int kMaxOffset = 1'000'000;

struct ConvertParse {
    ConvertOptions options;
    std::string error; // one line when the arguments are refused
    bool ok() const { return error.empty(); }
};

// Reads the arguments that follow the word "convert".
ConvertParse parseConvertOptions(const std::vector<std::string>& args);

// The reduction code of --method: a code (0, 1, 2, 3, 4, 8, 16) or a
// caption of the settings window ("高分辨彩色图", "1bit", ...).
std::optional<int> methodFromText(const std::string& text);
// The chart kind of --kind: a caption of the generation window or
// "blocks+symbols", "symbols", "blocks".
std::optional<ChartKind> chartKindFromOption(const std::string& text);

} // namespace tessaline
