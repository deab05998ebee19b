// The fleet in race order at any moment: course points passed, then the distance still to sail to the next
// one, measured along the wind on an upwind or downwind leg (so boats on opposite tacks compare fairly) and
// along the leg on a reach; finished boats first, in finishing order.
#pragma once

#include <vector>

#include "race/RaceStore.h"

namespace analysis {

struct LeaderboardRow {
  int boat = 0;
  int place = 0;         // 1-based
  int pointsPassed = 0;  // course points passed in order by the time asked
  bool finished = false;
  double metresToGo = 0;  // to the finish, the legs after the next point counted at their length
  // Behind the leader: metres still to sail more (NaN for a finished boat), and seconds: a finished boat's
  // finish after the winner's, a racing boat's metres at the leader's speed made good over its last minute
  // (NaN while the leader makes no way).
  double gapMetres = 0;
  double gapSeconds = 0;
  double gapAtRounding =
      0;  // seconds after the first boat at the last course point passed; NaN before the start
};

// The rows in race order at race seconds t. Boats without fixes come last.
std::vector<LeaderboardRow> RankFleet(const race::RaceStore& store, double t);

}  // namespace analysis
