#pragma once
// The 423 DMC threads as compiled-in data, in palette order (position 1
// first). loadColor turns them into the padded ThreadPalette form.
#include "app/Color.h"

#include <array>

namespace tessaline {

struct DmcThread {
    Color color;        // 0x00BBGGRR
    const char* number; // thread number, unpadded
};

extern const std::array<DmcThread, 423> kDmcThreads;

} // namespace tessaline
