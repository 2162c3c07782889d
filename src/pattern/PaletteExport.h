#pragma once
// Developer facility: converts a binary ".pal" palette file into the text
// lines that loadColor is written from ("dmc(1).color = 12110335").
#include <filesystem>
#include <string>

namespace tessaline {

enum class PaletteExportError {
    None,
    MissingInput,     // the input file does not exist or cannot be read
    UnwritableOutput, // the output file cannot be created or replaced
    TooManyRecords,   // more than 500 records, the size of the palette
    Malformed,        // no leading value, a cut record or an unprintable number
};

struct PaletteExportResult {
    PaletteExportError error = PaletteExportError::None;
    int records = 0;     // records written
    std::string message; // one line for the user when error != None

    bool ok() const { return error == PaletteExportError::None; }
};

inline constexpr int kMaxPaletteRecords = 500;

// Reads `input` (a 4-byte value that is ignored, then records of a 4-byte
// little-endian colour and a 10-byte thread number) and writes two CR LF
// lines per record to `output` ("-" for standard output). The output is
// replaced only when the whole export succeeds.
PaletteExportResult exportPalette(const std::filesystem::path& input,
                                  const std::filesystem::path& output);

} // namespace tessaline
