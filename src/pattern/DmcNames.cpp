#include "pattern/DmcNames.h"

#include <algorithm>
#include <cctype>

namespace tessaline {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    return text;
}

const DmcName* findNumber(std::string_view number) {
    number = trimmed(number);
    const auto found = std::find_if(kDmcNames.begin(), kDmcNames.end(),
                                    [&](const DmcName& n) { return number == n.number; });
    return found == kDmcNames.end() ? nullptr : &*found;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string shopThreadNumber(std::string_view number) {
    const DmcName* found = findNumber(number);
    return found != nullptr ? std::string(found->shop) : std::string(trimmed(number));
}

std::string_view dmcColorName(std::string_view number) {
    const DmcName* found = findNumber(number);
    return found != nullptr ? std::string_view(found->name) : std::string_view();
}

std::string threadLabel(std::string_view number) {
    const std::string shop = shopThreadNumber(number);
    const std::string_view name = dmcColorName(number);
    return name.empty() || name == shop ? shop : shop + " " + std::string(name);
}

std::optional<std::string> paletteNumberOfShop(std::string_view shop) {
    shop = trimmed(shop);
    for (const DmcName& n : kDmcNames) {
        if (std::string_view(n.shop) != n.number && sameIgnoringCase(shop, n.shop)) {
            return std::string(n.number);
        }
    }
    return std::nullopt;
}

bool specialtyThread(std::string_view number) {
    number = trimmed(number);
    return number == "5282" || number == "5283";
}

} // namespace tessaline
