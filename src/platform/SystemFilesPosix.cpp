// The file calls of POSIX systems (Linux, macOS); SystemFilesWindows.cpp
// has Windows' own.
#include "platform/SystemFiles.h"
#include "platform/SystemFilesNative.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace tessaline {

namespace systemfiles {

void removeEntry(const NativeChar* path, bool folder) {
    if (folder) {
        ::rmdir(path);
    } else {
        ::unlink(path);
    }
}

} // namespace systemfiles

namespace {

void installHandler(int signalNumber);

extern "C" void onInterrupt(int signalNumber) {
    if (systemfiles::signalsHeld()) {
        // Taken up when the commit under way is complete; the handler was
        // reset on delivery and watches again meanwhile.
        systemfiles::holdSignal(signalNumber);
        installHandler(signalNumber);
        return;
    }
    systemfiles::removeHeld();
    // The handler was installed to reset itself: raised again, the signal
    // ends the program as it would have without us once this returns.
    std::raise(signalNumber);
}

void installHandler(int signalNumber) {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool syncFile(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
    // Some files (pipes, terminals) cannot be synced; that is no failure.
    return ::fsync(::fileno(file)) == 0 || errno == EINVAL || errno == ENOTSUP;
}

int createExclusive(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return errno;
    }
    ::close(descriptor);
    return 0;
}

int linkFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (systemfiles::linksSimulatedMissing()) {
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

bool standardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

int silenceStandardError() {
    std::fflush(stderr);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0) {
        return -1;
    }
    int saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (saved >= 0 && ::dup2(nowhere, STDERR_FILENO) < 0) {
        ::close(saved);
        saved = -1;
    }
    ::close(nowhere);
    return saved;
}

void restoreStandardError(int saved) {
    if (saved < 0) {
        return;
    }
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
}

} // namespace tessaline
