// The one way the program writes files: numbering, failed writes, targets
// that are not regular files, the input protected, names in any encoding.
#include "app/OutputFiles.h"
#include "platform/SystemFiles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sstream>
#include <thread>

#if defined(__unix__) || defined(__APPLE__)
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#define TESSALINE_POSIX_TESTS 1
#endif

namespace tessaline {
namespace {

namespace fs = std::filesystem;

class Folder {
  public:
    Folder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() / ("tessaline-outputs-" + std::string(info->name()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    fs::path operator/(const fs::path& name) const { return path_ / name; }
    const fs::path& path() const { return path_; }
    // Every entry, hidden ones included, by name.
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& entry : fs::directory_iterator(path_)) {
            all.push_back(entry.path().filename().string());
        }
        std::sort(all.begin(), all.end());
        return all;
    }

  private:
    fs::path path_;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(OutputFiles, NumberedFilesTakeTheFreeNumbersAndNeverReplaceOne) {
    Folder folder;
    for (const auto& [prefix, extension] :
         {std::pair{"myxiu", ".bmp"}, std::pair{"myxiu", ".pdf"}, std::pair{"xiaoguo", ".bmp"}}) {
        SCOPED_TRACE(std::string(prefix) + extension);
        const std::string first = std::string(prefix) + "001" + extension;
        const std::string third = std::string(prefix) + "003" + extension;
        writeText(folder / first, "earlier 1");
        writeText(folder / third, "earlier 3");
        std::int32_t counter = 0; // a fresh window or run
        const OutputResult second =
            writeNumberedFile(folder.path(), prefix, extension, counter, bytesOf("new A"));
        ASSERT_TRUE(second.ok()) << second.message();
        EXPECT_EQ(second.path, folder / (std::string(prefix) + "002" + extension));
        EXPECT_EQ(counter, 2);
        const OutputResult fourth =
            writeNumberedFile(folder.path(), prefix, extension, counter, bytesOf("new B"));
        ASSERT_TRUE(fourth.ok()) << fourth.message();
        EXPECT_EQ(fourth.path, folder / (std::string(prefix) + "004" + extension));
        EXPECT_EQ(counter, 4);
        EXPECT_EQ(readText(folder / first), "earlier 1");
        EXPECT_EQ(readText(folder / third), "earlier 3");
        EXPECT_EQ(readText(second.path), "new A");
        EXPECT_EQ(readText(fourth.path), "new B");
    }
    EXPECT_EQ(folder.names().size(), 12U); // nothing staged is left

    std::int32_t counter = 0;
    const OutputResult missing =
        writeNumberedFile(folder / "missing", "myxiu", ".bmp", counter, bytesOf("x"));
    EXPECT_EQ(missing.fault, OutputFault::Unwritable);
    EXPECT_EQ(counter, 0);
}

TEST(OutputFiles, TargetsThatAreNotFilesAreWrittenThroughOrRefused) {
    Folder folder;
    fs::create_directory(folder / "real");
    writeText(folder / "real" / "chart.json", "new");
#ifdef TESSALINE_POSIX_TESTS
    // A symbolic link to a regular file: the file is replaced in its own
    // folder and the link stays.
    writeText(folder / "real" / "chart.json", "old");
    fs::create_symlink(folder / "real" / "chart.json", folder / "link.json");
    ASSERT_TRUE(writeOutputFile(folder / "link.json", bytesOf("new")).ok());
    EXPECT_TRUE(fs::is_symlink(folder / "link.json"));
    EXPECT_EQ(readText(folder / "real" / "chart.json"), "new");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"link.json", "real"}));

