#pragma once
#include <QString>

namespace tessaline {

// The exit code of the window program that finds no display to open, after
// one line on standard error (`tessaline convert` needs none).
inline constexpr int kExitNoDisplay = 6;

// The program's start: builds the dither tables, shows the main window and
// runs it until it closes. Returns the process exit code.
int Main(int argc, char** argv);

// `tessaline [--desktop] [PICTURE]`, read after Qt has taken its own options.
// --desktop: started from the desktop entry, so the program works in the
// user's pictures folder rather than wherever the desktop started it.
// PICTURE: opened in the main window as the file browser would, named from
// the current folder at start.
struct StartOptions {
    bool fromDesktop = false;
    QString picture;
};
StartOptions readStartOptions(int argc, char** argv);

} // namespace tessaline
