#pragma once
// File names are whatever bytes the file system holds: archives made on
// Windows bring GBK names that are not UTF-8, and Qt's own file classes
// cannot reach those. Files are opened through std::filesystem::path, which
// keeps the bytes, and names are shown through readableFileName.
#include <QString>
#include <filesystem>
#include <string>

namespace tessaline {

// A path Qt gave us (always representable) as the file system's own.
std::filesystem::path nativePath(const QString& path);

// The name for people: UTF-8 as it is, else GB18030 (which covers GBK),
// else UTF-8 with the undecodable bytes replaced.
QString readableFileName(const std::filesystem::path& path);
std::string readableFileNameUtf8(const std::filesystem::path& path);

} // namespace tessaline
