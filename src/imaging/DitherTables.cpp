#include "imaging/DitherTables.h"

namespace tessaline {

namespace {

constexpr bool tablesAreIntact(const DitherTables& tables) {
    std::array<bool, 256> seen{};
    for (std::uint8_t value : tables.ditherMatrix) {
        if (seen[value]) {
            return false;
        }
        seen[value] = true;
    }
    for (int i = 0; i < 8; ++i) {
        if (tables.bitMask[static_cast<std::size_t>(i)] != (1 << (7 - i))) {
            return false;
        }
    }
    return true;
}

// A mistyped threshold would make some level unreachable; refuse to build.
static_assert(tablesAreIntact(kDitherTables), "dither tables must be a permutation of 0..255");

} // namespace

const DitherTables& initDitherTables() {
    return kDitherTables;
}

} // namespace tessaline
