#include "pattern/PatternThreads.h"

#include "pattern/StitchCleanup.h"

#include <algorithm>

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
    return result;
}

} // namespace tessaline