    // A link to a character device: the bytes go to the device, the link and
    // the device stay what they are.
    fs::create_symlink("/dev/null", folder / "device.json");
    ASSERT_TRUE(writeOutputFile(folder / "device.json", bytesOf("gone")).ok());
    EXPECT_TRUE(fs::is_symlink(folder / "device.json"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
#endif

    // "-" is the batch's standard output, written before any file is put
    // in place; a standard output that fails keeps every file out.
    std::ostringstream out;
    {
        OutputBatch batch(out);
        std::size_t toStdout = 0;
        std::size_t toFile = 0;
        ASSERT_TRUE(batch.add("-", toStdout).ok());
        ASSERT_TRUE(batch.add(folder / "c.png", toFile).ok());
        ASSERT_TRUE(batch.write(toStdout, std::string_view("{}")).ok());
        ASSERT_TRUE(batch.write(toFile, std::string_view("png")).ok());
        ASSERT_TRUE(batch.commit().ok());
    }
    EXPECT_EQ(out.str(), "{}");
    EXPECT_EQ(readText(folder / "c.png"), "png");
    std::ostringstream full;
    full.setstate(std::ios::badbit);
    {
        OutputBatch batch(full);
        std::size_t toStdout = 0;
        std::size_t toFile = 0;
        ASSERT_TRUE(batch.add("-", toStdout).ok());
        ASSERT_TRUE(batch.add(folder / "d.png", toFile).ok());
        ASSERT_TRUE(batch.write(toFile, std::string_view("png")).ok());
        const OutputResult committed = batch.commit();
        EXPECT_EQ(committed.fault, OutputFault::WriteFailed);
        EXPECT_EQ(committed.message(),
                  "cannot write standard output: the data could not be written");
    }
    EXPECT_FALSE(fs::exists(folder / "d.png"));

    // A folder, and the file being read (also behind a link), are refused
    // before anything is written.
    EXPECT_EQ(writeOutputFile(folder / "real", bytesOf("x")).fault, OutputFault::Folder);
    OutputBatch batch(out);
    batch.protect(folder / "real" / "chart.json");
    std::size_t slot = 0;
    EXPECT_EQ(batch.add(folder / "real" / "chart.json", slot).fault, OutputFault::SameAsInput);
#ifdef TESSALINE_POSIX_TESTS
    EXPECT_EQ(batch.add(folder / "link.json", slot).fault, OutputFault::SameAsInput);
#endif
    EXPECT_EQ(readText(folder / "real" / "chart.json"), "new");

    // The longest name a folder holds still gets its staging file.
    const std::string longest(255 - 5, 'n');
    EXPECT_TRUE(writeOutputFile(folder / (longest + ".json"), bytesOf("{}")).ok());
    EXPECT_EQ(readText(folder / (longest + ".json")), "{}");
    // Nothing staged is left: "real", "c.png", the longest name (and the
    // two links).
#ifdef TESSALINE_POSIX_TESTS
    EXPECT_EQ(folder.names().size(), 5U);
#else
    EXPECT_EQ(folder.names().size(), 3U);
#endif
}

#ifdef TESSALINE_POSIX_TESTS

TEST(OutputFiles, APipeGetsTheBytesAndStaysAPipe) {
    Folder folder;
    const fs::path fifo = folder / "pipe.json";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = readText(fifo); });
    const OutputResult written = writeOutputFile(fifo, bytesOf("through the pipe"));
    reader.join();
    ASSERT_TRUE(written.ok()) << written.message();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"pipe.json"});
}

// A file size limit stands in for a full disk: writes past it fail with
// "File too large" instead of ending the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(OutputFiles, AFailedWriteKeepsTheEarlierFileAndSaysWhy) {
    Folder folder;
    const std::string good(1000, 'g');
    const std::string large(64 * 1024, 'L');
    ASSERT_TRUE(writeOutputFile(folder / "chart.pdf", bytesOf(good)).ok());
    std::int32_t counter = 0;
    ASSERT_TRUE(writeNumberedFile(folder.path(), "myxiu", ".pdf", counter, bytesOf(good)).ok());
    {
        const FileSizeLimit limit(16 * 1024);
        const OutputResult replaced = writeOutputFile(folder / "chart.pdf", bytesOf(large));
        EXPECT_EQ(replaced.fault, OutputFault::WriteFailed);
        EXPECT_NE(replaced.message().find("File too large"), std::string::npos)
            << replaced.message();
        const OutputResult numbered =
            writeNumberedFile(folder.path(), "myxiu", ".pdf", counter, bytesOf(large));
        EXPECT_EQ(numbered.fault, OutputFault::WriteFailed);
        EXPECT_EQ(counter, 1);
    }
    EXPECT_EQ(readText(folder / "chart.pdf"), good);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"chart.pdf", "myxiu001.pdf"}));
}

TEST(OutputFiles, AFlushThatFailsOnASmallWriteKeepsTheEarlierFile) {
    // Smaller than the stream's buffer: the write itself succeeds and only
    // the final flush meets the limit.
    Folder folder;
    const std::string good(100, 'g');
    ASSERT_TRUE(writeOutputFile(folder / "p.json", bytesOf(good)).ok());
    const std::string small(3000, 's');
    {
        const FileSizeLimit limit(1000);
        const OutputResult written = writeOutputFile(folder / "p.json", bytesOf(small));
        EXPECT_EQ(written.fault, OutputFault::WriteFailed);
        EXPECT_NE(written.message().find("File too large"), std::string::npos) << written.message();
    }
    EXPECT_EQ(readText(folder / "p.json"), good);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"p.json"});
}

// Every file system without hard links is simulated by making the link call
// fail; the fallbacks must keep every guarantee.
class WithoutHardLinks {
  public:
    explicit WithoutHardLinks(bool missing) { simulateMissingHardLinks(missing); }
    ~WithoutHardLinks() { simulateMissingHardLinks(false); }
};

