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
    if (systemfiles::signalsHeld()) {
        // Taken up when the commit under way is complete; the runtime reset
        // the handler before calling it, so it watches again meanwhile.
        systemfiles::holdSignal(signalNumber);
        std::signal(signalNumber, onInterrupt);
        return;
    }
    systemfiles::removeHeld();
    // Raised again with the default action, the signal ends the program as
    // it would have without us.
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// A closed console window, a logoff or a shutdown: no signal is raised,
// the process just ends once this returns (at the latest some seconds
// later). It runs on a thread of its own, so a commit under way is let
// finish first, for as long as the system waits.
BOOL WINAPI onConsoleClosing(DWORD event) {
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        for (int waited = 0; systemfiles::signalsHeld() && waited < 4000; waited += 10) {
            ::Sleep(10);
        }
        systemfiles::removeHeld();
    }
    return FALSE;
}

// A Windows error of a file call as the C library's error number, as the
// callers of createExclusive and linkFile expect.
int errorNumberOf(DWORD error) {
    switch (error) {
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
        return EEXIST;
    // FAT and exFAT, and shares that do not offer hard links.
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
    case ERROR_CALL_NOT_IMPLEMENTED:
        return ENOTSUP;
    case ERROR_TOO_MANY_LINKS:
        return EMLINK;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
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

int createExclusive(const std::filesystem::path& path) {
    errno = 0;
    const int descriptor =
        ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                 _S_IREAD | _S_IWRITE);
    if (descriptor < 0) {
        return errno != 0 ? errno : EIO;
    }
    ::_close(descriptor);
    return 0;
}

int linkFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (systemfiles::linksSimulatedMissing()) {
        return EPERM;
    }
    if (::CreateHardLinkW(to.c_str(), from.c_str(), nullptr) != 0) {
        return 0;
    }
    return errorNumberOf(::GetLastError());
}

int currentProcessId() {
    return static_cast<int>(::GetCurrentProcessId());
}

bool processExists(int processId) {
    if (processId <= 0) {
        return true;
    }
    const HANDLE process =
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (process == nullptr) {
        // No such process is ERROR_INVALID_PARAMETER; access denied means
        // it exists, under another user, and anything else cannot be told.
        return ::GetLastError() != ERROR_INVALID_PARAMETER;
    }
    // A process that ended lives on as long as someone holds it open.
    DWORD exitCode = 0;
    const bool running = ::GetExitCodeProcess(process, &exitCode) == 0 || exitCode == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
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
