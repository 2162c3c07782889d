#include "pattern/SkeinEstimate.h"

#include <cmath>

namespace tessaline {

namespace {

constexpr double kMillimetresPerInch = 25.4;

} // namespace

double crossStrandMillimetres(int fabricCount) {
    if (fabricCount <= 0) {
        return 0;
    }
    // Front: both diagonals of the cell; back: two of its sides.
    const double side = kMillimetresPerInch / stitchesPerInch(fabricCount);
    return (2 * std::sqrt(2.0) + 2) * side;
}

double threadMillimetres(int stitches, int fabricCount, int strands) {
    if (stitches <= 0 || strands <= 0) {
        return 0;
    }
    return stitches * crossStrandMillimetres(fabricCount) * strands * (1 + kThreadAllowance);
}

int skeinsFor(int stitches, int fabricCount, int strands) {
    const double skeinStrandMillimetres = kSkeinMetres * 1000 * kSkeinStrands;
    return static_cast<int>(
        std::ceil(threadMillimetres(stitches, fabricCount, strands) / skeinStrandMillimetres));
}

int crossesPerSkein(int fabricCount, int strands) {
    const double one = threadMillimetres(1, fabricCount, strands);
    return one <= 0 ? 0 : static_cast<int>(kSkeinMetres * 1000 * kSkeinStrands / one);
}

double finishedCentimetres(int stitches, int fabricCount) {
    return fabricCount <= 0 ? 0
                            : stitches * kMillimetresPerInch / 10 / stitchesPerInch(fabricCount);
}

double finishedInches(int stitches, int fabricCount) {
    return fabricCount <= 0 ? 0 : stitches / stitchesPerInch(fabricCount);
}

} // namespace tessaline
