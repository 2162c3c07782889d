#include "pattern/FinishedLook.h"

namespace tessaline {

namespace {
constexpr int kMostThreadColouredEntries = 50;
} // namespace

Color finishedLookColor(const Pattern& pattern, int x, int y) {
    if (pattern.entryCount() <= kMostThreadColouredEntries) {
        return pattern.threads.indexColor(pattern.colorIndexMatrix(x, y));
    }
    return pattern.patternMatrix(x, y);
}

} // namespace tessaline
