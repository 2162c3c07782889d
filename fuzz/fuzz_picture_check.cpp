// Feeds arbitrary bytes to the check that tells whole GIF and BMP
// files from cut-off ones. It walks untrusted structure lengths, so it must
// stay inside the data whatever they claim, for the file and its prefixes.
#include "render/PictureFileCheck.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const bool whole = tessaline::isCompletePicture(bytes);
    // Cut-off copies of a whole file are what the check exists for.
    if (whole && size > 0) {
        (void)tessaline::isCompletePicture(bytes.first(static_cast<qsizetype>(size) - 1));
        (void)tessaline::isCompletePicture(bytes.first(static_cast<qsizetype>(size) / 2));
    }
    return 0;
}
