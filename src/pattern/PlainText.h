#pragma once
// Small text helpers of the pattern files and thread numbers: blanks trimmed,
// ASCII letters compared without case, a code point written as UTF-8.
#include "platform/Utf8.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tessaline {

// `text` without the blanks (spaces) around it.
inline std::string_view trimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Equal once the ASCII letters A-Z are taken as a-z.
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace tessaline
