#include "pattern/OxsReader.h"

#include "pattern/BookSettings.h"
#include "pattern/ChartGeometry.h"
#include "pattern/PlainText.h"
#include "pattern/SymbolSet.h"
#include "pattern/ThreadReplacement.h"
#include "pattern/ThreadTable.h"
#include "pattern/XmlScanner.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <map>
#include <numeric>

namespace tessaline {

namespace {

constexpr Color kMissingColor = rgb(0xFF, 0x00, 0xFF); // magenta, as OXS readers show it

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// Runs of blanks as one: "DMC    310" -> "DMC 310".
std::string collapsed(std::string_view text) {
    std::string out;
    for (const char c : trimmedBlanks(text)) {
        if (c != ' ' || out.empty() || out.back() != ' ') {
            out += c;
        }
    }
    return out;
}

// A whole number, blanks around it allowed; a decimal point with only zeros
// after it ("14.0") too.
std::optional<long long> wholeNumber(const std::string* attr) {
    if (attr == nullptr) {
        return std::nullopt;
    }
    std::string_view text = trimmedBlanks(*attr);
    if (const std::size_t point = text.find('.'); point != std::string_view::npos) {
        if (text.substr(point + 1).find_first_not_of('0') != std::string_view::npos) {
            return std::nullopt;
        }
        text = text.substr(0, point);
    }
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<Color> hexColor(std::string_view text) {
    text = trimmedBlanks(text);
    if (text.starts_with('#')) {
        text.remove_prefix(1);
    }
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
    if (text.size() != 6 || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return rgb(static_cast<int>(value >> 16), static_cast<int>(value >> 8),
               static_cast<int>(value));
}

std::string hexText(Color color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const int byte : {getRed(color), getGreen(color), getBlue(color)}) {
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0xF];
    }
    return out;
}

std::size_t utf8Length(unsigned char lead) {
    return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// The one character a symbol attribute names: the character itself, or a
// decimal code point of two or more digits as some programs write it.
std::optional<std::string> symbolCharacter(const std::string* attr) {
    if (attr == nullptr || attr->empty()) {
        return std::nullopt;
    }
    const std::string& text = *attr;
    if (utf8Length(static_cast<unsigned char>(text[0])) == text.size()) {
        return text;
    }
    if (text.find_first_not_of("0123456789") == std::string::npos) {
        unsigned long code = 0;
        const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), code);
        if (ec == std::errc() && code > 0x20 && code <= 0x10FFFF &&
            (code < 0xD800 || code > 0xDFFF)) {
            std::string out;
            appendUtf8(out, static_cast<char32_t>(code));
            return out;
        }
    }
    return std::nullopt;
}

struct PaletteItem {
    std::string number;
    std::string name;
    std::optional<Color> color;
    std::optional<std::string> symbol;
    bool blended = false;
};

struct Stitch {
    std::optional<long long> x;
    std::optional<long long> y;
    std::optional<long long> palindex;
};

// What the walk over the document collects.
struct Document {
    bool chart = false;
    std::optional<std::string> width;
    std::optional<std::string> height;
    std::string title;
    std::optional<long long> stitchesPerInch;
    std::map<int, PaletteItem> palette;
    std::vector<Stitch> stitches;
    OxsLeftOut leftOut;
};

OxsReadResult refused(OxsError error, int x = 0, int y = 0, int value = 0) {
    return {{error, x, y, value}, nullptr};
}

void countOrnament(const XmlScanner& xml, OxsLeftOut& leftOut) {
    const std::string* type = xml.attribute("objecttype");
    const std::string_view kind = type != nullptr ? std::string_view(*type) : std::string_view();
    if (kind == "knot") {
        ++leftOut.knots;
    } else if (kind.starts_with("bead")) {
        ++leftOut.beads;
    } else {
        ++leftOut.otherOrnaments;
    }
}

void countPartStitch(const XmlScanner& xml, OxsLeftOut& leftOut) {
    const std::optional<long long> direction = wholeNumber(xml.attribute("direction"));
    if (direction && (*direction == 3 || *direction == 4)) {
        ++leftOut.halfStitches;
    } else {
        ++leftOut.partStitches;
    }
}

// Reads an item of the palette; false when its index is unusable.
bool readPaletteItem(const XmlScanner& xml, Document& doc, int& nextIndex) {
    const std::string* indexAttr = xml.attribute("index");
    long long index = nextIndex;
    if (indexAttr != nullptr) {
        const std::optional<long long> given = wholeNumber(indexAttr);
        if (!given) {
            return false;
        }
        index = *given;
    }
    if (index < 0 || index > kMaxOxsPaletteIndex) {
        return false;
    }
    nextIndex = static_cast<int>(index) + 1;
    PaletteItem item;
    if (const std::string* number = xml.attribute("number")) {
        item.number = *number;
    }
    if (const std::string* name = xml.attribute("name")) {
        item.name = *name;
    }
    if (const std::string* color = xml.attribute("color")) {
        item.color = hexColor(*color);
    }
    item.symbol = symbolCharacter(xml.attribute("symbol"));
    if (const std::string* blend = xml.attribute("blendcolor")) {
        const std::string_view value = trimmedBlanks(*blend);
        item.blended = !value.empty() && !equalsIgnoringCase(value, "nil");
    }
    // A later item of the same index replaces an earlier one.
    doc.palette[static_cast<int>(index)] = std::move(item);
    return true;
}

// Walks the document; an error other than None refuses it.
OxsProblem walk(std::string_view text, Document& doc) {
    XmlScanner xml(text);
    std::string_view section;
    int nextPaletteIndex = 0;
    for (;;) {
        const XmlScanner::Event event = xml.next();
        if (event == XmlScanner::Event::Error) {
            return {OxsError::NotXml};
        }
        if (event == XmlScanner::Event::Done) {
            return {};
        }
        if (event == XmlScanner::Event::End) {
            if (xml.depth() == 1) {
                section = {};
            }
            continue;
        }
        const std::string_view name = xml.name();
        const int depth = xml.depth();
        if (depth == 0) {
            if (name != "chart") {
                return {OxsError::NotAChart};
            }
            doc.chart = true;
        } else if (depth == 1) {
            section = name;
            if (name == "properties") {
                if (const std::string* width = xml.attribute("chartwidth")) {
                    doc.width = *width;
                }
                if (const std::string* height = xml.attribute("chartheight")) {
                    doc.height = *height;
                }
                if (const std::string* title = xml.attribute("charttitle")) {
                    doc.title = *title;
                }
                doc.stitchesPerInch = wholeNumber(xml.attribute("stitchesperinch"));
            }
        } else if (depth == 2) {
            if (section == "palette" && name == "palette_item") {
                if (!readPaletteItem(xml, doc, nextPaletteIndex)) {
                    return {OxsError::BadPalette};
                }
            } else if (section == "fullstitches" && name == "stitch") {
                doc.stitches.push_back({wholeNumber(xml.attribute("x")),
                                        wholeNumber(xml.attribute("y")),
                                        wholeNumber(xml.attribute("palindex"))});
            } else if (section == "partstitches" && name == "partstitch") {
                countPartStitch(xml, doc.leftOut);
            } else if (section == "backstitches" && name == "backstitch") {
                ++doc.leftOut.backstitches;
            } else if (section == "ornaments_inc_knots_and_beads" && name == "object") {
                countOrnament(xml, doc.leftOut);
            } else if (section == "commentboxes" && name == "commentbox") {
                ++doc.leftOut.comments;
            }
        }
    }
}

// One thread of the pattern as read: where its cells point, its colour and
// the symbol the file gave it.
struct ReadThread {
    int index = 0; // palette position ("DMC") or colour-list position ("CC")
    Color color = kWhite;
    std::optional<std::string> symbol;
    int cells = 0;
};

bool isOwnColor(const PaletteItem& item) {
    const std::optional<Color> numbered = hexColor(item.number);
    return item.color && numbered && *numbered == *item.color;
}

// Symbols as the file gives them where the stitcher's set holds them (a file
// of this program's gives them so), then the first free symbols of the set
// for the rest.
SymbolMap stitchSymbolsOf(const std::vector<ReadThread>& threads) {
    const int count = static_cast<int>(stitchSymbols().size());
    SymbolMap symbolPos{};
    std::vector<bool> used(static_cast<std::size_t>(count) + 1, false);
    std::vector<const ReadThread*> unplaced;
    for (const ReadThread& thread : threads) {
        int position = 0;
        if (thread.symbol) {
            for (int p = 1; p <= count && position == 0; ++p) {
                if (!used[at(p)] && stitchSymbolAt(p) == *thread.symbol) {
                    position = p;
                }
            }
        }
        if (position == 0) {
            unplaced.push_back(&thread);
            continue;
        }
        used[at(position)] = true;
        symbolPos[at(thread.index)] = position;
    }
    int free = 1;
    for (const ReadThread* thread : unplaced) {
        while (free <= count && used[at(free)]) {
            ++free;
        }
        if (free > count) {
            break;
        }
        used[at(free)] = true;
        symbolPos[at(thread->index)] = free;
    }
    return symbolPos;
}

} // namespace

