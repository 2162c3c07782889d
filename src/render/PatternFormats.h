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

struct PatternFormat {
    std::string_view name;      // "chart", "pdf", "book", "json", "oxs"
    std::string_view option;    // of `tessaline convert`: "-o", "--pdf", "--book", "--json", ...
    std::string_view extension; // of the window's numbered files: ".bmp", ".pdf", "-book.pdf"
    std::string_view step;      // what the command line reports while writing it, if anything
    PatternFile (*write)(const PatternFileRequest& request);
};

// Every format, in the order the command line writes them.
std::span<const PatternFormat> patternFormats();
// The format of that name or command-line option; null for none.
const PatternFormat* patternFormatNamed(std::string_view name);
const PatternFormat* patternFormatOfOption(std::string_view option);

} // namespace tessaline
