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

// A number typed into a box: spaces around it, an optional sign, digits and
// an optional decimal part, rounded half to even to a whole number. Nothing
// for empty or non-numeric text, or a magnitude beyond 10^15.
std::optional<std::int64_t> readWholeNumber(std::string_view text);

} // namespace tessaline
