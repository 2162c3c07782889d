// Windows' own file calls; SystemFilesPosix.cpp has those of POSIX systems.
// Names are UTF-16 throughout: every call takes the wide form.
#include "platform/SystemFiles.h"
#include "platform/SystemFilesNative.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <sys/stat.h>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace tessaline {

namespace systemfiles {

void removeEntry(const NativeChar* path, bool folder) {
    if (folder) {
        ::RemoveDirectoryW(path);
    } else {
        ::DeleteFileW(path);
    }
}

} // namespace systemfiles

namespace {

extern "C" void onInterrupt(int signalNumber) {
    systemfiles::removeHeld();
    // Raised again with the default action, the signal ends the program as
    // it would have without us.
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// A closed console window, a logoff or a shutdown: no signal is raised,
// the process just ends once this returns.
BOOL WINAPI onConsoleClosing(DWORD event) {
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        systemfiles::removeHeld();
    }
    return FALSE;
}

} // namespace

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    std::wstring wideMode;
    bool exclusive = false;
    for (const char* c = mode; *c != '\0'; ++c) {
        if (*c == 'x') {
            exclusive = true;
        } else {
            wideMode += static_cast<wchar_t>(*c);
        }
    }
    if (!exclusive) {
        return ::_wfopen(path.c_str(), wideMode.c_str());
    }
    // "x" (made new or not at all) through the flags the C runtime has
    // always had: not every runtime knows the letter.
    int flags = _O_CREAT | _O_EXCL | _O_TRUNC;
    flags |= std::strchr(mode, '+') != nullptr ? _O_RDWR : _O_WRONLY;
    flags |= std::strchr(mode, 'b') != nullptr ? _O_BINARY : _O_TEXT;
    const int descriptor = ::_wopen(path.c_str(), flags, _S_IREAD | _S_IWRITE);
    if (descriptor < 0) {
        return nullptr;
    }
    std::FILE* file = ::_wfdopen(descriptor, wideMode.c_str());
    if (file == nullptr) {
        ::_close(descriptor);
    }
    return file;
}

bool syncFile(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
    // Pipes and the console cannot be flushed to a disk; that is no failure.
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE || ::GetFileType(handle) != FILE_TYPE_DISK) {
        return true;
    }
    if (::FlushFileBuffers(handle) == 0) {
        errno = EIO;
        return false;
    }
    return true;
}

RenameOutcome renameWithoutReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& to, std::error_code& ec) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails if the target
    // exists, in one step.
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0) {
        return RenameOutcome::Done;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
        return RenameOutcome::TargetExists;
    }
    ec = std::error_code(static_cast<int>(error), std::system_category());
    return RenameOutcome::Failed;
}

void removeLeftoversOnInterrupt() {
    ::SetConsoleCtrlHandler(onConsoleClosing, TRUE);
    // Ctrl+C, Ctrl+Break and a termination request.
    for (int signalNumber : {SIGINT, SIGBREAK, SIGTERM}) {
        // A signal ignored by whoever started us stays ignored.
        if (std::signal(signalNumber, onInterrupt) == SIG_IGN) {
            std::signal(signalNumber, SIG_IGN);
        }
    }
}

bool standardErrorIsTerminal() {
    return ::_isatty(::_fileno(stderr)) != 0;
}

int silenceStandardError() {
    std::fflush(stderr);
    const int nowhere = ::_open("NUL", _O_WRONLY);
    if (nowhere < 0) {
        return -1;
    }
    const int standardError = ::_fileno(stderr);
    int saved = ::_dup(standardError);
    if (saved >= 0 && ::_dup2(nowhere, standardError) < 0) {
        ::_close(saved);
        saved = -1;
    }
    ::_close(nowhere);
    return saved;
}

void restoreStandardError(int saved) {
    if (saved < 0) {
        return;
    }
    std::fflush(stderr);
    ::_dup2(saved, ::_fileno(stderr));
    ::_close(saved);
}

} // namespace tessaline
