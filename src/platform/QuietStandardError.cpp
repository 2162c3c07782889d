#include "platform/QuietStandardError.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tessaline {

QuietStandardError::QuietStandardError() {
    std::fflush(stderr);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0) {
        return;
    }
    saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (saved_ >= 0 && ::dup2(nowhere, STDERR_FILENO) < 0) {
        ::close(saved_);
        saved_ = -1;
    }
    ::close(nowhere);
}

QuietStandardError::~QuietStandardError() {
    if (saved_ < 0) {
        return;
    }
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
}

} // namespace tessaline
