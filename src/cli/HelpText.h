#pragma once
// What `tessaline --help` and `tessaline --version` print.
#include <string_view>

namespace tessaline {

std::string_view helpText();

// What `tessaline --version` prints: the name and version, the licence.
std::string_view versionText();

} // namespace tessaline
