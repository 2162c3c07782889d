#pragma once
// Colours are 32-bit values 0x00BBGGRR: red in the lowest byte, as the
// pattern matrix, the thread palette and every window store them.
#include <cstdint>

namespace tessaline {

using Color = std::int32_t;

constexpr Color kWhite = 0xFFFFFF;

// A pattern cell taken from a transparent part of the picture: white to
// every colour helper, and never stitched (the fourth byte marks it).
constexpr Color kClearCell = 0x01FFFFFF;

constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// The byte helpers: lowest, second and third byte of the stored value.
constexpr std::uint8_t getRed(Color c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t getGreen(Color c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t getBlue(Color c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

} // namespace tessaline
