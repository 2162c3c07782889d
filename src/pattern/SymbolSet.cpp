#include "pattern/SymbolSet.h"

#include <algorithm>
#include <string_view>

namespace tessaline {

namespace {

// The sequence in its five written parts; the fifth and sixth parts of the
// program's sequence are empty. Some characters occur twice (for example
// "王" at 88 and 100), so threads beyond the 76th can share a symbol.
constexpr std::string_view kAsciiSymbols =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnpqrstuvwxyz123456789@#$%";
constexpr std::string_view kPunctuationSymbols = "&*<>?/\\{}[]";
constexpr std::string_view kChineseSymbols1 = "人了少手认台才必李众走包王么亚采女";
constexpr std::string_view kChineseSymbols2[] = {
    "不为工上个开方王于长本月力万后下",
    "去也与之文三各十内小力立了心术门今",
    "长光广比必已衣乙义车书干又由少手几只头五氏白才走户马土占石米",
    "千巴八失足九而儿耳尔为未乐存寸羊央以父负分目母木亩象向计世华化花者吁节杰行言严",
    "其气色四司大打北备被贝句举林吝见尖荐加甲夹示式求丘但丹无山办半两良次天田农千前多夺和"
    "合何年廿",
};

// Splits UTF-8 text into its characters: a character starts at every byte
// that is not a continuation byte (10xxxxxx).
void appendCharacters(std::vector<std::string>& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
        out.emplace_back(text.substr(i, end - i));
        i = end;
    }
}

const std::vector<std::string>& symbolSequence() {
    static const std::vector<std::string> sequence = loadxiuChr();
    return sequence;
}

bool validIndex(int index) {
    return index >= 1 && index <= kPaletteCapacity;
}

} // namespace

std::vector<std::string> loadxiuChr() {
    std::vector<std::string> sequence;
    sequence.reserve(kSymbolCount);
    appendCharacters(sequence, kAsciiSymbols);
    appendCharacters(sequence, kPunctuationSymbols);
    appendCharacters(sequence, kChineseSymbols1);
    for (std::string_view part : kChineseSymbols2) {
        appendCharacters(sequence, part);
    }
    return sequence;
}

std::string symbolAt(int position) {
    const auto& sequence = symbolSequence();
    if (position < 1 || position > static_cast<int>(sequence.size())) {
        return {};
    }
    return sequence[static_cast<std::size_t>(position - 1)];
}

SymbolMap makeSymbolMap(const ColorList& colorList, int threadCount, ThreadCategory category) {
    SymbolMap symbolPos{};
    const int count = std::min(std::max(threadCount, 0), kMaxPatternColors);
    for (int i = 1; i <= count; ++i) {
        // "CC" lists colours, not indices: the cells hold list positions.
        const int index =
            category == ThreadCategory::Dmc ? colorList[static_cast<std::size_t>(i)] : i;
        if (validIndex(index)) {
            symbolPos[static_cast<std::size_t>(index)] = i;
        }
    }
    return symbolPos;
}

std::string symbolOf(const SymbolMap& symbolPos, int index) {
    return validIndex(index) ? symbolAt(symbolPos[static_cast<std::size_t>(index)]) : std::string{};
}

} // namespace tessaline
