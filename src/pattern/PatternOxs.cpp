#include "pattern/PatternOxs.h"

#include "pattern/ChartGeometry.h"
#include "pattern/DmcNames.h"
#include "pattern/ThreadTable.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

namespace tessaline {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at text[at], 0 when there is none
// (a stray or overlong byte, a cut sequence, a surrogate, beyond U+10FFFF).
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const std::size_t left = text.size() - at;
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return left >= 2 && continuation(byte(1)) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !continuation(byte(1)) || !continuation(byte(2))) {
            return 0;
        }
        const bool overlong = lead == 0xE0 && byte(1) < 0xA0;
        const bool surrogate = lead == 0xED && byte(1) >= 0xA0;
        return overlong || surrogate ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !continuation(byte(1)) || !continuation(byte(2)) ||
            !continuation(byte(3))) {
            return 0;
        }
        const bool overlong = lead == 0xF0 && byte(1) < 0x90;
        const bool tooLarge = lead == 0xF4 && byte(1) >= 0x90;
        return overlong || tooLarge ? 0 : 4;
    }
    return 0;
}

void appendNumber(std::string& out, int value) {
    std::array<char, 16> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), ec == std::errc() ? end : digits.data());
}

std::string hexColor(Color color) {
    char hex[7];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", getRed(color), getGreen(color), getBlue(color));
    return hex;
}

std::string trimmedRight(const std::string& text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

// One thread of the palette.
struct OxsThread {
    int cellIndex = 0; // the value its cells hold in colorIndexMatrix
    std::string number;
    std::string name;
    Color color = kWhite;
};

// "DMC 310" and "Black", "DMC B5200" and "Snow White"; a "CC" colour is
// its own number and name.
OxsThread oxsThread(int cellIndex, ThreadCategory category, const std::string& legendNumber,
                    Color color) {
    const std::string number = trimmedRight(legendNumber);
    if (category != ThreadCategory::Dmc) {
        return {cellIndex, number, number, color};
    }
    const std::string_view name = dmcColorName(number);
    return {cellIndex, "DMC " + shopThreadNumber(number),
            name.empty() ? shopThreadNumber(number) : std::string(name), color};
}

// The legend's threads, then the charted ones without an entry.
std::vector<OxsThread> paletteThreads(const Pattern& pattern,
                                      std::array<int, kMaxPatternColors + 1>& palindexOf) {
    const PatternThreads& threads = pattern.threads;
    std::vector<OxsThread> palette;
    palindexOf.fill(0);
    for (const ThreadEntry& entry : threads.table) {
        if (entry.paletteIndex < 1 || entry.paletteIndex > kMaxPatternColors ||
            palindexOf[static_cast<std::size_t>(entry.paletteIndex)] != 0) {
            continue;
        }
        palette.push_back(
            oxsThread(entry.paletteIndex, threads.category, entry.threadNo, entry.color));
        palindexOf[static_cast<std::size_t>(entry.paletteIndex)] = static_cast<int>(palette.size());
    }
    for (int y = 0; y < pattern.height(); ++y) {
        for (int x = 0; x < pattern.width(); ++x) {
            const int index = pattern.colorIndexMatrix(x, y);
            const bool known = index >= 1 && index <= kMaxPatternColors &&
                               (threads.category == ThreadCategory::Cc || index <= kDmcThreadCount);
            if (!known || palindexOf[static_cast<std::size_t>(index)] != 0) {
                continue;
            }
            const Color color = threads.indexColor(index);
            const std::string legendNumber =
                threads.category == ThreadCategory::Dmc
                    ? dmcPalette()[static_cast<std::size_t>(index)].cindex
                    : colorThreadNumber(color);
            palette.push_back(oxsThread(index, threads.category, legendNumber, color));
            palindexOf[static_cast<std::size_t>(index)] = static_cast<int>(palette.size());
        }
    }
    return palette;
}

std::string stitchesPerInchText(int fabricCount) {
    const double perInch = stitchesPerInch(fabricCount);
    char text[32];
    std::snprintf(text, sizeof text, perInch == static_cast<int>(perInch) ? "%.0f" : "%.1f",
                  perInch);
    return text;
}

void appendAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    out += xmlAttribute(value);
    out += '"';
}

