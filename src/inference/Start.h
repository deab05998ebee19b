// The gun and the start line: the moment the fleet, after milling near a common line, sails off together, and
// the line it crossed.
#pragma once

#include <optional>
#include <vector>

#include "inference/Fleet.h"

namespace inference {

inline constexpr int kProgressSpanSeconds = 120;  // the stretch over which a boat's progress is measured
inline constexpr int kMinRaceStretchSeconds = 180;

// The grid second the fleet starts sailing somewhere together: the first stretch of at least
// kMinRaceStretchSeconds in which the fleet's common progress is more than half its usual racing pace.
// Nothing when the fleet never does (no movement, or one boat milling about).
std::optional<int> FleetDeparture(const FleetGrid& grid, int from, int to);

struct StartLine {
  int gunSecond = 0;
  Point end1, end2;
};

// The line square to the way from the fleet's position at the departure to the first mark, through the
// leading boat's place then; the boats' last crossings of it on their way to the first mark (firstRounding:
// each boat's grid second there, or -1) give the gun, when a fifth of them had crossed. Its ends lie a little
// beyond the outermost boats.
StartLine FindStartLine(const FleetGrid& grid, int departure, Point firstMark,
                        const std::vector<int>& firstRounding);

}  // namespace inference
