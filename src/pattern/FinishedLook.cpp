#include "pattern/FinishedLook.h"

namespace tessaline {

namespace {
constexpr int kMostThreadColouredEntries = 50;
} // namespace

Color finishedLookColor(const Pattern& pattern, int x, int y) {
    // What is left unstitched shows the cloth.
    if (pattern.unstitched(x, y)) {
        return pattern.threads.fabricColor;
    }
    if (pattern.entryCount() <= kMostThreadColouredEntries) {
        return pattern.threads.indexColor(pattern.colorIndexMatrix(x, y));
    }
    return pattern.patternMatrix(x, y);
}

} // namespace tessaline
