#pragma once
// DMC threads as shops print them: the number ("310", "Ecru", "B5200") and
// the colour name ("Black", "Snow White"), and which threads are specialty
// threads (metallics) that an ordinary colour is never matched to.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

struct DmcName {
    const char* number; // as the palette stores it: "0000", "5200", "310"
    const char* shop;   // as a shop prints it: "Ecru", "B5200", "310"
    const char* name;   // colour name: "Ecru", "Snow White", "Black"
};

// In palette order (position 1 first), the same threads as kDmcThreads.
extern const std::array<DmcName, 423> kDmcNames;

// The shop's number of a palette number ("0000" -> "Ecru", "5200" ->
// "B5200"); any other text comes back unchanged.
std::string shopThreadNumber(std::string_view number);
// The colour name of a palette number; empty when it has none.
std::string_view dmcColorName(std::string_view number);
// "310 Black", "B5200 Snow White", "Ecru" (number and name the same once);
// the number alone when it has no name.
std::string threadLabel(std::string_view number);
// The palette number a shop's number names ("Ecru" -> "0000", "b5200" ->
// "5200", case ignored); nothing when it is no shop spelling of its own.
std::optional<std::string> paletteNumberOfShop(std::string_view shop);

// Metallic and other specialty threads (5282, 5283): never chosen for an
// ordinary colour by the thread limit unless allowed.
bool specialtyThread(std::string_view number);

} // namespace tessaline
