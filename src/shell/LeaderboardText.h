// The boat list ordered by race position: what each row says about the boat's place and its gaps.
#pragma once

#include <string>
#include <vector>

#include "analysis/Leaderboard.h"

namespace shell {

// The gap column of a row: metres and seconds behind the leader, then the seconds behind the first boat
// at the last rounding in brackets; a finished boat's seconds after the winner. The leader reads "-".
std::string GapText(const analysis::LeaderboardRow& row, int englishTexts);

// The boats in the order of the rows, then any boat the rows miss in entry order; 1-based, boatCount long.
std::vector<int> ListOrder(const std::vector<analysis::LeaderboardRow>& rows, int boatCount);

}  // namespace shell
