#pragma once
// How the settings window reads what the user chose or typed: the method
// captions and their reduction codes, and whole numbers typed into a box.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaline {

// The reduction code (Form1's ColorBit) a method caption selects, including
// the typed-only "1bit" and "8bit"; nothing for any other text.
std::optional<std::int32_t> methodColorBit(std::string_view caption);
// The reduction code of a caption or of its English name: "none" (0),
// "grey" (2), "low-colour" (3), "high-grey" (4), "high-colour" (16), also
// spelt "gray" and "color"; "1bit" and "8bit" are their own names.
std::optional<std::int32_t> methodColorBitFromName(std::string_view name);
// The caption that selects a reduction code; nothing for an unknown code.
std::optional<std::string_view> methodCaption(std::int32_t colorBit);

// The thread limit's "no limit" caption.
inline constexpr std::string_view kNoThreadLimit = "无限制";
// A thread limit as chosen or typed: "无限制" is 0, a number (read as the
// window's number boxes read it) must lie within 2..423; nothing otherwise.
std::optional<int> readThreadLimit(std::string_view text);

// A number typed into a box: spaces around it, an optional sign, digits and
// an optional decimal part, rounded half to even to a whole number. Nothing
// for empty or non-numeric text, or a magnitude beyond 10^15.
std::optional<std::int64_t> readWholeNumber(std::string_view text);

} // namespace tessaline