int dmcPositionOfOxsNumber(std::string_view number) {
    const std::string text = collapsed(number);
    const std::size_t space = text.rfind(' ');
    std::string_view code = text;
    if (space != std::string::npos) {
        if (!equalsIgnoringCase(std::string_view(text).substr(0, space), "DMC")) {
            return 0;
        }
        code = std::string_view(text).substr(space + 1);
    }
    // DMC numbers its brightest white B5200.
    if (equalsIgnoringCase(code, "B5200")) {
        code = "5200";
    }
    return threadPositionOfNumber(dmcPalette(), code);
}

OxsReadResult readOxs(std::string_view text, const OxsReadSettings& settings) {
    Document doc;
    if (const OxsProblem problem = walk(text, doc); problem.error != OxsError::None) {
        return {problem, nullptr};
    }
    if (!doc.chart || !doc.width || !doc.height) {
        return refused(OxsError::NotAChart);
    }
    const std::optional<long long> width = wholeNumber(&*doc.width);
    const std::optional<long long> height = wholeNumber(&*doc.height);
    if (!width || !height || *width < 1 || *height < 1 || *width > kMaxOxsChartSide ||
        *height > kMaxOxsChartSide) {
        const auto clampSide = [](const std::optional<long long>& side) {
            return side ? static_cast<int>(
                              std::clamp<long long>(*side, -1'000'000'000, 1'000'000'000))
                        : 0;
        };
        return refused(OxsError::BadSize, clampSide(width), clampSide(height));
    }
    const int w = static_cast<int>(*width);
    const int h = static_cast<int>(*height);
    if (w > kMaxPatternSide || h > kMaxPatternSide) {
        return refused(OxsError::TooLarge, w, h);
    }

    // Each cell's palette index, the last stitch winning; -1 for none.
    std::vector<int> cells(at(w) * at(h), -1);
    int duplicates = 0;
    for (const Stitch& stitch : doc.stitches) {
        if (!stitch.x || !stitch.y || !stitch.palindex) {
            return refused(OxsError::BadStitch);
        }
        const long long x = *stitch.x;
        const long long y = *stitch.y;
        if (x < 0 || y < 0 || x >= w || y >= h) {
            const auto shown = [](long long v) {
                return static_cast<int>(std::clamp<long long>(v, -1'000'000'000, 1'000'000'000));
            };
            return refused(OxsError::StitchOutside, shown(x), shown(y));
        }
        const long long palindex = *stitch.palindex;
        if (palindex != 0 && (palindex < 0 || palindex > kMaxOxsPaletteIndex ||
                              doc.palette.count(static_cast<int>(palindex)) == 0)) {
            return refused(
                OxsError::UnknownPaletteIndex, static_cast<int>(x), static_cast<int>(y),
                static_cast<int>(std::clamp<long long>(palindex, -1'000'000'000, 1'000'000'000)));
        }
        int& cell = cells[at(static_cast<int>(y)) * at(w) + at(static_cast<int>(x))];
        if (cell >= 0) {
            ++duplicates;
        }
        cell = static_cast<int>(palindex);
    }

    // The palette items stitched, in palette order.
    std::map<int, int> stitchedCount;
    for (const int cell : cells) {
        if (cell > 0) {
            ++stitchedCount[cell];
        }
    }
    bool ownColors = !stitchedCount.empty();
    for (const auto& [index, count] : stitchedCount) {
        ownColors = ownColors && isOwnColor(doc.palette.at(index));
    }

    auto result = std::make_unique<OxsPattern>();
    OxsPattern& pattern = *result;
    pattern.leftOut = doc.leftOut; // the threads below add the blended ones
    PatternThreads& threads = pattern.threads;
    threads.category = ownColors ? ThreadCategory::Cc : ThreadCategory::Dmc;
    threads.width = w;
    threads.height = h;

    const ThreadPalette& dmc = dmcPalette();
    std::optional<ThreadMatcher> matcher;
    std::vector<ReadThread> readThreads;
    std::map<int, std::size_t> threadOfItem; // palette item -> readThreads position
    std::map<int, std::size_t> threadOfDmc;  // DMC position -> readThreads position
    for (const auto& [index, count] : stitchedCount) {
        const PaletteItem& item = doc.palette.at(index);
        if (item.blended) {
            ++pattern.leftOut.blendedThreads;
        }
        const Color color = item.color.value_or(kMissingColor);
        if (ownColors) {
            if (readThreads.size() >= static_cast<std::size_t>(kMaxPatternColors)) {
                return refused(OxsError::TooManyThreads);
            }
            threadOfItem[index] = readThreads.size();
            readThreads.push_back({static_cast<int>(readThreads.size()) + 1, color, item.symbol});
            continue;
        }
        int position = dmcPositionOfOxsNumber(item.number);
        if (position == 0 && trimmedBlanks(item.number).empty()) {
            position = dmcPositionOfOxsNumber(item.name);
        }
        if (position == 0) {
            if (!matcher) {
                matcher.emplace(dmc, settings.match);
            }
            position = matcher->nearest(color);
            std::string shown = collapsed(item.number);
            if (shown.empty()) {
                shown = collapsed(item.name);
            }
            if (shown.empty()) {
                shown = hexText(color);
            }
            pattern.matched.push_back({std::move(shown), position});
        }
        if (const auto known = threadOfDmc.find(position); known != threadOfDmc.end()) {
            threadOfItem[index] = known->second;
            continue;
        }
        threadOfDmc[position] = readThreads.size();
        threadOfItem[index] = readThreads.size();
        readThreads.push_back({position, dmc[at(position)].color, item.symbol});
    }

    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int cell = cells[at(y) * at(w) + at(x)];
            if (cell <= 0) {
                pattern.colorIndexMatrix(x, y) = 0;
                pattern.patternMatrix(x, y) = kClearCell;
                continue;
            }
            ReadThread& thread = readThreads[threadOfItem.at(cell)];
            ++thread.cells;
            pattern.colorIndexMatrix(x, y) = thread.index;
            pattern.patternMatrix(x, y) = thread.color;
        }
    }

    // A generation numbers its threads by their first stitch, row by row
    // (the legend's order and the chart's symbols follow it): so does a
    // pattern read back, whatever order its file lists them in.
    std::vector<long long> firstStitch(readThreads.size(), std::numeric_limits<long long>::max());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (const int cell = cells[at(y) * at(w) + at(x)]; cell > 0) {
                long long& first = firstStitch[threadOfItem.at(cell)];
                first = std::min(first, static_cast<long long>(y) * w + x);
            }
        }
    }
    std::vector<std::size_t> order(readThreads.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return firstStitch[a] < firstStitch[b]; });
    std::vector<ReadThread> ordered;
    ordered.reserve(readThreads.size());
    std::vector<int> ownIndexOf(readThreads.size() + 1, 0);
    for (const std::size_t k : order) {
        ordered.push_back(readThreads[k]);
        if (ownColors) {
            // Own colours are numbered by their place in the list.
            ownIndexOf[at(readThreads[k].index)] = static_cast<int>(ordered.size());
            ordered.back().index = static_cast<int>(ordered.size());
        }
    }
    readThreads = std::move(ordered);
    if (ownColors) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int& index = pattern.colorIndexMatrix(x, y);
                if (index > 0) {
                    index = ownIndexOf[at(index)];
                }
            }
        }
    }

    threads.threadCount = static_cast<int>(readThreads.size());
    for (std::size_t i = 0; i < readThreads.size(); ++i) {
        const ReadThread& thread = readThreads[i];
        threads.colorList[i + 1] = ownColors ? thread.color : thread.index;
        // Rare threads keep their cells and symbols but get no legend entry.
        if (thread.cells < settings.ignorableCount) {
            continue;
        }
        ThreadEntry entry;
        entry.color = thread.color;
        entry.paletteIndex = thread.index;
        entry.amount = thread.cells;
        entry.threadNo = ownColors ? colorThreadNumber(thread.color)
                                   : legendThreadNumber(dmc[at(thread.index)].cindex);
        threads.table.push_back(std::move(entry));
    }
    // The chart's own symbols follow its order as a generation's do; the
    // stitcher's symbols are the file's.
    threads.symbolPos = makeSymbolMap(threads.colorList, threads.threadCount, threads.category);
    threads.stitchSymbolPos = stitchSymbolsOf(readThreads);

    pattern.title = doc.title == kDefaultChartTitle ? std::string() : doc.title;
    if (doc.stitchesPerInch && *doc.stitchesPerInch <= kMaxOxsChartSide &&
        isFabricCount(static_cast<int>(*doc.stitchesPerInch))) {
        pattern.fabricCount = static_cast<int>(*doc.stitchesPerInch);
    }
    pattern.duplicateCells = duplicates;
    return {{}, std::move(result)};
}

} // namespace tessaline
