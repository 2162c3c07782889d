#include "pattern/PatternThreads.h"

#include "pattern/StitchCleanup.h"

#include <algorithm>
#include <array>

namespace tessaline {

Color PatternThreads::indexColor(int index) const {
    if (index < 1 || index > kMaxPatternColors) {
        return kWhite;
    }
    if (category == ThreadCategory::Dmc) {
        if (index > kDmcThreadCount) {
            return kWhite;
        }
        return dmcPalette()[static_cast<std::size_t>(index)].color;
    }
    return index <= threadCount ? colorList[static_cast<std::size_t>(index)] : kWhite;
}

ThreadTable rareThreads(const PatternThreads& threads, const CellMatrix& colorIndexMatrix) {
    std::array<bool, kMaxPatternColors + 1> listed{};
    for (const ThreadEntry& entry : threads.table) {
        if (entry.paletteIndex >= 1 && entry.paletteIndex <= kMaxPatternColors) {
            listed[static_cast<std::size_t>(entry.paletteIndex)] = true;
        }
    }
    std::array<int, kMaxPatternColors + 1> counts{};
    std::vector<int> order;
    for (int y = 0; y < threads.height; ++y) {
        for (int x = 0; x < threads.width; ++x) {
            const int index = colorIndexMatrix(x, y);
            if (index < 1 || index > kMaxPatternColors || listed[static_cast<std::size_t>(index)]) {
                continue;
            }
            if (counts[static_cast<std::size_t>(index)]++ == 0) {
                order.push_back(index);
            }
        }
    }
    ThreadTable rare;
    for (const int index : order) {
        ThreadEntry entry;
        entry.paletteIndex = index;
        entry.color = threads.indexColor(index);
        entry.threadNo =
            threads.category == ThreadCategory::Dmc && index <= kDmcThreadCount
                ? legendThreadNumber(dmcPalette()[static_cast<std::size_t>(index)].cindex)
                : colorThreadNumber(entry.color);
        entry.amount = counts[static_cast<std::size_t>(index)];
        rare.push_back(std::move(entry));
    }
    return rare;
}

PatternThreads generatePatternThreads(const CellMatrix& patternMatrix, int width, int height,
                                      const GenerationSettings& settings,
                                      CellMatrix& colorIndexMatrix,
                                      const GenerationProgress& progress) {
    const ThreadPalette& dmc = dmcPalette();
    PatternThreads result;
    result.category = settings.category;
    result.width = std::clamp(width, 0, kMaxPatternSide);
    result.height = std::clamp(height, 0, kMaxPatternSide);

    const ColorIndexOutcome index =
        makeColorIndex(patternMatrix, result.width, result.height, settings, dmc, result.colorList,
                       colorIndexMatrix, progress);
    result.status = index.status;
    if (index.status != GenerationStatus::Done) {
        return result;
    }
    result.threadCount = index.threadCount;
    result.fabricColor = settings.fabricColor;
    if (settings.cleanup || settings.minStitches > 1) {
        const ColorList colors = indexColorsOf(settings.category, result.colorList, dmc);
        if (settings.cleanup) {
            cleanUpLoneStitches(colorIndexMatrix, patternMatrix, result.width, result.height,
                                colors);
        }
        if (settings.minStitches > 1) {
            mergeRareThreads(colorIndexMatrix, result.width, result.height, settings.minStitches,
                             colors);
        }
        result.threadCount = renumberThreads(colorIndexMatrix, result.width, result.height,
                                             settings.category, result.colorList);
    }

    result.status = sortColorIndex(colorIndexMatrix, result.width, result.height, settings, dmc,
                                   result.colorList, result.table, progress);
    if (result.status != GenerationStatus::Done) {
        return result;
    }
    result.symbolPos = makeSymbolMap(result.colorList, result.threadCount, settings.category);
    result.stitchSymbolPos =
        makeStitchSymbolMap(result.colorList, result.threadCount, settings.category,
                            colorIndexMatrix, result.width, result.height);
    return result;
}

} // namespace tessaline
