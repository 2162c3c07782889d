#include "pattern/PaletteExport.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace tessaline {
namespace {

namespace fs = std::filesystem;

struct PatternPaletteExportFixture : ::testing::Test {
    fs::path dir;

    void SetUp() override {
        std::random_device random;
        dir = fs::temp_directory_path() / ("tessaline-pal-" + std::to_string(random()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    static void appendRecord(std::string& bytes, std::uint32_t color, const std::string& number) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<char>((color >> shift) & 0xFF));
        }
        std::string padded = number;
        padded.resize(10, ' ');
        bytes += padded;
    }
    fs::path writeFile(const std::string& name, const std::string& bytes) const {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string readFile(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // A palette file of `count` records: the 4-byte header, then records.
    fs::path palette(int count) const {
        std::string bytes("HEAD");
        for (int i = 0; i < count; ++i) {
            appendRecord(bytes, static_cast<std::uint32_t>(i), std::to_string(i));
        }
        return writeFile("many.pal", bytes);
    }
};

TEST_F(PatternPaletteExportFixture, WritesTwoCrLfLinesPerRecord) {
    std::string bytes = "\x01\x02\x03\x04";
    appendRecord(bytes, 12110335u, "3713");
    appendRecord(bytes, 0xFFFFFFFFu, "0000"); // a negative 32-bit value
    const fs::path out = dir / "dmcbas.txt";
    const PaletteExportResult result = exportPalette(writeFile("dmc.pal", bytes), out);
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.records, 2);
    EXPECT_EQ(readFile(out), "dmc(1).color = 12110335\r\n"
                             "dmc(1).cindex = \"3713      \"\r\n"
                             "dmc(2).color = -1\r\n"
                             "dmc(2).cindex = \"0000      \"\r\n");
    EXPECT_FALSE(fs::exists(dir / "dmcbas.txt.part"));
}

TEST_F(PatternPaletteExportFixture, HeaderOnlyGivesAnEmptyFileAndReplacesAnOldOne) {
    const fs::path out = writeFile("out.txt", "old contents");
    const PaletteExportResult result = exportPalette(writeFile("empty.pal", "HEAD"), out);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.records, 0);
    EXPECT_TRUE(fs::exists(out));
    EXPECT_EQ(readFile(out), "");
}

TEST_F(PatternPaletteExportFixture, FiveHundredRecordsFitAndFiveHundredOneDoNot) {
    const fs::path out = dir / "out.txt";
    PaletteExportResult result = exportPalette(palette(500), out);
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.records, 500);
    EXPECT_NE(readFile(out).find("dmc(500).cindex = \"499       \"\r\n"), std::string::npos);

    const std::string before = readFile(out);
    result = exportPalette(palette(501), out);
    EXPECT_EQ(result.error, PaletteExportError::TooManyRecords);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(readFile(out), before); // the old output is left as it was
}

TEST_F(PatternPaletteExportFixture, MissingInput) {
    const fs::path out = dir / "out.txt";
    EXPECT_EQ(exportPalette(dir / "absent.pal", out).error, PaletteExportError::MissingInput);
    EXPECT_EQ(exportPalette(dir, out).error, PaletteExportError::MissingInput);
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(PatternPaletteExportFixture, UnwritableOutput) {
    const fs::path in = palette(3);
    EXPECT_EQ(exportPalette(in, dir / "no-such-dir" / "out.txt").error,
              PaletteExportError::UnwritableOutput);
    // A folder in the output's place cannot be replaced by the text file.
    fs::create_directories(dir / "taken" / "inside");
    EXPECT_EQ(exportPalette(in, dir / "taken").error, PaletteExportError::UnwritableOutput);
    EXPECT_TRUE(fs::is_directory(dir / "taken" / "inside"));
    EXPECT_FALSE(fs::exists(dir / "taken.part"));
    // The palette itself as the output is refused and stays as it was.
    const auto before = fs::file_size(in);
    EXPECT_EQ(exportPalette(in, in).error, PaletteExportError::UnwritableOutput);
    EXPECT_EQ(fs::file_size(in), before);
}

TEST_F(PatternPaletteExportFixture, MalformedInputs) {
    const fs::path out = dir / "out.txt";
    EXPECT_EQ(exportPalette(writeFile("short.pal", "HE"), out).error,
              PaletteExportError::Malformed);

    std::string cut = "HEAD";
    appendRecord(cut, 1, "1");
    cut += "abc"; // a record cut short
    EXPECT_EQ(exportPalette(writeFile("cut.pal", cut), out).error, PaletteExportError::Malformed);

    std::string quote = "HEAD";
    appendRecord(quote, 1, "12\"4");
    EXPECT_EQ(exportPalette(writeFile("quote.pal", quote), out).error,
              PaletteExportError::Malformed);

    std::string lineBreak = "HEAD";
    appendRecord(lineBreak, 1, "12\r\n");
    EXPECT_EQ(exportPalette(writeFile("crlf.pal", lineBreak), out).error,
              PaletteExportError::Malformed);

    std::string zero = "HEAD";
    appendRecord(zero, 1, std::string("310\0", 4));
    // Not "nul.pal": Windows takes any NUL.* for its null device.
    EXPECT_EQ(exportPalette(writeFile("zero.pal", zero), out).error, PaletteExportError::Malformed);
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
} // namespace tessaline
