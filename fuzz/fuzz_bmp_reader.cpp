// Feeds arbitrary bytes to the BMP reader. A file the reader accepts must
// give a 24-bit buffer whose size matches its header and that can be
// reduced and written back without trouble.
#include "imaging/ClsDIB.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tessaline::ClsDIB dib;
    if (!dib.LoadBitMapFromBytes(data, size)) {
        if (dib.hDC() != 0 || dib.DataSize() != 0) {
            std::abort(); // a refused file must leave an empty buffer empty
        }
        return 0;
    }
    if (dib.ColorBit() != 24 || dib.Width() <= 0 || dib.Height() <= 0 ||
        dib.DataSize() != tessaline::dibStride(dib.Width(), 24) * dib.Height()) {
        std::abort();
    }
    // Touch every pixel byte so the sanitizers see any bad memory.
    unsigned sum = 0;
    for (std::int32_t i = 0; i < dib.DataSize(); ++i) {
        sum += dib.DataPtr()[i];
    }
    volatile unsigned sink = sum;
    (void)sink;
    tessaline::ClsDIB reduced;
    if (!reduced.ddGet216C(dib, true) || reduced.Width() != dib.Width()) {
        std::abort();
    }
    return 0;
}
