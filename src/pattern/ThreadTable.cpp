#include "pattern/ThreadTable.h"

#include <algorithm>
#include <cstdio>

namespace tessaline {

namespace {

constexpr std::size_t kLegendNumberLength = 8;

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

bool validIndex(int index) {
    return index >= 1 && index <= kMaxPatternColors;
}

} // namespace

std::string legendThreadNumber(const std::string& cindex) {
    std::string number = cindex.substr(0, kLegendNumberLength);
    number.resize(kLegendNumberLength, ' ');
    return number;
}

std::string colorThreadNumber(Color color) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", getRed(color), getGreen(color), getBlue(color));
    return legendThreadNumber(hex);
}

GenerationStatus sortColorIndex(const CellMatrix& colorIndexMatrix, int width, int height,
                                const GenerationSettings& settings, const ThreadPalette& dmc,
                                const ColorList& colorList, ThreadTable& table,
                                const GenerationProgress& progress) {
    width = std::clamp(width, 0, kMaxPatternSide);
    height = std::clamp(height, 0, kMaxPatternSide);
    table.clear();
    progress.enter(GenerationPhase::CountingThreads);

    // One pass counts every index; the second pass walks the cells in order
    // so that entries appear in order of first appearance. This gives the
    // same table as counting each thread with a scan of its own when first
    // met, without a full scan per thread.
    std::array<int, kMaxPatternColors + 1> counts{};
    const int total = 2 * height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = colorIndexMatrix(x, y);
            if (validIndex(index)) {
                ++counts[at(index)];
            }
        }
        if (!progress.report(y + 1, total)) {
            return GenerationStatus::Aborted;
        }
    }

    std::array<bool, kMaxPatternColors + 1> decided{};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = colorIndexMatrix(x, y);
            if (!validIndex(index) || decided[at(index)]) {
                continue;
            }
            decided[at(index)] = true;
            // Rare threads get no entry but keep their cells and symbols.
            if (counts[at(index)] < settings.ignorableCount) {
                continue;
            }
            ThreadEntry entry;
            entry.paletteIndex = index;
            entry.amount = counts[at(index)];
            if (settings.category == ThreadCategory::Dmc) {
                entry.color = dmc[at(index)].color;
                entry.threadNo = legendThreadNumber(dmc[at(index)].cindex);
            } else {
                entry.color = colorList[at(index)];
                entry.threadNo = colorThreadNumber(entry.color);
            }
            table.push_back(std::move(entry));
        }
        if (!progress.report(height + y + 1, total)) {
            return GenerationStatus::Aborted;
        }
    }
    return GenerationStatus::Done;
}

} // namespace tessaline
