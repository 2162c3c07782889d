#include "cli/CommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace tessaline {

namespace {

constexpr std::string_view kUsage = "Usage:\n"
                                    "  tessaline                          start the program\n"
                                    "  tessaline convert PICTURE [options]\n"
                                    "  tessaline palette-export INPUT OUTPUT\n"
                                    "  tessaline --help\n";

} // namespace

bool isCommandLineInvocation(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    const std::string_view word = argv[1];
    return word == "convert" || word == "palette-export" || word == "--help" || word == "-h";
}

int runCommandLine(int argc, char** argv) {
    const std::string_view word = argc > 1 ? std::string_view(argv[1]) : std::string_view();
    if (word == "--help" || word == "-h") {
        std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
        return 0;
    }
    std::fprintf(stderr, "tessaline: the command \"%s\" is not available in this build\n",
                 std::string(word).c_str());
    return 2;
}

} // namespace tessaline
