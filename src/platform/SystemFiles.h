#pragma once
// The few file-system calls the standard library lacks: forcing a file to
// disk, renaming without replacing, and removing half-made files when the
// program is interrupted. The calls themselves are in SystemFilesPosix.cpp
// and SystemFilesWindows.cpp; nothing else in the program calls the
// operating system for files directly.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tessaline {

// std::fopen for a path in the file system's own encoding (wide on Windows).
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

// A path from UTF-8 text: on Windows its UTF-16 form (never the ANSI code
// page's), elsewhere the bytes as they are.
std::filesystem::path pathFromUtf8(std::string_view text);

// A path's name as bytes: the file system's own on POSIX, the UTF-16 name as
// UTF-8 on Windows (an unpaired surrogate encoded alone, so it shows as
// bytes that are not UTF-8).
std::string nameBytes(const std::filesystem::path& path);

// Flushes and forces a written file to its disk; false when the system
// reports the data could not be stored.
bool syncFile(std::FILE* file);

enum class RenameOutcome { Done, TargetExists, Failed };

// Creates `path` as a new empty file and closes it, never touching a file
// already there: 0, or the system's error (EEXIST when the name is taken).
int createExclusive(const std::filesystem::path& path);

// Gives the file `from` the second name `to`: 0, or the system's error
// (EEXIST when `to` is taken; see hardLinksMissing).
int linkFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Whether an error of linkFile means the file system has no hard links
// (vfat, exFAT, some network shares) rather than a real failure.
bool hardLinksMissing(int error);

// For tests: linkFile fails as on a file system without hard links.
void simulateMissingHardLinks(bool missing);

// This program's process number, and whether a process of that number
// still exists (true where it cannot be told).
int currentProcessId();
bool processExists(int processId);

// Moves `from` to `to` unless `to` already exists, in one step where the
// file system allows it (so two savers can never take the same name).
RenameOutcome renameWithoutReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& to, std::error_code& ec);

// Files and folders removed should the program be stopped by SIGINT,
// SIGTERM, SIGHUP or SIGPIPE before they are released. keepForCleanup
// returns a ticket for releaseFromCleanup (-1 when none could be taken: the
// path then simply stays behind on an interruption). On Windows: Ctrl+C,
// Ctrl+Break, SIGTERM and the console window closing.
int keepForCleanup(const std::filesystem::path& path, bool folder = false);
void releaseFromCleanup(int ticket);

// Installs the handlers that remove what keepForCleanup holds and then let
// the signal end the program as it would have.
void removeLeftoversOnInterrupt();

// While one lives, SIGINT, SIGTERM, SIGHUP and SIGPIPE are held back: one
// that arrives takes effect (removing what keepForCleanup holds, then
// ending the program) only when the last HeldSignals ends. Outputs are put
// in place under it, so an interruption never leaves half a batch. On
// Windows: Ctrl+C, Ctrl+Break and SIGTERM, and a closing console window
// waits for it (as long as the system lets it).
class HeldSignals {
  public:
    HeldSignals();
    ~HeldSignals();
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;
};

// Standard error: whether a person reads it, and sending it nowhere for a
// while (silenceStandardError gives what restoreStandardError takes back,
// -1 when it could not be silenced).
bool standardErrorIsTerminal();
int silenceStandardError();
void restoreStandardError(int saved);

// Releases its ticket when it goes out of scope.
class CleanupTicket {
  public:
    CleanupTicket() = default;
    explicit CleanupTicket(const std::filesystem::path& path, bool folder = false)
        : ticket_(keepForCleanup(path, folder)) {}
    ~CleanupTicket() { releaseFromCleanup(ticket_); }
    CleanupTicket(CleanupTicket&& other) noexcept : ticket_(other.ticket_) { other.ticket_ = -1; }
    CleanupTicket& operator=(CleanupTicket&& other) noexcept {
        if (this != &other) {
            releaseFromCleanup(ticket_);
            ticket_ = other.ticket_;
            other.ticket_ = -1;
        }
        return *this;
    }

  private:
    int ticket_ = -1;
};

} // namespace tessaline
