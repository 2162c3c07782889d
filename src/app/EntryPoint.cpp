// The executable: the windows, or with a command word the same pipeline
// without a display.
#include "app/Main.h"

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    if (tessaline::isCommandLineInvocation(argc, argv)) {
        return tessaline::runCommandLine(argc, argv);
    }
    return tessaline::Main(argc, argv);
}
