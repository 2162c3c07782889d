#pragma once
// What the pattern book and the thread estimate are made for: the paper, the
// chart's cell pitch and the fabric the pattern is stitched on. Shared by the
// generation window, the command line and every writer that needs them.
#include <array>
#include <optional>
#include <string_view>

namespace tessaline {

enum class PaperSize { A4, Letter };

// Fabric counts offered: Aida by blocks per inch (11 to 22), evenweave and
// linen by threads per inch (25, 28, 32), stitched over two threads.
inline constexpr std::array kFabricCounts{11, 14, 16, 18, 22, 25, 28, 32};
// From this count on the cloth is evenweave or linen, stitched over two.
inline constexpr int kOverTwoFromCount = 25;
// The cover gives the finished size on these.
inline constexpr std::array kCoverFabricCounts{11, 14, 16, 18};

// Chart pitch of the book: 10 cells an inch unless chosen, from 2 to 6 mm.
inline constexpr double kDefaultBookPitchMm = 2.54;
inline constexpr double kMinBookPitchMm = 2.0;
inline constexpr double kMaxBookPitchMm = 6.0;
inline constexpr int kDefaultFabricCount = 14;
// Strands stitched together; the legend's skeins assume it.
inline constexpr int kDefaultStrands = 2;

struct BookSettings {
    PaperSize paper = PaperSize::A4;
    double pitchMm = kDefaultBookPitchMm;
    int fabricCount = kDefaultFabricCount;
    int strands = kDefaultStrands;
};

constexpr bool isFabricCount(int count) {
    for (const int offered : kFabricCounts) {
        if (offered == count) {
            return true;
        }
    }
    return false;
}

// True for evenweave and linen counts: one cross covers two threads each way.
constexpr bool stitchedOverTwo(int count) {
    return count >= kOverTwoFromCount;
}

// Crosses per inch on a cloth of that count: 28-count linen gives 14.
constexpr double stitchesPerInch(int count) {
    return stitchedOverTwo(count) ? count / 2.0 : count;
}

constexpr bool isBookPitch(double mm) {
    return mm >= kMinBookPitchMm && mm <= kMaxBookPitchMm;
}

// "a4" or "letter", as the command line names them.
constexpr std::string_view paperName(PaperSize paper) {
    return paper == PaperSize::Letter ? "letter" : "a4";
}

constexpr std::optional<PaperSize> paperFromName(std::string_view name) {
    if (name == "a4" || name == "A4") {
        return PaperSize::A4;
    }
    if (name == "letter" || name == "Letter") {
        return PaperSize::Letter;
    }
    return std::nullopt;
}

} // namespace tessaline
