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

extern "C" void onInterrupt(int signalNumber) {
    systemfiles::removeHeld();
    // The handler was installed to reset itself: raised again, the signal
    // ends the program as it would have without us once this returns.
    std::raise(signalNumber);
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
