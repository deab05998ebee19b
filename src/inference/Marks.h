// Marks and course from the turns the fleet makes together: places where most boats turn hard, visited in the
// same order.
#pragma once

#include <vector>

#include "inference/Fleet.h"
#include "inference/Turns.h"

namespace inference {

inline constexpr double kClusterRadius = 60;        // metres: how far apart boats round one mark
inline constexpr double kRoundingTurnDegrees = 40;  // a boat passing a mark turns at least this much

// Places where turns of at least minBoats different boats lie within the scale's cluster radius of each
// other, the busiest first; each a little inside the middle of its turns' apexes.
std::vector<Point> TurnClusters(const std::vector<Turn>& turns, int boatCount, int minBoats,
                                const MarkScale& scale = kBuoyScale);

struct Rounding {
  int mark = 0;    // index into the marks
  int second = 0;  // grid second of the closest approach
};

// The roundings of one boat between grid seconds from and to, in time order: each time it comes within the
// scale's cluster radius of a mark and turns there.
std::vector<Rounding> BoatRoundings(const FleetGrid& grid, int boat, const std::vector<Point>& marks,
                                    int from, int to, const MarkScale& scale = kBuoyScale);

// The longest mark sequence that the roundings of at least minBoats boats hold (in order, other roundings
// between allowed); with equal length the one more boats hold.
std::vector<int> ConsensusCourse(const std::vector<std::vector<Rounding>>& roundings, int minBoats);

}  // namespace inference
