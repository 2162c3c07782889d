#pragma once
// `tessaline palette-export INPUT OUTPUT`: the developers' palette export
// (a binary ".pal" file to the text lines the palette is written from).
#include <string>
#include <vector>

namespace tessaline {

struct CommandOutcome {
    int exitCode = 0;
    std::string error; // one line when exitCode is not 0
    std::string note;  // what was done, for a terminal
};

// Runs the export for the arguments that follow the word "palette-export".
CommandOutcome runPaletteExport(const std::vector<std::string>& args);

} // namespace tessaline
