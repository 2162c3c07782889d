#pragma once
// Progress and abort for the generation steps. The window maps the phases
// to its status texts and progress bar.
#include "app/Progress.h"

namespace tessaline {

enum class GenerationPhase {
    CreatingColorIndex, // collecting colours, mapping and merging threads
    CountingThreads,    // counting cells and building the thread table
};

using GenerationProgress = Progress<GenerationPhase>;

// How a generation step ended.
enum class GenerationStatus {
    Done,
    TooManyColors, // more than 500 distinct colours in the pattern
    Aborted,       // the progress callback asked to stop
};

} // namespace tessaline
