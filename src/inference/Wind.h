// The wind direction from the headings the boats sail on their upwind legs.
#pragma once

#include <optional>
#include <vector>

#include "inference/Fleet.h"

namespace inference {

struct LegSailing {
  Point from, to;                 // the leg's ends
  std::vector<int> enter, leave;  // per boat, grid seconds of the leg's ends (-1: not sailed)
};

// Degrees true the wind blows from: the bisector of the two tack headings of the legs on which the boats
// tack. A run sailed in gybes also has two headings: the first leg, when sailed so, is taken for a beat
// (starts are laid for one), else the slowest such leg. Nothing when no leg was sailed in two headings.
std::optional<double> WindFromTacks(const FleetGrid& grid, const std::vector<LegSailing>& legs);

}  // namespace inference
