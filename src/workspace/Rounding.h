#pragma once
// Conversions to whole numbers take the nearest integer with halves going to
// the even neighbour (2.5 -> 2, 3.5 -> 4), everywhere in the workspace.
#include <cmath>

namespace tessaline {

inline int roundHalfEven(double value) {
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    double result = floorValue;
    if (diff > 0.5) {
        result = floorValue + 1.0;
    } else if (diff == 0.5) {
        result = std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
    }
    return static_cast<int>(result);
}

} // namespace tessaline
