#include "imaging/Form3Input.h"

#include "pattern/ThreadChoice.h"

#include <array>
#include <utility>

namespace tessaline {

namespace {

constexpr std::array<std::pair<std::string_view, std::int32_t>, 7> kMethods{{
    {"1bit", 1},
    {"灰度图片", 2},
    {"低分辨彩色图", 3},
    {"高清黑白图片", 4},
    {"8bit", 8},
    {"高分辨彩色图", 16},
    {"不做减色处理", 0},
}};

// The command line's English names; "1bit" and "8bit" are names already.
// American spellings are taken too.
constexpr std::array<std::pair<std::string_view, std::int32_t>, 9> kMethodNames{{
    {"none", 0},
    {"grey", 2},
    {"gray", 2},
    {"low-colour", 3},
    {"low-color", 3},
    {"high-grey", 4},
    {"high-gray", 4},
    {"high-colour", 16},
    {"high-color", 16},
}};

} // namespace

std::optional<std::int32_t> methodColorBitFromName(std::string_view name) {
    for (const auto& [text, code] : kMethodNames) {
        if (text == name) {
            return code;
        }
    }
    return methodColorBit(name);
}

std::optional<std::int32_t> methodColorBit(std::string_view caption) {
    for (const auto& [text, code] : kMethods) {
        if (text == caption) {
            return code;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> methodCaption(std::int32_t colorBit) {
    for (const auto& [text, code] : kMethods) {
        if (code == colorBit) {
            return text;
        }
    }
    return std::nullopt;
}

std::optional<int> readThreadLimit(std::string_view text) {
    if (text == kNoThreadLimit) {
        return 0;
    }
    const std::optional<std::int64_t> number = readWholeNumber(text);
    if (!number || *number < kMinThreadLimit || *number > kMaxThreadLimit) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

std::optional<std::int64_t> readWholeNumber(std::string_view text) {
    constexpr std::int64_t kLimit = 1'000'000'000'000'000;
    auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::int64_t whole = 0;
    std::size_t digits = 0;
    std::size_t i = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
        whole = whole * 10 + (text[i] - '0');
        if (whole > kLimit) {
            return std::nullopt;
        }
    }
    // The decimal part only decides the rounding: its first digit against 5,
    // and on an exact half whether anything follows.
    int firstDecimal = 0;
    bool moreDecimals = false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (std::size_t d = 0; i < text.size() && isDigit(text[i]); ++i, ++d, ++digits) {
            if (d == 0) {
                firstDecimal = text[i] - '0';
            } else if (text[i] != '0') {
                moreDecimals = true;
            }
        }
    }
    if (digits == 0 || i != text.size()) {
        return std::nullopt;
    }
    const bool roundUp =
        firstDecimal > 5 || (firstDecimal == 5 && (moreDecimals || whole % 2 == 1));
    if (roundUp) {
        ++whole;
    }
    return negative ? -whole : whole;
}

} // namespace tessaline