TEST(OutputFiles, ABatchThatFailsAtARenamePutsEveryEarlierFileBack) {
    for (const bool linksMissing : {false, true}) {
        SCOPED_TRACE(linksMissing ? "without hard links" : "with hard links");
        const WithoutHardLinks links(linksMissing);
        Folder folder;
        writeText(folder / "a.json", "old a");
        writeText(folder / "c.pdf", "old c");
        std::ostringstream out;
        {
            OutputBatch batch(out);
            std::size_t slot = 0;
            for (const char* name : {"a.json", "b.png", "c.pdf"}) {
                ASSERT_TRUE(batch.add(folder / name, slot).ok());
                ASSERT_TRUE(batch.write(slot, std::string_view("new")).ok());
            }
            // A folder appears where the last file goes: its rename fails
            // after the first two succeeded.
            fs::remove(folder / "c.pdf");
            fs::create_directory(folder / "c.pdf");
            const OutputResult committed = batch.commit();
            EXPECT_EQ(committed.fault, OutputFault::CommitFailed);
            EXPECT_EQ(committed.path, folder / "c.pdf");
        }
        EXPECT_EQ(readText(folder / "a.json"), "old a");
        EXPECT_FALSE(fs::exists(folder / "b.png"));
        EXPECT_TRUE(fs::is_directory(folder / "c.pdf"));
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.json", "c.pdf"}));

        // The same batch without the folder commits whole, keeping nothing.
        fs::remove(folder / "c.pdf");
        OutputBatch batch(out);
        std::size_t slot = 0;
        for (const char* name : {"a.json", "b.png", "c.pdf"}) {
            ASSERT_TRUE(batch.add(folder / name, slot).ok());
            ASSERT_TRUE(batch.write(slot, std::string_view(name)).ok());
        }
        ASSERT_TRUE(batch.commit().ok());
        EXPECT_EQ(readText(folder / "a.json"), "a.json");
        EXPECT_EQ(readText(folder / "c.pdf"), "c.pdf");
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.json", "b.png", "c.pdf"}));
    }
}

TEST(OutputFiles, ConcurrentNumberedSavesWithoutHardLinksLoseNoFile) {
    const WithoutHardLinks links(true);
    Folder folder;
    constexpr int kSavers = 4;
    constexpr int kSaves = 50;
    std::vector<std::thread> savers;
    std::vector<int> failures(kSavers, 0);
    for (int saver = 0; saver < kSavers; ++saver) {
        savers.emplace_back([&folder, &failures, saver] {
            std::int32_t counter = 0; // each a window of its own
            for (int save = 0; save < kSaves; ++save) {
                const std::string text = std::to_string(saver) + "/" + std::to_string(save);
                if (!writeNumberedFile(folder.path(), "myxiu", ".oxs", counter, bytesOf(text))
                         .ok()) {
                    ++failures[static_cast<std::size_t>(saver)];
                }
            }
        });
    }
    for (std::thread& saver : savers) {
        saver.join();
    }
    EXPECT_EQ(failures, std::vector<int>(kSavers, 0));
    std::set<std::string> contents;
    for (const std::string& name : folder.names()) {
        contents.insert(readText(folder / name));
    }
    EXPECT_EQ(folder.names().size(), std::size_t{kSavers * kSaves});
    EXPECT_EQ(contents.size(), std::size_t{kSavers * kSaves}); // every save is there
}

