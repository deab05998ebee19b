// Screen and KML colours of the boats: fifteen of each, repeating, and the lay-line colours.
#include "race/BoatColours.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace race {
namespace {

constexpr Colour Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

constexpr int kPalette = 15;

constexpr std::array<Colour, kPalette> kScreen = {
    Rgb(255, 0, 0),   Rgb(0, 0, 255),   Rgb(0, 128, 0),    Rgb(128, 128, 0), Rgb(128, 0, 128),
    Rgb(0, 128, 128), Rgb(0, 128, 128), Rgb(128, 128, 128), Rgb(192, 192, 0), Rgb(96, 96, 0),
    Rgb(192, 0, 0),   Rgb(0, 0, 192),   Rgb(0, 128, 0),    Rgb(128, 128, 0), Rgb(128, 0, 128)};

// The KML table is its own: a boat's KML colour is not the KML form of its screen colour.
constexpr std::array<std::string_view, kPalette> kKml = {
    "FFFF0000", "FF00FF00", "FF0000FF", "FF00FFFF", "FFFF00FF", "FFFFFF00", "FFFFFFFF", "FFFF8080",
    "FF80FF80", "FF8080FF", "FFFF8000", "FF80FF00", "FF8000FF", "FFFF0080", "FF00FF80"};

}  // namespace

void SetBoatColours(RaceStore& store) {
  store.layColourPort = Rgb(225, 128, 128);
  store.layColourStarboard = Rgb(0, 225, 0);
  store.windAxisColour = Rgb(98, 162, 225);
  const int last = std::max(kPalette, std::min(store.boatCount, kMaxBoats));
  if (store.boatColour.size() < static_cast<std::size_t>(last) + 1) store.boatColour.resize(last + 1);
  if (store.kmlColour.size() < static_cast<std::size_t>(last) + 1) store.kmlColour.resize(last + 1);
  for (int i = 1; i <= last; ++i) {
    const int entry = (i - 1) % kPalette;
    store.boatColour[i] = kScreen[entry];
    store.kmlColour[i] = std::string(kKml[entry]);
  }
}

}  // namespace race
