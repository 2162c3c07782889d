#pragma once
// The files a generated pattern is written as. A format is one writer that
// turns a ChartSource into the file's bytes, plus its entry in
// patternFormats() (PatternFormats.cpp). The generation window saves through
// it (`Form7::savePatternFile`) and `tessaline convert` takes each entry's
// option and writes what was asked for; the bytes then go through
// app/OutputFiles, so no format opens a file.
#include "pattern/BookSettings.h"
#include "render/ChartSource.h"

#include <QImage>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// What a writer is given.
struct PatternFileRequest {
    const ChartSource& source;
    // The file's name, for a writer whose encoding follows the extension.
    std::string_view target;
    // The chart the window has already drawn; null: the writer draws it.
    const QImage* drawnCanvas = nullptr;
    ChartProgress progress = {};
    // Paper, pitch and fabric of the pattern book and the thread estimates.
    BookSettings book = {};
    // The JSON lists each legend entry's skeins on book.fabricCount (given
    // when the fabric was chosen).
    bool listSkeins = false;
};

struct PatternFile {
    std::vector<std::uint8_t> bytes;
    std::string problem; // why there are no bytes; empty when made
    bool ok() const { return problem.empty(); }
};

// How the generation window offers a format: a save button in one of its
// two rows, enabled from the start or only once a chart is drawn, and the
// messages of a save. The texts are the window's, translated in its context
// (tessaline::Form7); the button is left out when `caption` is null.
struct WindowSave {
    enum class Row { Top, Book };
    enum class Enabled {
        Always,        // usable before a generation (it may still explain why not)
        OnceGenerated, // usable once a chart is drawn
    };
    enum class Status {
        None,        // written at once
        PrintStages, // drawn with the printout's stages on the status line
        Drawing,     // drawn with `drawingText` on the status line
    };
    const char* caption = nullptr;
    Row row = Row::Top;
    Enabled enabled = Enabled::OnceGenerated;
    // Shown when asked before a generation: only a finished chart of the
    // current pattern is saved.
    const char* notGenerated = nullptr;
    const char* failed = nullptr; // followed by the file's name
    const char* saved = nullptr;  // followed by the file's name
    Status status = Status::None;
    const char* drawingText = nullptr;
    // The success message adds the printout's small-cell advice.
    bool advisesCellSize = false;
};

struct PatternFormat {
    std::string_view name;      // "chart", "pdf", "book", "json", "oxs", "finished"
    std::string_view option;    // of `tessaline convert`: "-o", "--pdf", "--book", "--json", ...
    std::string_view extension; // of the window's numbered files: ".bmp", ".pdf", "-book.pdf"
    std::string_view step = {}; // what the command line reports while writing it, if anything
    // Writing it draws text, so the chart's fonts must be loaded first.
    bool drawsText = false;
    // Its lines in `tessaline convert --help`: the option with its argument
    // and what the file holds, each line ending in a newline.
    std::string_view help = {};
    WindowSave window = {};
    PatternFile (*write)(const PatternFileRequest& request);
};

// Every format, in the order the command line writes them.
std::span<const PatternFormat> patternFormats();
// The format of that name or command-line option; null for none.
const PatternFormat* patternFormatNamed(std::string_view name);
const PatternFormat* patternFormatOfOption(std::string_view option);

} // namespace tessaline
