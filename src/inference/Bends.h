// Passing marks: where the fleet bends its course without a hard turn. Round such a mark every boat sails
// straight in and straight out on headings a few tens of degrees apart, so no boat turns enough for a
// rounding, yet all their tracks change direction at the same place.
#pragma once

#include <optional>
#include <vector>

#include "inference/Fleet.h"

namespace inference {

inline constexpr double kMinBendDegrees = 15;  // less is steering along a leg
inline constexpr double kMaxBendDegrees = 70;  // more is a rounding, or a tack on a layline
inline constexpr double kMinBendMetres = 30;   // how far the bend lies off the straight way at least

struct Bend {
  Point at;                 // the middle of the boats' bends
  std::vector<int> second;  // per boat, grid second there (-1: the boat did not sail the leg)
};

// The bend of a leg that boats sail from grid second enter[b] to leave[b] (-1: not sailed): each boat's
// furthest point off the straight way between its ends, when its track runs straight to it and straight on
// from it, and those points of at least minBoats boats lie within radius of their middle. With the wind
// known (degrees true it blows from), a bend onto the other tack is a tack or gybe, no mark.
std::optional<Bend> FleetBend(const FleetGrid& grid, const std::vector<int>& enter,
                              const std::vector<int>& leave, int minBoats, double radius,
                              std::optional<double> windFrom = std::nullopt);

}  // namespace inference
