#pragma once
// Colour matching: plain squared RGB distance, or CIEDE2000 in CIELAB, for
// every "nearest thread" decision of a generation.
#include "pattern/ThreadPalette.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
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

// A lower bound of the CIEDE2000 difference between colours of lightness
// `l1` and `l2` (the lightness term alone); for a fixed `l1` it only grows
// as `l2` moves away.
double deltaE2000LightnessBound(double l1, double l2);

// A lower bound of the squared CIEDE2000 difference from its lightness term
// `lightnessBound` (above) and the colours' distance in the a-b plane, with
// `chromaSum` the sum of their chromas C*ab. Chroma and hue terms together
// keep a share of that distance over the largest weight SC can take (G at
// most 0.5): all but a millionth where both colours lie on the yellow side
// (b >= 0), whose mean hue is then at most 180 degrees and the blue rotation
// term nil; elsewhere 1 - sqrt(3)/2, the rotation term at its strongest.
inline double deltaE2000BoundSquared(double lightnessBound, const Lab& first, const Lab& second,
                                     double chromaSum) {
    constexpr double kRotationFloor = 0.1339745; // 1 - sqrt(3)/2, rounded down
    constexpr double kNoRotation = 0.99999;
    const double share = first.b >= 0 && second.b >= 0 ? kNoRotation : kRotationFloor;
    const double da = first.a - second.a;
    const double db = first.b - second.b;
    const double sc = 1.0 + 0.03375 * chromaSum;
    return lightnessBound * lightnessBound + share * (da * da + db * db) / (sc * sc);
}

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
    // The same with the CIEDE2000 difference to a candidate given by
    // `differenceTo(position, candidateLab)`, for callers that already know
    // many of them.
    template <typename Difference>
    int nearestByLab(const Lab& lab, const Difference& differenceTo,
                     double* difference = nullptr) const;
    ColorMatch match() const { return match_; }

  private:
    struct Candidate {
        int position = 0;
        Color color = 0;
        Lab lab;
        double chroma = 0; // C*ab
    };

    ColorMatch match_;
    // RGB: in palette order. CIELAB: sorted by lightness, which bounds the
    // difference from below and lets the search stop early.
    std::vector<Candidate> candidates_;
};

template <typename Difference>
int ThreadMatcher::nearestByLab(const Lab& lab, const Difference& differenceTo,
                                double* difference) const {
    if (candidates_.empty()) {
        return 1;
    }
    // CIEDE2000 is at least its lightness term, which only grows with the
    // lightness gap. So walking outwards in lightness from the colour, each
    // side can stop once its next thread's bound exceeds the best found; on
    // the way, a thread whose bound with the a-b distance exceeds it is
    // passed over.
    const auto start = std::lower_bound(
        candidates_.begin(), candidates_.end(), lab.L,
        [](const Candidate& candidate, double lightness) { return candidate.lab.L < lightness; });
    std::ptrdiff_t below = start - candidates_.begin() - 1;
    std::ptrdiff_t above = start - candidates_.begin();
    const auto count = static_cast<std::ptrdiff_t>(candidates_.size());
    auto bound = [&](std::ptrdiff_t i) -> double {
        if (i < 0 || i >= count) {
            return std::numeric_limits<double>::infinity();
        }
        return deltaE2000LightnessBound(lab.L, candidates_[static_cast<std::size_t>(i)].lab.L);
    };
    const double chroma = std::sqrt(lab.a * lab.a + lab.b * lab.b);
    int best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    double boundBelow = bound(below);
    double boundAbove = bound(above);
    while (below >= 0 || above < count) {
        const bool takeBelow = boundBelow <= boundAbove;
        if (std::min(boundBelow, boundAbove) > bestDistance) {
            break;
        }
        const Candidate& candidate =
            candidates_[static_cast<std::size_t>(takeBelow ? below : above)];
        const double lightnessBound = takeBelow ? boundBelow : boundAbove;
        if (takeBelow) {
            boundBelow = bound(--below);
        } else {
            boundAbove = bound(++above);
        }
        // Passed over only with a margin, so that rounding never drops a
        // thread just as near.
        if (best != 0 &&
            deltaE2000BoundSquared(lightnessBound, lab, candidate.lab, chroma + candidate.chroma) >
                bestDistance * bestDistance * (1 + 1e-9)) {
            continue;
        }
        const double d = differenceTo(candidate.position, candidate.lab);
        if (best == 0 || d < bestDistance || (d == bestDistance && candidate.position < best)) {
            best = candidate.position;
            bestDistance = d;
        }
    }
    if (difference != nullptr) {
        *difference = bestDistance;
    }
    return best;
}

// Palette position (1..423) of the thread nearest to `color` under `match`;
// on a tie the lower position wins. With ColorMatch::Rgb this is
// nearestThread(dmc, color).
int nearestThread(const ThreadPalette& dmc, Color color, ColorMatch match);

} // namespace tessaline
