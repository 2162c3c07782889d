#include "platform/SystemFiles.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#if defined(__unix__) || defined(__APPLE__)
#define TESSALINE_POSIX_FILES 1
#include <cerrno>
#include <signal.h>
#include <unistd.h>
#endif

namespace tessaline {

namespace {

// What an interruption removes. The handler may run at any moment, so the
// list is a fixed table guarded by atomics: a slot is filled before it is
// marked held, and marked free before it is reused.
constexpr std::size_t kSlots = 64;
constexpr std::size_t kPathBytes = 4096;
constexpr int kFree = 0;
constexpr int kFilling = 1;
constexpr int kHeld = 2;

struct Slot {
    std::atomic<int> state{kFree};
    bool folder = false;
    char path[kPathBytes] = {};
};

std::array<Slot, kSlots> slots;

void removeHeld() {
    // Files first, so the folders they sit in are empty when removed.
    for (int pass = 0; pass < 2; ++pass) {
        for (Slot& slot : slots) {
            if (slot.state.load() != kHeld || slot.folder != (pass == 1)) {
                continue;
            }
#ifdef TESSALINE_POSIX_FILES
            if (slot.folder) {
                ::rmdir(slot.path);
            } else {
                ::unlink(slot.path);
            }
#else
            std::remove(slot.path);
#endif
        }
    }
}

extern "C" void onInterrupt(int signalNumber) {
    removeHeld();
    // The handler was installed to reset itself: raised again, the signal
    // ends the program as it would have without us once this returns.
#ifndef TESSALINE_POSIX_FILES
    std::signal(signalNumber, SIG_DFL);
#endif
    std::raise(signalNumber);
}

} // namespace

int keepForCleanup(const std::filesystem::path& path, bool folder) {
    const std::string bytes = path.string();
    if (bytes.empty() || bytes.size() >= kPathBytes) {
        return -1;
    }
    for (std::size_t i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (slots[i].state.compare_exchange_strong(expected, kFilling)) {
            std::memcpy(slots[i].path, bytes.c_str(), bytes.size() + 1);
            slots[i].folder = folder;
            slots[i].state.store(kHeld);
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::strlen(mode));
    return ::_wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

void releaseFromCleanup(int ticket) {
    if (ticket >= 0 && static_cast<std::size_t>(ticket) < kSlots) {
        slots[static_cast<std::size_t>(ticket)].state.store(kFree);
    }
}

#ifdef TESSALINE_POSIX_FILES

bool syncFile(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
    // Some files (pipes, terminals) cannot be synced; that is no failure.
    return ::fsync(::fileno(file)) == 0 || errno == EINVAL || errno == ENOTSUP;
}

RenameOutcome renameWithoutReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& to, std::error_code& ec) {
    // A second name for the file fails if the target exists; then the
    // first name goes.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return RenameOutcome::Done;
    }
    const int error = errno;
    if (error == EEXIST) {
        return RenameOutcome::TargetExists;
    }
    if (error != EPERM && error != ENOTSUP && error != EOPNOTSUPP && error != EMLINK &&
        error != ENOSYS) {
        ec = std::error_code(error, std::generic_category());
        return RenameOutcome::Failed;
    }
    // File systems without hard links: check, then rename.
    if (std::filesystem::exists(to, ec) || ec) {
        return ec ? RenameOutcome::Failed : RenameOutcome::TargetExists;
    }
    std::filesystem::rename(from, to, ec);
    return ec ? RenameOutcome::Failed : RenameOutcome::Done;
}

void removeLeftoversOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        struct sigaction previous {};
        // A signal ignored by whoever started us stays ignored.
        if (::sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) {
            continue;
        }
        ::sigaction(signalNumber, &action, nullptr);
    }
}

#else

bool syncFile(std::FILE* file) {
    return std::fflush(file) == 0;
}

RenameOutcome renameWithoutReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& to, std::error_code& ec) {
    if (std::filesystem::exists(to, ec) || ec) {
        return ec ? RenameOutcome::Failed : RenameOutcome::TargetExists;
    }
    std::filesystem::rename(from, to, ec);
    return ec ? RenameOutcome::Failed : RenameOutcome::Done;
}

void removeLeftoversOnInterrupt() {
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
}

#endif

} // namespace tessaline
