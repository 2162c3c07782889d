#pragma once

namespace tessaline {

// The program's start: builds the dither tables, shows the main window and
// runs it until it closes. Returns the process exit code.
int Main(int argc, char** argv);

} // namespace tessaline
