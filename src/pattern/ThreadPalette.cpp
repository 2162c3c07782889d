#include "pattern/ThreadPalette.h"

#include "pattern/DmcTable.h"

namespace tessaline {

std::string padThreadNumber(std::string_view number) {
    std::string padded(number.substr(0, kThreadNumberLength));
    padded.resize(kThreadNumberLength, ' ');
    return padded;
}

void loadColor(ThreadPalette& dmc) {
    for (int i = 1; i <= kDmcThreadCount; ++i) {
        const DmcThread& thread = kDmcThreads[static_cast<std::size_t>(i - 1)];
        dmc[static_cast<std::size_t>(i)].color = thread.color;
        dmc[static_cast<std::size_t>(i)].cindex = padThreadNumber(thread.number);
    }
}

ThreadPalette loadColor() {
    ThreadPalette dmc{};
    loadColor(dmc);
    return dmc;
}

const ThreadPalette& dmcPalette() {
    static const ThreadPalette palette = loadColor();
    return palette;
}

namespace {

int squaredDistance(Color a, Color b) {
    const int dr = getRed(a) - getRed(b);
    const int dg = getGreen(a) - getGreen(b);
    const int db = getBlue(a) - getBlue(b);
    return dr * dr + dg * dg + db * db;
}

} // namespace

int nearestThread(const ThreadPalette& dmc, Color color) {
    int best = 1;
    int bestDistance = squaredDistance(color, dmc[1].color);
    // Strictly smaller only: on a tie the earlier table entry keeps its place.
    for (int i = 2; i <= kDmcThreadCount; ++i) {
        const int d = squaredDistance(color, dmc[static_cast<std::size_t>(i)].color);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

int nearestThread(Color color) {
    return nearestThread(dmcPalette(), color);
}

ThreadCategory threadCategoryFromText(std::string_view whichType) {
    return whichType.empty() || whichType == "DMC" ? ThreadCategory::Dmc : ThreadCategory::Cc;
}

std::string_view threadCategoryText(ThreadCategory category) {
    return category == ThreadCategory::Dmc ? "DMC" : "CC";
}

} // namespace tessaline
