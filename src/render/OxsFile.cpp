#include "render/OxsFile.h"

#include <string>

namespace tessaline {

OxsFileResult readOxsFile(const std::filesystem::path& path, const OxsReadSettings& settings) {
    PictureFile file(path);
    return readOxsFile(file, settings);
}

OxsFileResult readOxsFile(PictureFile& file, const OxsReadSettings& settings) {
    OxsFileResult result;
    if (file.error() != PictureLoadError::None) {
        result.fileError = file.error();
        return result;
    }
    if (file.size() > kMaxOxsFileBytes) {
        result.fileError = PictureLoadError::TooLarge;
        return result;
    }
    std::string text(static_cast<std::size_t>(file.size()), '\0');
    file.stream().read(text.data(), static_cast<std::streamsize>(text.size()));
    // A file that grew or shrank meanwhile reads short, or has more to read.
    const bool readWhole = file.stream().gcount() == static_cast<std::streamsize>(text.size()) &&
                           file.stream().peek() == std::char_traits<char>::eof();
    if (!readWhole || file.changed()) {
        result.changed = true;
        return result;
    }
    result.read = readOxs(text, settings);
    return result;
}

bool isOxsFileName(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    if (extension.size() != 4) {
        return false;
    }
    std::string lower;
    for (const char c : extension) {
        lower += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower == ".oxs";
}

} // namespace tessaline
