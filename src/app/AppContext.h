#pragma once
// What the application hands to each window: the shared state, the message
// boxes, and the two folders the program works with.
#include "app/Xiubas.h"

#include <QString>

namespace tessaline {

class UserDialogs;

struct AppContext {
    Xiubas& state;
    UserDialogs& dialogs;
    // Where the program writes its files and finds "logo.dll": the current
    // directory at start-up.
    QString workingFolder;
    // Where what ships with the program lives (help document, samples).
    QString programFolder;

    // A file name in the working folder.
    QString workingPath(const QString& fileName) const;
};

} // namespace tessaline
