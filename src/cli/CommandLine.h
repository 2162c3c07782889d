#pragma once
// The command line: `tessaline convert PICTURE [options]` and
// `tessaline palette-export INPUT OUTPUT`, with no display needed.

namespace tessaline {

// True when the first argument is one of the command words, a help flag or
// --version: none of these needs a display.
bool isCommandLineInvocation(int argc, char** argv);

// Runs the command and returns the process exit code. Creates its own
// offscreen QGuiApplication; call it before any other Qt application exists.
int runCommandLine(int argc, char** argv);

} // namespace tessaline
