// The finish line: square to the last leg, where the boats stop racing.
#pragma once

#include <optional>
#include <vector>

#include "inference/Fleet.h"

namespace inference {

struct FinishLine {
  Point end1, end2;
  std::vector<int> finishSecond;  // per boat, the grid second it crossed the line, or -1
};

// legStart is the last mark (or the start line's middle), lastRounding each boat's grid second there (-1: the
// boat never got there). Nothing when no boat sailed on from there.
std::optional<FinishLine> FindFinishLine(const FleetGrid& grid, Point legStart,
                                         const std::vector<int>& lastRounding);

}  // namespace inference
