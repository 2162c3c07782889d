#pragma once
// The cloth a pattern is stitched on: the colours offered by name, and the
// reading of a colour given as text ("white", "ivory", "black", "RRGGBB").
#include "app/Color.h"

#include <optional>
#include <string_view>

namespace tessaline {

inline constexpr Color kFabricWhite = kWhite;
// Antique white, the usual "ivory" Aida.
inline constexpr Color kFabricIvory = rgb(0xFA, 0xEB, 0xD7);
inline constexpr Color kFabricBlack = rgb(0, 0, 0);

// The tolerance "背景不绣" starts from, in CIEDE2000.
inline constexpr double kDefaultBackgroundTolerance = 5.0;
inline constexpr double kMaxBackgroundTolerance = 50.0;

// "white", "ivory" (or "antique-white"), "black", or six hex digits RRGGBB
// with or without a leading '#'; nothing for anything else.
std::optional<Color> fabricColorFromText(std::string_view text);

} // namespace tessaline
