// Writes the 423 DMC thread colours as a 423 x 1 plain PPM picture, the
// palette a user would hand to an image tool's colour mapping.
#include "pattern/ThreadPalette.h"

#include <cstdio>

int main() {
    const tessaline::ThreadPalette& dmc = tessaline::dmcPalette();
    std::printf("P3\n%d 1\n255\n", tessaline::kDmcThreadCount);
    for (int i = 1; i <= tessaline::kDmcThreadCount; ++i) {
        const tessaline::Color c = dmc[static_cast<std::size_t>(i)].color;
        std::printf("%d %d %d\n", tessaline::getRed(c), tessaline::getGreen(c),
                    tessaline::getBlue(c));
    }
    return 0;
}
