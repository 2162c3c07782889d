#pragma once
// Opening a file with the program the desktop keeps for its kind, and
// knowing beforehand whether there is one: a desktop without a program for
// the file answers "opened" all the same and then shows nothing.
#include <QString>

namespace tessaline {

// True when the desktop has a program of its own for files like this.
// Where the desktop follows the freedesktop conventions (Linux, BSD), that
// is the program xdg-mime names for the file's type, which xdg-open then
// starts; with either tool missing, nothing can be started.
bool desktopHasOpenerFor(const QString& path);

// Asks the desktop to open the file; false when it has nothing to open it
// with or refused, so the caller can show the file itself.
bool openWithDesktop(const QString& path);

} // namespace tessaline