TEST(OutputFiles, LeftoversOfRunsThatAreGoneAreRemovedByTheNextRun) {
    Folder folder;
    // 999999999 is past every process number a system hands out.
    const std::string gone = "999999999";
    const std::string self = std::to_string(currentProcessId());
    for (const std::string& name : std::vector<std::string>{
             ".tessaline-" + gone + "-ab12cd.part", ".tessaline-" + gone + "-ab12cd.keep",
             ".tessaline-" + self + "-ab12cd.part", ".tessaline-1-ab12cd.part",
             ".tessaline-ab12cd.part", "tessaline-" + gone + "-notes.txt", "kept.txt"}) {
        writeText(folder / name, "");
    }
    // A kept file that is a second name of another goes; one moved there
    // (the file system had no hard links) may be the only copy and stays.
    std::error_code noHardLinks; // then there is no second name to remove
    fs::create_hard_link(folder / "kept.txt", folder / (".tessaline-" + gone + "-ef34gh.keep"),
                         noHardLinks);
    fs::create_directory(folder / ("tessaline-" + gone + "-Xy12Zw"));
    writeText(folder / ("tessaline-" + gone + "-Xy12Zw") / "tmppicv.bmp", "scratch");
    fs::create_directory(folder / ("tessaline-" + self + "-Xy12Zw"));
    // A user's own folder whose name looks like a scratch folder's.
    fs::create_directory(folder / "tessaline-2024-backups");

    // The first file this run writes there clears the dead run's staging
    // files; a live run's files (this one's, process 1's), names not quite
    // ours and every folder stay.
    ASSERT_TRUE(writeOutputFile(folder / "c.json", bytesOf("{}")).ok());
    std::vector<std::string> expected{".tessaline-1-ab12cd.part",
                                      ".tessaline-" + gone + "-ab12cd.keep",
                                      ".tessaline-" + self + "-ab12cd.part",
                                      ".tessaline-ab12cd.part",
                                      "c.json",
                                      "kept.txt",
                                      "tessaline-2024-backups",
                                      "tessaline-" + self + "-Xy12Zw",
                                      "tessaline-" + gone + "-Xy12Zw",
                                      "tessaline-" + gone + "-notes.txt"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.names(), expected);

    // In the temporary folder the dead run's scratch folder goes too; a
    // name with more than six letters after the number is not ours.
    removeScratchLeftovers(folder.path());
    expected.erase(std::find(expected.begin(), expected.end(), "tessaline-" + gone + "-Xy12Zw"));
    EXPECT_EQ(folder.names(), expected);
    EXPECT_NE(scratchFolderPattern().find("tessaline-" + self + "-"), std::string::npos);
}

TEST(OutputFiles, TwoNamesOfOneFileAreOneOutput) {
    Folder folder;
    writeText(folder / "a.json", "a");
    fs::create_symlink("a.json", folder / "l.oxs");
    fs::create_hard_link(folder / "a.json", folder / "h.json");
    fs::create_directory(folder / "sub");
    fs::create_directory_symlink("sub", folder / "via");
    fs::create_symlink("sub/new.pdf", folder / "dangling.pdf");
    EXPECT_TRUE(sameOutputFile(folder / "a.json", folder / "l.oxs"));
    EXPECT_TRUE(sameOutputFile(folder / "h.json", folder / "a.json"));
    EXPECT_TRUE(sameOutputFile(folder / "sub" / ".." / "a.json", folder / "a.json"));
    // Files not made yet: the same name in the same folder, however reached.
    EXPECT_TRUE(sameOutputFile(folder / "via" / "new.pdf", folder / "sub" / "new.pdf"));
    EXPECT_TRUE(sameOutputFile(folder / "dangling.pdf", folder / "via" / "new.pdf"));
    EXPECT_FALSE(sameOutputFile(folder / "sub" / "new.pdf", folder / "sub" / "other.pdf"));
    EXPECT_FALSE(sameOutputFile(folder / "a.json", folder / "sub" / "a.json"));
    EXPECT_FALSE(sameOutputFile("-", "-"));
}

#endif

TEST(OutputFiles, NamesAreTheSystemsOwnAndShownReadably) {
    Folder folder;
#ifdef _WIN32
    // Names are UTF-16: "测试" is in no Western ANSI code page, and an
    // unpaired surrogate (which NTFS accepts) is shown as bytes.
    const fs::path odd = pathFromUtf8("测试");
    const std::string shown = "测试";
    EXPECT_EQ(readableName(std::wstring{L'a', wchar_t{0xD800}}), "a\\xED\\xA0\\x80");
#else
    // "测试" in GBK, as archives made on Windows name folders.
    const fs::path odd = "\xB2\xE2\xCA\xD4";
    const std::string shown = "\\xB2\\xE2\\xCA\\xD4";
#endif
    fs::create_directory(folder / odd);
    std::int32_t counter = 0;
    const OutputResult saved =
        writeNumberedFile(folder / odd, "myxiu", ".bmp", counter, bytesOf("bmp"));
    ASSERT_TRUE(saved.ok()) << saved.message();
    EXPECT_EQ(readText(folder / odd / "myxiu001.bmp"), "bmp");
    const fs::path json = folder / odd / fs::path(odd).concat(".json");
    ASSERT_TRUE(writeOutputFile(json, bytesOf("{}")).ok());
    EXPECT_EQ(readText(json), "{}");

    const std::string separator(1, static_cast<char>(fs::path::preferred_separator));
    EXPECT_EQ(readableName(odd / "c.png"), shown + separator + "c.png");
    EXPECT_EQ(readableName(pathFromUtf8("绣图/c.png")), "绣图/c.png");
    const OutputResult refused =
        writeOutputFile(folder / "none" / fs::path(odd).concat(".png"), bytesOf(""));
    EXPECT_NE(refused.message().find(shown + ".png\": No such file"), std::string::npos)
        << refused.message();
}

} // namespace
} // namespace tessaline
