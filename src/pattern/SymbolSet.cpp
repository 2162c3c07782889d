#include "pattern/SymbolSet.h"

#include <algorithm>
#include <string_view>

namespace tessaline {

namespace {

// The sequence in its five written parts; the fifth and sixth parts of the
// program's sequence are empty. Some characters occur twice (for example
// "王" at 88 and 100); makeSymbolMap moves the later thread on.
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

// The stitcher's set in order. Filled and outlined shapes, then marks and
// capitals chosen so that no two of the first 60 are mistaken for each other
// in print; further symbols, Greek and Chinese characters after them. "十",
// "八", "入", "曰", "己" and "末" are left out: too close to "+", "人", "日",
// "已" and "未".
constexpr std::string_view kStitchSymbols =
    "■●▲◆□○△◇★☆▼▽+×/\\=#%@&?!<>~^AHK"
    "NTVYEFLMRCGJPUWSZB3467$÷※d9∞§¶"
    "←→↓↑◎⊙⊕√∑∏∫∮∴∵≈≠≤≥≡∧∨∩∪∈∠⊥∥¤¢£"
    "¥‰℃№ΓΔΘΛΞΠΣΦΨΩαβγδεζηθλμξπσφψω"
    "abefhmnrty人了少手认台才必李众走包王么亚采女不为工"
    "上个开方于长本月力万后下去也与之文三各内小立心术门今光广比已"
    "衣乙义车书干又由几只头五氏白户马土占石米千巴失足九而儿耳尔未"
    "乐存寸羊央以父负分目母木亩象向计世华化花者吁节杰行言严其气色"
    "四司大打北备被贝句举林吝见尖荐加甲夹示式求丘但丹无山办半两良"
    "次天田农前多夺和合何年廿口日申电丁七刀子川弓巾火水牛犬玉瓜瓦"
    "禾竹羽舌虫血西豆身辛酉金隹雨青非面革音风飞食首香骨高鬼鱼鸟鹿"
    "麦麻黄黑鼓鼠鼻齿龙井云互元公六兮冈凤匹区升午友反夫太孔尺屯巨"
    "币引戈支斗斤止毛爪片牙甘生用皮皿矛矢穴东南中主出来回同问间国"
    "图因团园在地场坐块城声壳夏外夜奇好如妈字学它宝实家对尘就尸尾"
    "局层岁岛州巡左巧市布师帝常平并庆床应店异弄弟张弹强归当形影彩"
    "往很得忙快念怎性总恩情想意感我战房所把找技拉拿指掌收改放政故"
    "教数整料新旅族早时明星春是显晚晨曲更最有";

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

std::vector<std::string> makeScreenSequence() {
    std::vector<std::string> sequence = loadxiuChr();
    for (const std::string& symbol : stitchSymbols()) {
        if (std::find(sequence.begin(), sequence.end(), symbol) == sequence.end()) {
            sequence.push_back(symbol);
        }
    }
    return sequence;
}

// Cell index of thread i (1-based) of a colour list.
int threadIndex(const ColorList& colorList, int i, ThreadCategory category) {
    return category == ThreadCategory::Dmc ? colorList[static_cast<std::size_t>(i)] : i;
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

const std::vector<std::string>& screenSymbolSequence() {
    static const std::vector<std::string> sequence = makeScreenSequence();
    return sequence;
}

const std::vector<std::string>& stitchSymbols() {
    static const std::vector<std::string> symbols = [] {
        std::vector<std::string> out;
        out.reserve(kStitchSymbolCount);
        appendCharacters(out, kStitchSymbols);
        return out;
    }();
    return symbols;
}

std::string stitchSymbolAt(int position) {
    const auto& symbols = stitchSymbols();
    if (position < 1 || position > static_cast<int>(symbols.size())) {
        return {};
    }
    return symbols[static_cast<std::size_t>(position - 1)];
}

std::string symbolAt(int position) {
    const auto& sequence = screenSymbolSequence();
    if (position < 1 || position > static_cast<int>(sequence.size())) {
        return {};
    }
    return sequence[static_cast<std::size_t>(position - 1)];
}

SymbolMap makeSymbolMap(const ColorList& colorList, int threadCount, ThreadCategory category) {
    SymbolMap symbolPos{};
    const auto& sequence = screenSymbolSequence();
    const int length = static_cast<int>(sequence.size());
    std::vector<bool> positionUsed(sequence.size() + 1, false);
    std::vector<std::string_view> taken;
    int spare = kSymbolCount + 1; // the first symbol past xiuChr not yet handed out
    const int count = std::min(std::max(threadCount, 0), kMaxPatternColors);
    for (int i = 1; i <= count; ++i) {
        // "CC" lists colours, not indices: the cells hold list positions.
        const int index = threadIndex(colorList, i, category);
        if (!validIndex(index)) {
            continue;
        }
        // Position i unless its character is taken (xiuChr repeats it) or
        // the sequence has ended: then the next free symbol past xiuChr, so
        // that every later thread keeps its own position.
        int position = i;
        const auto free = [&](int at) {
            return at <= length &&
                   std::find(taken.begin(), taken.end(),
                             std::string_view(sequence[static_cast<std::size_t>(at - 1)])) ==
                       taken.end();
        };
        if (!free(position)) {
            while (spare <= length && !free(spare)) {
                ++spare;
            }
            position = spare <= length ? spare++ : 0;
        }
        if (position == 0) {
            continue;
        }
        taken.push_back(sequence[static_cast<std::size_t>(position - 1)]);
        symbolPos[static_cast<std::size_t>(index)] = position;
    }
    return symbolPos;
}

SymbolMap makeStitchSymbolMap(const ColorList& colorList, int threadCount, ThreadCategory category,
                              const CellMatrix& cells, int width, int height) {
    std::array<int, kPaletteCapacity + 1> stitches{};
    width = std::clamp(width, 0, kMaxPatternSide);
    height = std::clamp(height, 0, kMaxPatternSide);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = cells(x, y);
            if (validIndex(index)) {
                ++stitches[static_cast<std::size_t>(index)];
            }
        }
    }
    std::vector<int> order;
    std::array<bool, kPaletteCapacity + 1> seen{};
    const int count = std::min(std::max(threadCount, 0), kMaxPatternColors);
    for (int i = 1; i <= count; ++i) {
        const int index = threadIndex(colorList, i, category);
        if (validIndex(index) && !seen[static_cast<std::size_t>(index)]) {
            seen[static_cast<std::size_t>(index)] = true;
            order.push_back(index);
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return stitches[static_cast<std::size_t>(a)] > stitches[static_cast<std::size_t>(b)];
    });
    SymbolMap stitchSymbolPos{};
    for (std::size_t k = 0; k < order.size(); ++k) {
        stitchSymbolPos[static_cast<std::size_t>(order[k])] = static_cast<int>(k + 1);
    }
    return stitchSymbolPos;
}

std::string symbolOf(const SymbolMap& symbolPos, int index) {
    return validIndex(index) ? symbolAt(symbolPos[static_cast<std::size_t>(index)]) : std::string{};
}

std::string stitchSymbolOf(const SymbolMap& stitchSymbolPos, int index) {
    return validIndex(index) ? stitchSymbolAt(stitchSymbolPos[static_cast<std::size_t>(index)])
                             : std::string{};
}

} // namespace tessaline