void appendAttribute(std::string& out, std::string_view name, int value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendNumber(out, value);
    out += '"';
}

} // namespace

std::string xmlAttribute(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        const std::size_t length = sequenceLength(text, at);
        if (length == 0) {
            out += kReplacement;
            ++at;
            continue;
        }
        if (length == 1) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            case '\t':
                out += "&#9;";
                break;
            case '\n':
                out += "&#10;";
                break;
            case '\r':
                out += "&#13;";
                break;
            default:
                // XML 1.0 has no other control character, not even as a reference.
                if (static_cast<unsigned char>(c) >= 0x20) {
                    out += c;
                }
            }
            ++at;
            continue;
        }
        const std::string_view sequence = text.substr(at, length);
        // U+FFFE and U+FFFF are not XML characters either.
        out += sequence == "\xEF\xBF\xBE" || sequence == "\xEF\xBF\xBF" ? kReplacement : sequence;
        at += length;
    }
    return out;
}

std::string patternOxs(const Pattern& pattern, const BookSettings& fabric) {
    std::array<int, kMaxPatternColors + 1> palindexOf{};
    const std::vector<OxsThread> palette = paletteThreads(pattern, palindexOf);
    const int fabricCount = fabric.fabricCount;
    const int strands = fabric.strands;
    const int width = pattern.width();
    const int height = pattern.height();

    std::string out;
    out.reserve(static_cast<std::size_t>(width) * height * 48 + palette.size() * 200 + 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<chart>\n<properties";
    appendAttribute(out, "oxsversion", "1.0");
    appendAttribute(out, "software", "Tessaline");
    appendAttribute(out, "software_version", "V2008");
    appendAttribute(out, "chartheight", height);
    appendAttribute(out, "chartwidth", width);
    appendAttribute(out, "charttitle", chartTitle(pattern.title));
    appendAttribute(out, "author", "");
    appendAttribute(out, "copyright", "");
    appendAttribute(out, "instructions", "");
    // Crosses per inch: evenweave and linen are stitched over two.
    const std::string perInch = stitchesPerInchText(fabricCount);
    appendAttribute(out, "stitchesperinch", perInch);
    appendAttribute(out, "stitchesperinch_y", perInch);
    appendAttribute(out, "palettecount", static_cast<int>(palette.size()));
    out += "/>\n<palette>\n";

    const auto appendItem = [&](int index, const std::string& number, const std::string& name,
                                Color color, std::string_view symbol) {
        const std::string hex = hexColor(color);
        out += "<palette_item";
        appendAttribute(out, "index", index);
        appendAttribute(out, "number", number);
        appendAttribute(out, "name", name);
        appendAttribute(out, "color", hex);
        appendAttribute(out, "printcolor", hex);
        appendAttribute(out, "blendcolor", "nil");
        appendAttribute(out, "comments", "");
        appendAttribute(out, "strands", strands);
        appendAttribute(out, "symbol", symbol);
        out += "/>\n";
    };
    appendItem(0, "cloth", "cloth", pattern.threads.fabricColor, "");
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const OxsThread& thread = palette[i];
        appendItem(static_cast<int>(i + 1), thread.number, thread.name, thread.color,
                   pattern.threads.stitchSymbol(thread.cellIndex));
    }
    out += "</palette>\n<fullstitches>\n";
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = pattern.colorIndexMatrix(x, y);
            if (index < 1 || index > kMaxPatternColors) {
                continue;
            }
            const int palindex = palindexOf[static_cast<std::size_t>(index)];
            if (palindex == 0) {
                continue;
            }
            out += "<stitch x=\"";
            appendNumber(out, x);
            out += "\" y=\"";
            appendNumber(out, y);
            out += "\" palindex=\"";
            appendNumber(out, palindex);
            out += "\"/>\n";
        }
    }
    out += "</fullstitches>\n<partstitches/>\n<backstitches/>\n"
           "<ornaments_inc_knots_and_beads/>\n<commentboxes/>\n</chart>\n";
    return out;
}

} // namespace tessaline
