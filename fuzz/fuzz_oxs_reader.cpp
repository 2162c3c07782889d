// Feeds arbitrary bytes to the OXS reader. A file it accepts must give a
// pattern that stays within its declared size, whose cells point at its own
// threads, and that writes back as an OXS file the reader accepts again
// with the same threads and stitches.
#include "pattern/OxsReader.h"
#include "pattern/PatternOxs.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaline;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const OxsReadResult read = readOxs(text);
    if (!read.ok()) {
        if (read.pattern != nullptr) {
            std::abort(); // a refused file gives no pattern
        }
        return 0;
    }
    const OxsPattern& pattern = *read.pattern;
    const PatternThreads& threads = pattern.threads;
    if (threads.width < 1 || threads.height < 1 || threads.width > kMaxPatternSide ||
        threads.height > kMaxPatternSide || threads.threadCount > kMaxPatternColors) {
        std::abort();
    }
    for (int y = 0; y < threads.height; ++y) {
        for (int x = 0; x < threads.width; ++x) {
            const int index = pattern.colorIndexMatrix(x, y);
            if (index < 0 || index > kMaxPatternColors ||
                (index > 0 && threads.symbolPos[static_cast<std::size_t>(index)] == 0 &&
                 threads.threadCount <= 240)) {
                std::abort();
            }
        }
    }
    // What the program writes from it, it reads again unchanged.
    const std::string written = patternOxs(pattern.pattern(), BookSettings{});
    const OxsReadResult again = readOxs(written);
    if (!again.ok() || patternOxs(again.pattern->pattern(), BookSettings{}) != written) {
        std::abort();
    }
    return 0;
}
