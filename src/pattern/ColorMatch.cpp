#include "pattern/ColorMatch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tessaline {

namespace {

constexpr std::string_view kRgbCaption = "RGB";
constexpr std::string_view kLabCaption = "CIELAB ΔE2000";

// sRGB byte to linear light.
const std::array<double, 256>& linearTable() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double c = static_cast<double>(i) / 255.0;
            t[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

double labF(double t) {
    constexpr double kDelta = 6.0 / 29.0;
    return t > kDelta * kDelta * kDelta ? std::cbrt(t) : t / (3 * kDelta * kDelta) + 4.0 / 29.0;
}

double pow7(double x) {
    const double x2 = x * x;
    return x2 * x2 * x2 * x;
}

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;
constexpr double k25Pow7 = 6103515625.0; // 25^7

// The lightness weight S_L of CIEDE2000 at mean lightness l.
double lightnessWeight(double l) {
    const double l50 = (l - 50.0) * (l - 50.0);
    return 1.0 + 0.015 * l50 / std::sqrt(20.0 + l50);
}

int squaredDistance(Color a, Color b) {
    const int dr = getRed(a) - getRed(b);
    const int dg = getGreen(a) - getGreen(b);
    const int db = getBlue(a) - getBlue(b);
    return dr * dr + dg * dg + db * db;
}

} // namespace

std::string_view colorMatchCaption(ColorMatch match) {
    return match == ColorMatch::Lab ? kLabCaption : kRgbCaption;
}

Lab toLab(Color color) {
    const auto& linear = linearTable();
    const double r = linear[getRed(color)];
    const double g = linear[getGreen(color)];
    const double b = linear[getBlue(color)];
    // sRGB primaries to XYZ, each row divided by the D65 white's component.
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    const double fx = labF(x);
    const double fy = labF(y);
    const double fz = labF(z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double deltaE2000(const Lab& first, const Lab& second) {
    const double c1 = std::sqrt(first.a * first.a + first.b * first.b);
    const double c2 = std::sqrt(second.a * second.a + second.b * second.b);
    const double cMean7 = pow7((c1 + c2) / 2.0);
    const double g = 0.5 * (1.0 - std::sqrt(cMean7 / (cMean7 + k25Pow7)));
    const double a1 = (1.0 + g) * first.a;
    const double a2 = (1.0 + g) * second.a;
    const double c1p = std::sqrt(a1 * a1 + first.b * first.b);
    const double c2p = std::sqrt(a2 * a2 + second.b * second.b);
    const double dL = second.L - first.L;
    const double dC = c2p - c1p;
    const double lMean = (first.L + second.L) / 2.0;
    const double cMeanP = (c1p + c2p) / 2.0;

    // The hue difference dH and the mean hue, worked out on the two hue
    // directions as unit vectors: the chord between them is 2 sin(dh / 2)
    // and their sum points along the mean hue. Only where the mean hue must
    // be known as an angle (the blue rotation term), and where the hues are
    // so nearly opposite that their sum points nowhere, is an arc tangent
    // taken.
    double dH = 0.0;
    double cosMean = 1.0; // a neutral colour has hue 0
    double sinMean = 0.0;
    double hMean = -1.0; // the mean hue in radians, 0..2 pi, when worked out
    if (c1p != 0.0 && c2p != 0.0) {
        const double e1a = a1 / c1p;
        const double e1b = first.b / c1p;
        const double e2a = a2 / c2p;
        const double e2b = second.b / c2p;
        const double chord = std::sqrt((e2a - e1a) * (e2a - e1a) + (e2b - e1b) * (e2b - e1b));
        const double turn = e1a * e2b - e1b * e2a; // the sign of the hue difference
        dH = (turn < 0.0 ? -1.0 : 1.0) * std::sqrt(c1p * c2p) * chord;
        const double sumA = e1a + e2a;
        const double sumB = e1b + e2b;
        const double length = std::sqrt(sumA * sumA + sumB * sumB);
        if (length > 1e-3) {
            cosMean = sumA / length;
            sinMean = sumB / length;
        } else {
            // Opposite hues: the mean follows the angles as the formula
            // defines it.
            auto hue = [](double b, double a) {
                const double h = std::atan2(b, a);
                return h < 0.0 ? h + 2.0 * kPi : h;
            };
            const double h1 = hue(first.b, a1);
            const double h2 = hue(second.b, a2);
            hMean = h1 + h2;
            if (std::abs(h1 - h2) > kPi) {
                hMean += hMean < 2.0 * kPi ? 2.0 * kPi : -2.0 * kPi;
            }
            hMean /= 2.0;
            cosMean = std::cos(hMean);
            sinMean = std::sin(hMean);
        }
    } else if (c1p != 0.0 || c2p != 0.0) {
        // One colour is neutral: the mean hue is the other's hue.
        const double c = c1p != 0.0 ? c1p : c2p;
        cosMean = (c1p != 0.0 ? a1 : a2) / c;
        sinMean = (c1p != 0.0 ? first.b : second.b) / c;
    }
    // T = 1 - 0.17 cos(h - 30) + 0.24 cos(2h) + 0.32 cos(3h + 6) - 0.20 cos(4h - 63),
    // from the mean hue's sine and cosine by the multiple-angle formulas.
    const double cos1 = cosMean;
    const double sin1 = sinMean;
    const double cos2 = 2.0 * cos1 * cos1 - 1.0;
    const double sin2 = 2.0 * sin1 * cos1;
    const double cos3 = cos1 * (4.0 * cos1 * cos1 - 3.0);
    const double sin3 = sin1 * (3.0 - 4.0 * sin1 * sin1);
    const double cos4 = 2.0 * cos2 * cos2 - 1.0;
    const double sin4 = 2.0 * sin2 * cos2;
    static const double kCos30 = std::cos(30.0 * kDegree);
    static const double kCos6 = std::cos(6.0 * kDegree);
    static const double kSin6 = std::sin(6.0 * kDegree);
    static const double kCos63 = std::cos(63.0 * kDegree);
    static const double kSin63 = std::sin(63.0 * kDegree);
    const double t = 1.0 - 0.17 * (cos1 * kCos30 + sin1 * 0.5) + 0.24 * cos2 +
                     0.32 * (cos3 * kCos6 - sin3 * kSin6) - 0.20 * (cos4 * kCos63 + sin4 * kSin63);
    const double sl = lightnessWeight(lMean);
    const double sc = 1.0 + 0.045 * cMeanP;
    const double sh = 1.0 + 0.015 * cMeanP * t;
    const double tl = dL / sl;
    const double tc = dC / sc;
    const double th = dH / sh;
    // The rotation term is 30 degrees times exp(-((h - 275) / 25)^2). Below a
    // mean hue of 116.7 degrees the exponent is under -40, and the term adds
    // less than half a unit in the last place of the sum: it is left out.
    double rt = 0.0;
    if (hMean >= 0.0 || !(sinMean >= 0.0 && cosMean > -0.45)) {
        if (hMean < 0.0) {
            hMean = std::atan2(sinMean, cosMean);
            hMean = hMean < 0.0 ? hMean + 2.0 * kPi : hMean;
        }
        const double hueOffset = (hMean / kDegree - 275.0) / 25.0;
        const double theta = 30.0 * kDegree * std::exp(-hueOffset * hueOffset);
        const double cMeanP7 = pow7(cMeanP);
        const double rc = 2.0 * std::sqrt(cMeanP7 / (cMeanP7 + k25Pow7));
        rt = -std::sin(2.0 * theta) * rc;
    }
    return std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th);
}

double deltaE2000LightnessBound(double l1, double l2) {
    return std::abs(l2 - l1) / lightnessWeight((l1 + l2) / 2.0);
}

ThreadMatcher::ThreadMatcher(const ThreadPalette& dmc, ColorMatch match,
                             std::span<const int> candidates)
    : match_(match) {
    auto add = [&](int position) {
        const Color color = dmc[static_cast<std::size_t>(position)].color;
        const Lab lab = match == ColorMatch::Lab ? toLab(color) : Lab{};
        candidates_.push_back({position, color, lab, std::sqrt(lab.a * lab.a + lab.b * lab.b)});
    };
    if (candidates.empty()) {
        for (int position = 1; position <= kDmcThreadCount; ++position) {
            add(position);
        }
    } else {
        std::vector<int> sorted(candidates.begin(), candidates.end());
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        for (int position : sorted) {
            if (position >= 1 && position <= kDmcThreadCount) {
                add(position);
            }
        }
    }
    if (match == ColorMatch::Lab) {
        std::stable_sort(candidates_.begin(), candidates_.end(),
                         [](const Candidate& x, const Candidate& y) { return x.lab.L < y.lab.L; });
    }
}

int ThreadMatcher::nearest(Color color) const {
    if (candidates_.empty()) {
        return 1;
    }
    if (match_ == ColorMatch::Lab) {
        return nearestByLab(toLab(color));
    }
    int best = candidates_.front().position;
    int bestDistance = squaredDistance(color, candidates_.front().color);
    // Strictly smaller only: on a tie the earlier palette entry keeps its place.
    for (std::size_t i = 1; i < candidates_.size(); ++i) {
        const int d = squaredDistance(color, candidates_[i].color);
        if (d < bestDistance) {
            best = candidates_[i].position;
            bestDistance = d;
        }
    }
    return best;
}

int ThreadMatcher::nearestByLab(const Lab& lab, double* difference) const {
    return nearestByLab(
        lab, [&lab](int, const Lab& candidate) { return deltaE2000(lab, candidate); }, difference);
}

int nearestThread(const ThreadPalette& dmc, Color color, ColorMatch match) {
    if (match == ColorMatch::Rgb) {
        return nearestThread(dmc, color);
    }
    // The palette's CIELAB values are worked out once for the built-in table.
    if (&dmc == &dmcPalette()) {
        static const ThreadMatcher matcher(dmcPalette(), ColorMatch::Lab);
        return matcher.nearest(color);
    }
    return ThreadMatcher(dmc, match).nearest(color);
}

} // namespace tessaline
