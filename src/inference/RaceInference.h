// A whole race made from the boats' tracks alone: window, gun, start line, marks and course, finish line,
// wind and the local time difference.
#pragma once

#include <string>
#include <vector>

#include "inference/Fleet.h"
#include "inference/InferenceNote.h"

namespace inference {

struct LatLon {
  double lat = 0, lon = 0;  // minutes of arc
};

struct InferredRace {
  double gunUtc = 0;     // seconds since 1899-12-30
  double finishUtc = 0;  // the last boat's finish (or the end of the fleet's tracks), plus a minute
  int timeDifferenceHours = 0;
  std::string zoneName;  // empty: nautical time from the longitude
  std::vector<LatLon> marks;
  LatLon startEnd1, startEnd2, finishEnd1, finishEnd2;
  bool hasStartLine = false, hasFinishLine = false;
  std::vector<int> course;              // mark indices 0.. in sailing order
  int windDirection = 0;                // degrees true
  std::vector<InferenceNote> found;     // what the fleet showed, one note each
  std::vector<InferenceNote> notFound;  // what the fleet gave no clear answer for, one note each
};

InferredRace InferRace(const Fleet& fleet);

// A race file holds 19 course entries (start and finish lines among them) and 20 marks: a longer course keeps
// its first roundings (the finish still follows them) and says so in notFound.
void KeepWhatARaceFileHolds(InferredRace& race);

}  // namespace inference
