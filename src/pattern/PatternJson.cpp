#include "pattern/PatternJson.h"

#include "pattern/ChartGeometry.h"
#include "pattern/DmcNames.h"
#include "pattern/SkeinEstimate.h"

#include <cstdio>

namespace tessaline {

namespace {

// A number with at most one decimal: "14", "12.5".
std::string decimalText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string out = text;
    if (out.size() > 2 && out.compare(out.size() - 2, 2, ".0") == 0) {
        out.resize(out.size() - 2);
    }
    return out;
}

// "RRGGBB" of a 0x00BBGGRR colour.
void appendHex(std::string& out, Color color) {
    char hex[7];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", getRed(color), getGreen(color), getBlue(color));
    out += hex;
}

std::string trimmedRight(const std::string& text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

template <typename Cell>
void appendCells(std::string& out, int width, int height, const Cell& cell) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x != 0 || y != 0) {
                out += ", ";
            }
            cell(x, y);
        }
    }
}

} // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[7];
                std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string patternJson(const Pattern& pattern, const BookSettings& fabric, bool listSkeins) {
    const PatternThreads& threads = pattern.threads;
    const CellMatrix& patternMatrix = pattern.patternMatrix;
    const CellMatrix& colorIndexMatrix = pattern.colorIndexMatrix;
    const std::vector<ReplacementRecord>& replacements = pattern.replacements;
    const int width = threads.width;
    const int height = threads.height;
    std::string out;
    out.reserve(static_cast<std::size_t>(width) * height * 16 + 4096);
    out += "{\"width\": " + std::to_string(width) + ", \"height\": " + std::to_string(height);
    out += ", \"category\": " + jsonString(threadCategoryText(threads.category));
    out += ", \"threadCount\": " + std::to_string(threads.threadCount);
    out += ",\n \"title\": " + jsonString(chartTitle(pattern.title));
    out += ", \"fabricCount\": " + std::to_string(fabric.fabricCount);
    out += ", \"stitchesPerInch\": " + decimalText(stitchesPerInch(fabric.fabricCount));
    out += ", \"overTwo\": ";
    out += stitchedOverTwo(fabric.fabricCount) ? "true" : "false";
    out += ", \"strands\": " + std::to_string(fabric.strands);

    out += ",\n \"replacements\": [";
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        const ReplacementRecord& r = replacements[i];
        out += i == 0 ? "" : ", ";
        out += "{\"from\": " + jsonString(r.from) + ", \"to\": " + jsonString(r.to) +
               ", \"cells\": " + std::to_string(r.cells) + "}";
    }
    out += "]";

    out += ",\n \"colors\": [";
    appendCells(out, width, height, [&](int x, int y) {
        out += '"';
        appendHex(out, patternMatrix(x, y));
        out += '"';
    });
    out += "],\n \"cells\": [";
    appendCells(out, width, height,
                [&](int x, int y) { out += std::to_string(colorIndexMatrix(x, y)); });

    out += "],\n \"legend\": [";
    bool first = true;
    const auto appendEntry = [&](const ThreadEntry& entry, bool rare) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        const std::string number = trimmedRight(entry.threadNo);
        const bool dmc = threads.category == ThreadCategory::Dmc;
        out += "{\"value\": " + std::to_string(entry.paletteIndex);
        out += ", \"symbol\": " + jsonString(threads.stitchSymbol(entry.paletteIndex));
        out += ", \"thread\": " + jsonString(dmc ? shopThreadNumber(number) : number);
        if (dmc) {
            out += ", \"name\": " + jsonString(dmcColorName(number));
        }
        out += ", \"amount\": " + std::to_string(entry.amount);
        out += ", \"rgb\": \"";
        appendHex(out, entry.color);
        out += '"';
        if (listSkeins) {
            out += ", \"skeins\": " +
                   std::to_string(skeinsFor(entry.amount, fabric.fabricCount, fabric.strands));
        }
        if (rare) {
            out += ", \"belowIgnorable\": true";
        }
        out += '}';
    };
    for (const ThreadEntry& entry : threads.table) {
        appendEntry(entry, false);
    }
    // The threads under the ignorable count, so that every cell value has
    // its entry.
    for (const ThreadEntry& entry : pattern.rare()) {
        appendEntry(entry, true);
    }
    out += "]}\n";
    return out;
}

} // namespace tessaline
