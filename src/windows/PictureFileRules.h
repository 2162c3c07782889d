#pragma once
// The file browser's rules for picture names and paths. A name is judged by
// its last three characters alone, exactly as typed: the loader may read
// more formats, but the browser offers only these.
#include <QString>

namespace tessaline {

// OK accepts "bmp", "jpg", "gif" in all-lower or all-upper case.
bool isAcceptedPictureName(const QString& fileName);

// The folder, the platform's separator and the name. The separator is added
// even when the folder already ends in one (a root folder), which the file
// system reads as a single separator.
QString joinFolderAndFile(const QString& folder, const QString& fileName);

} // namespace tessaline
