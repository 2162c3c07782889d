#include "render/ChartSource.h"

namespace tessaline {

namespace {

constexpr std::string_view kBlocksAndSymbolsText = "生成绣图色块";
constexpr std::string_view kSymbolsOnlyText = "无色块绣图";
constexpr std::string_view kBlocksOnlyText = "仅生成色块";

} // namespace

std::string_view chartKindText(ChartKind kind) {
    switch (kind) {
    case ChartKind::BlocksAndSymbols:
        return kBlocksAndSymbolsText;
    case ChartKind::BlocksOnly:
        return kBlocksOnlyText;
    case ChartKind::SymbolsOnly:
        break;
    }
    return kSymbolsOnlyText;
}

ChartKind chartKindFromText(std::string_view text) {
    // Blocks unless the text says "无色块绣图", symbols unless it says
    // "仅生成色块": a text typed into the list gets both.
    if (text == kSymbolsOnlyText) {
        return ChartKind::SymbolsOnly;
    }
    if (text == kBlocksOnlyText) {
        return ChartKind::BlocksOnly;
    }
    return ChartKind::BlocksAndSymbols;
}

} // namespace tessaline
