#pragma once
// What the application hands to each window: the shared state, the message
// boxes, and the two folders the program works with.
#include "app/Xiubas.h"

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessaline {

class UserDialogs;

struct AppContext {
    Xiubas& state;
    UserDialogs& dialogs;
    // Where the program writes its files and looks first for "logo.dll":
    // the current directory at start-up (the user's pictures folder's
    // "Tessaline" when started from the desktop), as the file system names
    // it (its bytes, so a folder named in another encoding still works).
    std::filesystem::path workingFolder;
    // Where what ships with the program lives (start-up picture, help
    // document, samples; see DataFolders.h). Only ever read.
    QString programFolder;

    // The start-up picture for picturePath: "logo.dll" in the working folder
    // where there is one, else the one shipped in the program folder.
    std::string startPicturePath() const;

    // A file name in the working folder.
    QString workingPath(const QString& fileName) const;
    std::filesystem::path workingFile(std::string_view fileName) const;
    // The working folder for messages, with native separators.
    QString workingFolderText() const;
    // The working folder, a separator and `fileName`, for messages.
    QString workingFileText(const std::filesystem::path& fileName) const;
};

} // namespace tessaline
