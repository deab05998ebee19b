// Helpers the simulator tests share: a small race written into a scratch folder, and the truth file read back.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "simulate/Options.h"
#include "simulate/Race.h"
#include "simulate/RaceWriter.h"

namespace simtest {

// A ten-boat windward-leeward race of two laps, about twenty minutes, written to folder.
simulate::Options SmallRace(const std::string& folder, std::uint64_t seed = 5);

struct TruthRow {
  int boat = 0;
  std::string file, name, status;
  int point = 0;
  std::string designator;
  bool passed = false;
  double seconds = 0;
};

// The rows of a truth file; fails the calling test on a malformed line.
std::vector<TruthRow> ReadTruth(const std::string& path);

}  // namespace simtest
