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
    if (text == kBlocksAndSymbolsText) {
        return ChartKind::BlocksAndSymbols;
    }
    if (text == kBlocksOnlyText) {
        return ChartKind::BlocksOnly;
    }
    return ChartKind::SymbolsOnly;
}

} // namespace tessaline
