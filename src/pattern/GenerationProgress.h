#pragma once
// Progress and abort for the generation steps, and the status texts of
// their phases. The window maps these to its status label and progress bar.
#include "app/Progress.h"

#include <string_view>

namespace tessaline {

enum class GenerationPhase {
    CreatingColorIndex, // collecting colours, mapping and merging threads
    CountingThreads,    // counting cells and building the thread table
};

// Status label text of a phase.
std::string_view phaseStatusText(GenerationPhase phase);

using GenerationProgress = Progress<GenerationPhase>;

// How a generation step ended.
enum class GenerationStatus {
    Done,
    TooManyColors, // more than 500 distinct colours in the pattern
    Aborted,       // the progress callback asked to stop
};

// Message box of the too-many-colours stop (blanks are part of the text).
inline constexpr std::string_view kTooManyColorsMessage =
    "    绣图颜色太多，请先点 效果预览 进行减色后再生成。。。 ";
inline constexpr std::string_view kTooManyColorsTitle = "Quillmere inc.";

} // namespace tessaline
