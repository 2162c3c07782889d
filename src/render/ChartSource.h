#pragma once
// What a chart is drawn from: the generation's threads and matrices plus the
// window's choices (block size, title, chart kind, swatch style), and the
// progress callback the drawing reports to.
#include "app/Progress.h"
#include "app/Xiubas.h"
#include "pattern/PatternThreads.h"

#include <functional>
#include <string>
#include <string_view>

namespace tessaline {

// The chart kinds of the generation window's list.
enum class ChartKind {
    BlocksAndSymbols, // "生成绣图色块"
    SymbolsOnly,      // "无色块绣图", the preset kind
    BlocksOnly,       // "仅生成色块"
};

std::string_view chartKindText(ChartKind kind);
// The kind named by a list text; any other text draws blocks and symbols.
ChartKind chartKindFromText(std::string_view text);

// Grey legend swatches belong to the grey reduction methods "灰度图片" (code 2)
// and "高清黑白图片" (code 4).
constexpr bool greySwatchMethod(int colorBit) {
    return colorBit == 2 || colorBit == 4;
}

struct ChartSource {
    const PatternThreads& threads;
    // Each cell's index (palette position for "DMC"), as the threads were made from.
    const CellMatrix& colorIndexMatrix;
    // The cells' own colours; the printed blocks use them.
    const CellMatrix& patternMatrix;
    int gridSize = 10;
    std::string title;
    ChartKind kind = ChartKind::SymbolsOnly;
    bool greySwatches = false;

    int width() const { return threads.width; }
    int height() const { return threads.height; }
    int entryCount() const { return static_cast<int>(threads.table.size()); }
};

// Drawing stages, in the order they run; progress restarts for each.
enum class ChartStage { Header, Grid, Blocks, Legend, Symbols };

// Per row (lines, blocks, symbols) and per legend entry; a stop leaves what
// is drawn so far.
using ChartProgress = Progress<ChartStage>;

} // namespace tessaline
