#pragma once
// Between platform/SystemFiles.cpp, which every system shares, and the
// system's own calls (SystemFilesPosix.cpp or SystemFilesWindows.cpp, the
// build takes one). Nothing else calls these.
#include <filesystem>

namespace tessaline::systemfiles {

using NativeChar = std::filesystem::path::value_type;

// Removes a file, or an empty folder; safe inside a signal handler.
void removeEntry(const NativeChar* path, bool folder);

// Removes whatever keepForCleanup holds (the interruption handler's work).
void removeHeld();

// Whether a HeldSignals lives; an interruption that arrives then is kept
// with holdSignal and taken up when the last one ends.
bool signalsHeld();
void holdSignal(int signalNumber);

// Whether linkFile is to fail as without hard links (simulateMissingHardLinks).
bool linksSimulatedMissing();

} // namespace tessaline::systemfiles
