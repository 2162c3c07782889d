#pragma once
// The state shared by the windows (module xiubas). One object is owned by
// the application and handed to every window that needs it; the engine
// functions take the parts they need as arguments instead.
#include "app/Color.h"
#include "pattern/ColorMatch.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tessaline {

// A 321 x 321 matrix of cells indexed (x, y): x the column, y the row.
// 321 cells in each direction is the program's limit on a pattern's size.
class CellMatrix {
  public:
    static constexpr int kSize = 321;

    std::int32_t& operator()(int x, int y) { return cells_[index(x, y)]; }
    std::int32_t operator()(int x, int y) const { return cells_[index(x, y)]; }
    void fill(std::int32_t value) { cells_.fill(value); }
    bool operator==(const CellMatrix&) const = default;

  private:
    static constexpr std::size_t index(int x, int y) {
        return static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x);
    }
    std::array<std::int32_t, kSize * kSize> cells_{};
};

// What the settings window stores for the generation window: the pattern's
// title ("我的绣图" is drawn when it is empty), the thread category, the
// thread limit ("最多绣线数", 0 for "无限制") and the colour matching.
struct PatternSettings {
    std::string xiutuTitle;
    std::string whichType = "DMC";
    int threadLimit = 0;
    ColorMatch colorMatch = ColorMatch::Rgb;
    // "清理零散针", "每种线最少针数" (0: off), the fabric colour and "背景不绣"
    // with its CIEDE2000 tolerance (nothing: off); see GenerationSettings.
    bool cleanup = false;
    int minStitches = 0;
    Color fabricColor = kWhite;
    std::optional<double> unstitchedBackground;
    // The thread limit may choose metallic threads too.
    bool allowSpecialty = false;
};

struct Xiubas {
    static constexpr int kColorListSize = 500;

    std::string picturePath;
    std::string lastDrive;
    std::string lastDir;
    std::int32_t reduceStrength = 1600;
    std::int16_t gridSize = 10;
    CellMatrix patternMatrix;
    // colorList(1 To 500): index 0 is unused so positions read as written.
    std::array<std::int32_t, kColorListSize + 1> colorList{};
    CellMatrix colorIndexMatrix;
    PatternSettings patternSettings;
    // Counts the rewrites of patternMatrix (an effect preview, a saved
    // effect, a replacement's "完成"): a window that works from the pattern
    // keeps the count it started from and knows when it is out of date.
    std::uint64_t patternVersion = 0;

    void clearPatternMatrix() { patternMatrix.fill(kWhite); }
    void patternChanged() { ++patternVersion; }
};

} // namespace tessaline
