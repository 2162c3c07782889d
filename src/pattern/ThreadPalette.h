#pragma once
// The DMC thread palette and the nearest-thread search.
#include "app/Color.h"

#include <array>
#include <string>
#include <string_view>

namespace tessaline {

struct ThreadRecord {
    Color color = 0;    // 0x00BBGGRR
    std::string cindex; // thread number, 10 characters padded with blanks
};

// dmc(1 To 500): entries 1..423 are the threads, index 0 is unused so
// positions read as written, 424..500 stay empty and are never searched.
inline constexpr int kPaletteCapacity = 500;
inline constexpr int kDmcThreadCount = 423;
inline constexpr int kThreadNumberLength = 10;
using ThreadPalette = std::array<ThreadRecord, kPaletteCapacity + 1>;

// Palette positions of two telling threads.
inline constexpr int kDmcWhite = 393; // "5200"
inline constexpr int kDmcBlack = 421; // "310"

// Fills entries 1..423 from the built-in table (colour, then padded number).
void loadColor(ThreadPalette& dmc);
ThreadPalette loadColor();

// The built-in palette, filled once.
const ThreadPalette& dmcPalette();

// Palette position (1..423) of the thread nearest to `color` by plain squared
// RGB distance; on a tie the lower position wins.
int nearestThread(const ThreadPalette& dmc, Color color);
int nearestThread(Color color);

// Pads or cuts a thread number to the 10-character `cindex` form.
std::string padThreadNumber(std::string_view number);

// Thread category of the pattern settings ("DMC" or "CC").
enum class ThreadCategory { Dmc, Cc };

// "" and "DMC" mean DMC; any other text means the pattern's own colours.
ThreadCategory threadCategoryFromText(std::string_view whichType);
std::string_view threadCategoryText(ThreadCategory category);

} // namespace tessaline
