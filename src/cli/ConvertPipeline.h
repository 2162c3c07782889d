#pragma once
// `tessaline convert`: the windows' road from picture to pattern without
// the windows. The picture is handed to the workspace, framed in whole or
// region mode, reduced by the effect preview, turned into threads and
// written as chart, printout, effect picture and JSON, all or nothing.
#include "app/Progress.h"
#include "cli/ConvertOptions.h"

#include <ostream>
#include <string>
#include <string_view>

namespace tessaline {

// Exit codes of the command line.
enum ExitCode : int {
    kExitOk = 0,
    kExitFailure = 1,       // an internal step failed (temporary folder, memory)
    kExitUsage = 2,         // a bad option or option value
    kExitInput = 3,         // the input is missing, unreadable or not what it should be
    kExitTooManyColors = 4, // the pattern has more than 500 colours
    kExitOutput = 5,        // an output file cannot be written, or the printout not printed
};

struct ConvertResult {
    int exitCode = kExitOk;
    std::string error; // one line when exitCode is not kExitOk
    std::string note;  // one line worth knowing after a success, or empty
    // One line on what an opened pattern file held that did not come along
    // (stitches left out, threads matched), or empty.
    std::string warning;
    bool ok() const { return exitCode == kExitOk; }
};

// Its stage callback runs as each step starts, with a few words naming it.
using ConvertProgress = Progress<std::string_view>;

// Runs the conversion. Needs a QGuiApplication (the chart and the printout
// draw text). The JSON goes to `standardOutput` when its path is "-", after
// every file output is in place.
ConvertResult convertPicture(const ConvertOptions& options, std::ostream& standardOutput,
                             const ConvertProgress& progress = {});

} // namespace tessaline
