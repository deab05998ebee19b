// The loaded and analysed race as JSON, keyed by the store's own names: what the batch command's --json
// writes.
#pragma once

#include <nlohmann/json.hpp>

#include "analysis/ChartFit.h"
#include "race/RaceStore.h"

namespace analysis {

inline constexpr int kFixesShownAtEachEnd =
    3;  // fixes written per boat without full: the first and last three

// Tables indexed from 1 become arrays from their first used element: boats 1..boatCount, course points
// 1..courseCount, legs 1..courseCount - 1 (legLengthMetres also has the whole course at courseCount).
nlohmann::ordered_json RaceToJson(const race::RaceStore& store, const ChartFit& fit, bool allFixes);

// The race order at race seconds t, one object per place: boat number (from 1), place, points passed,
// finished, metres to go and the gaps (null where unknown).
nlohmann::ordered_json LeaderboardToJson(const race::RaceStore& store, double t);

}  // namespace analysis
