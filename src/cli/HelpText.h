#pragma once
// What `tessaline --help` prints.
#include <string_view>

namespace tessaline {

std::string_view helpText();

} // namespace tessaline
