#include "platform/SystemFiles.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#if defined(__unix__) || defined(__APPLE__)
#define TESSALINE_POSIX_FILES 1
#include <fcntl.h>
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

// HeldSignals: how many live, and the signal that arrived meanwhile.
std::atomic<int> holdDepth{0};
std::atomic<int> heldSignal{0};

std::atomic<bool> linksMissing{false};

void installHandler(int signalNumber);

extern "C" void onInterrupt(int signalNumber) {
    if (holdDepth.load() > 0) {
        // Taken up when the commit under way is complete; the handler was
        // reset on delivery and watches again meanwhile.
        heldSignal.store(signalNumber);
        installHandler(signalNumber);
        return;
    }
    removeHeld();
    // The handler was installed to reset itself: raised again, the signal
    // ends the program as it would have without us once this returns.
#ifndef TESSALINE_POSIX_FILES
    std::signal(signalNumber, SIG_DFL);
#endif
    std::raise(signalNumber);
}

void installHandler(int signalNumber) {
#ifdef TESSALINE_POSIX_FILES
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    ::sigaction(signalNumber, &action, nullptr);
#else
    std::signal(signalNumber, onInterrupt);
#endif
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

HeldSignals::HeldSignals() {
    holdDepth.fetch_add(1);
}

HeldSignals::~HeldSignals() {
    if (holdDepth.fetch_sub(1) != 1) {
        return;
    }
    if (const int signalNumber = heldSignal.exchange(0); signalNumber != 0) {
        removeHeld();
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
    }
}

void simulateMissingHardLinks(bool missing) {
    linksMissing.store(missing);
}

bool hardLinksMissing(int error) {
    return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == EMLINK ||
           error == ENOSYS;
}

RenameOutcome renameWithoutReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& to, std::error_code& ec) {
    // A second name for the file fails if the target exists; then the
    // first name goes.
    int error = linkFile(from, to);
    if (error == 0) {
        std::error_code ignored;
        std::filesystem::remove(from, ignored);
        return RenameOutcome::Done;
    }
    if (error == EEXIST) {
        return RenameOutcome::TargetExists;
    }
    if (!hardLinksMissing(error)) {
        ec = std::error_code(error, std::generic_category());
        return RenameOutcome::Failed;
    }
    // Without hard links the name is first taken by creating it, which only
    // one saver can do, and the file is then renamed over that reservation.
    error = createExclusive(to);
    if (error == EEXIST) {
        return RenameOutcome::TargetExists;
    }
    if (error != 0) {
        ec = std::error_code(error, std::generic_category());
        return RenameOutcome::Failed;
    }
    std::filesystem::rename(from, to, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(to, ignored);
        return RenameOutcome::Failed;
    }
    return RenameOutcome::Done;
}

#ifdef TESSALINE_POSIX_FILES

int createExclusive(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return errno;
    }
    ::close(descriptor);
    return 0;
}

int linkFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (linksMissing.load()) {
        return EPERM;
    }
    return ::link(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int currentProcessId() {
    return static_cast<int>(::getpid());
}

bool processExists(int processId) {
    if (processId <= 0) {
        return true;
    }
    // EPERM: it exists, under another user.
    return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

bool syncFile(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
    // Some files (pipes, terminals) cannot be synced; that is no failure.
    return ::fsync(::fileno(file)) == 0 || errno == EINVAL || errno == ENOTSUP;
}

void removeLeftoversOnInterrupt() {
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        struct sigaction previous {};
        // A signal ignored by whoever started us stays ignored.
        if (::sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) {
            continue;
        }
        installHandler(signalNumber);
    }
}

#else

int createExclusive(const std::filesystem::path& path) {
    errno = 0;
    std::FILE* file = openFile(path, "wbx");
    if (file == nullptr) {
        // "x" fails on a name taken; other failures leave errno set.
        return errno != 0 ? errno : EEXIST;
    }
    std::fclose(file);
    return 0;
}

int linkFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (linksMissing.load()) {
        return EPERM;
    }
    std::error_code ec;
    std::filesystem::create_hard_link(from, to, ec);
    if (!ec) {
        return 0;
    }
    return ec == std::errc::file_exists ? EEXIST : ENOTSUP;
}

int currentProcessId() {
    return 0;
}

bool processExists(int) {
    return true;
}

bool syncFile(std::FILE* file) {
    return std::fflush(file) == 0;
}

void removeLeftoversOnInterrupt() {
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
}

#endif

} // namespace tessaline
