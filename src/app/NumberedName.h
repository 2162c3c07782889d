#pragma once
// Numbered file names such as "xiaoguo001.bmp" and "myxiu012.bmp": the
// counter takes at least three digits ("000"), more when it needs them.
#include <string>

namespace tessaline {

inline std::string numberedName(const std::string& prefix, int number, const std::string& ext) {
    std::string digits = std::to_string(number);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    return prefix + digits + ext;
}

} // namespace tessaline
