#pragma once
// What a chart is drawn from: the pattern (threads, matrices, title) plus
// the window's choices (block size, chart kind, swatch style), and the
// progress callback the drawing reports to.
#include "app/Progress.h"
#include "pattern/Pattern.h"

#include <functional>
#include <string_view>
#include <utility>

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

struct ChartSource : Pattern {
    ChartSource(Pattern pattern, int blockSize, ChartKind chartKind, bool greyLegendSwatches)
        : Pattern(std::move(pattern)), gridSize(blockSize), kind(chartKind),
          greySwatches(greyLegendSwatches) {}

    int gridSize = 10;
    ChartKind kind = ChartKind::SymbolsOnly;
    bool greySwatches = false;
};

// Drawing stages, in the order they run; progress restarts for each.
enum class ChartStage { Header, Grid, Blocks, Legend, Symbols };

// Per row (lines, blocks, symbols) and per legend entry; a stop leaves what
// is drawn so far.
using ChartProgress = Progress<ChartStage>;

} // namespace tessaline
