#pragma once
// Opening an OXS pattern file: read as the picture loader reads a picture
// (ordinary reads under a size cap, and refused when it changes while it is
// read), then handed to the engine's OXS reader. The generation window and
// `tessaline convert` both open patterns through it.
#include "pattern/OxsReader.h"
#include "render/PictureLoader.h"

#include <filesystem>

namespace tessaline {

// No chart the program can hold needs a larger file.
inline constexpr std::uintmax_t kMaxOxsFileBytes = std::uintmax_t{64} << 20;

struct OxsFileResult {
    // The file itself could not be read (NotFound, Unreadable, IsFolder, ...,
    // TooLarge for a file over kMaxOxsFileBytes).
    PictureLoadError fileError = PictureLoadError::None;
    // The file changed while it was read.
    bool changed = false;
    // What the reader made of its text.
    OxsReadResult read;
    bool ok() const { return fileError == PictureLoadError::None && !changed && read.ok(); }
};

OxsFileResult readOxsFile(const std::filesystem::path& path, const OxsReadSettings& settings);
// Reads a file opened (and checked) earlier.
OxsFileResult readOxsFile(PictureFile& file, const OxsReadSettings& settings);

// Whether a file is taken for a pattern file rather than a picture: its
// name ends in ".oxs" (any case).
bool isOxsFileName(const std::filesystem::path& path);

} // namespace tessaline
