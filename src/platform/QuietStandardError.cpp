#include "platform/QuietStandardError.h"

#include "platform/SystemFiles.h"

namespace tessaline {

QuietStandardError::QuietStandardError() : saved_(silenceStandardError()) {}

QuietStandardError::~QuietStandardError() {
    restoreStandardError(saved_);
}

} // namespace tessaline
