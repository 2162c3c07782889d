#include "pattern/DmcNames.h"

#include "pattern/PlainText.h"

#include <algorithm>

namespace tessaline {

namespace {

const DmcName* findNumber(std::string_view number) {
    number = trimmedBlanks(number);
    const auto found = std::find_if(kDmcNames.begin(), kDmcNames.end(),
                                    [&](const DmcName& n) { return number == n.number; });
    return found == kDmcNames.end() ? nullptr : &*found;
}

} // namespace

std::string shopThreadNumber(std::string_view number) {
    const DmcName* found = findNumber(number);
    return found != nullptr ? std::string(found->shop) : std::string(trimmedBlanks(number));
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
    shop = trimmedBlanks(shop);
    for (const DmcName& n : kDmcNames) {
        if (std::string_view(n.shop) != n.number && equalsIgnoringCase(shop, n.shop)) {
            return std::string(n.number);
        }
    }
    return std::nullopt;
}

bool specialtyThread(std::string_view number) {
    number = trimmedBlanks(number);
    return number == "5282" || number == "5283";
}

} // namespace tessaline
