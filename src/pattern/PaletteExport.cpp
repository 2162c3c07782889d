#include "pattern/PaletteExport.h"

#include "app/OutputFiles.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <system_error>
#include <vector>

namespace tessaline {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLeadingBytes = 4;
constexpr std::size_t kNumberBytes = 10;
constexpr std::size_t kRecordBytes = 4 + kNumberBytes;

PaletteExportResult failure(PaletteExportError error, std::string message) {
    PaletteExportResult result;
    result.error = error;
    result.message = std::move(message);
    return result;
}

std::int32_t readColor(const unsigned char* bytes) {
    const std::uint32_t value = std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) |
                                (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
    return static_cast<std::int32_t>(value);
}

// The number goes between double quotes on a line of its own: a quote, a
// control character or a line break inside it would break that line.
bool printableNumber(const unsigned char* bytes) {
    for (std::size_t i = 0; i < kNumberBytes; ++i) {
        if (bytes[i] < 0x20 || bytes[i] == 0x7F || bytes[i] == '"') {
            return false;
        }
    }
    return true;
}

} // namespace

PaletteExportResult exportPalette(const fs::path& input, const fs::path& output) {
    std::error_code error;
    if (!fs::is_regular_file(input, error)) {
        return failure(PaletteExportError::MissingInput,
                       "palette file not found: " + readableName(input));
    }
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        return failure(PaletteExportError::MissingInput,
                       "palette file cannot be read: " + readableName(input));
    }
    const std::uintmax_t size = fs::file_size(input, error);
    if (error) {
        return failure(PaletteExportError::MissingInput,
                       "palette file cannot be read: " + readableName(input));
    }
    if (size < kLeadingBytes) {
        return failure(PaletteExportError::Malformed,
                       "palette file is shorter than its 4-byte header");
    }
    const std::uintmax_t body = size - kLeadingBytes;
    const std::uintmax_t records = (body + kRecordBytes - 1) / kRecordBytes;
    if (records > kMaxPaletteRecords) {
        return failure(PaletteExportError::TooManyRecords,
                       "palette file holds more than 500 records");
    }
    if (body % kRecordBytes != 0) {
        return failure(PaletteExportError::Malformed, "palette file ends inside a record");
    }

    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file),
                                           std::istreambuf_iterator<char>()};
    if (bytes.size() != size) {
        return failure(PaletteExportError::MissingInput,
                       "palette file cannot be read: " + readableName(input));
    }

    std::string text;
    const int count = static_cast<int>(records);
    for (int i = 1; i <= count; ++i) {
        const unsigned char* record =
            bytes.data() + kLeadingBytes + static_cast<std::size_t>(i - 1) * kRecordBytes;
        if (!printableNumber(record + 4)) {
            return failure(PaletteExportError::Malformed,
                           "record " + std::to_string(i) + " has an unprintable thread number");
        }
        const std::string index = std::to_string(i);
        text += "dmc(" + index + ").color = " + std::to_string(readColor(record)) + "\r\n";
        text += "dmc(" + index + ").cindex = \"";
        text.append(reinterpret_cast<const char*>(record + 4), kNumberBytes);
        text += "\"\r\n";
    }

    if (const OutputResult written = writeOutputFile(
            output, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
            input);
        !written.ok()) {
        return failure(PaletteExportError::UnwritableOutput, written.message());
    }
    PaletteExportResult result;
    result.records = count;
    return result;
}

} // namespace tessaline
