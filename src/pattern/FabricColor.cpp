#include "pattern/FabricColor.h"

#include <cctype>

namespace tessaline {

std::optional<Color> fabricColorFromText(std::string_view text) {
    if (text == "white") {
        return kFabricWhite;
    }
    if (text == "ivory" || text == "antique-white") {
        return kFabricIvory;
    }
    if (text == "black") {
        return kFabricBlack;
    }
    if (!text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    if (text.size() != 6) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0) {
            return std::nullopt;
        }
        const int digit = std::isdigit(static_cast<unsigned char>(c)) != 0
                              ? c - '0'
                              : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        value = value * 16 + digit;
    }
    return rgb(value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF);
}

} // namespace tessaline
