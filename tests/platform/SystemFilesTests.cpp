// The operating system's file calls: the termination signals held while a
// batch of outputs is committed, and the staged files removed on an
// interruption.
#include "platform/SystemFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

#if defined(__unix__) || defined(__APPLE__)
#include <csignal>

namespace tessaline {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(SystemFilesDeathTest, ASignalWhileSignalsAreHeldWaitsUntilTheyAreReleased) {
    const fs::path folder = fs::temp_directory_path() / "tessaline-system-files-held";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path staged = folder / "staged.part";
    const fs::path marker = folder / "after.txt";
    writeText(staged, "");
    EXPECT_EXIT(
        {
            removeLeftoversOnInterrupt();
            const CleanupTicket ticket(staged);
            {
                const HeldSignals held;
                std::raise(SIGTERM);
                writeText(marker, "still running");
            }
            std::_Exit(0); // not reached: the held signal ends the program
        },
        ::testing::KilledBySignal(SIGTERM), "");
    EXPECT_EQ(readText(marker), "still running");
    EXPECT_FALSE(fs::exists(staged)); // removed as on any interruption
    fs::remove_all(folder);
}

} // namespace
} // namespace tessaline

#endif
