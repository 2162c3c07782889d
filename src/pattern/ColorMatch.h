#pragma once
// Colour matching: plain squared RGB distance, or CIEDE2000 in CIELAB, for
// every "nearest thread" decision of a generation.
#include "pattern/ThreadPalette.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tessaline {

// How a colour finds its thread: "RGB" is the plain squared distance,
// "CIELAB ΔE2000" the CIEDE2000 difference.
enum class ColorMatch { Rgb, Lab };

// The settings window's caption of a matching.
std::string_view colorMatchCaption(ColorMatch match);

// CIELAB under the D65 white point.
struct Lab {
    double L = 0;
    double a = 0;
    double b = 0;
};

// An sRGB colour (0x00BBGGRR) in CIELAB.
Lab toLab(Color color);

// The CIEDE2000 colour difference with kL = kC = kH = 1.
double deltaE2000(const Lab& first, const Lab& second);

// Nearest-thread search over a set of palette threads under one matching.
// Built once, then asked per colour; ties go to the lower palette position,
// so over the whole palette the RGB matching is nearestThread exactly.
class ThreadMatcher {
  public:
    // `candidates`: the palette positions to choose from; all 423 when empty.
    ThreadMatcher(const ThreadPalette& dmc, ColorMatch match, std::span<const int> candidates = {});

    int nearest(Color color) const;
    // CIELAB matching only: the thread nearest a point of CIELAB, and its
    // difference from it.
    int nearestByLab(const Lab& lab, double* difference = nullptr) const;
    ColorMatch match() const { return match_; }

  private:
    struct Candidate {
        int position = 0;
        Color color = 0;
        Lab lab;
    };

    ColorMatch match_;
    // RGB: in palette order. CIELAB: sorted by lightness, which bounds the
    // difference from below and lets the search stop early.
    std::vector<Candidate> candidates_;
};

// Palette position (1..423) of the thread nearest to `color` under `match`;
// on a tie the lower position wins. With ColorMatch::Rgb this is
// nearestThread(dmc, color).
int nearestThread(const ThreadPalette& dmc, Color color, ColorMatch match);

} // namespace tessaline
