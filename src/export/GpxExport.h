// The race as GPX 1.1 for other tools: one track per boat (its kept fixes, times in UTC) and the marks and
// line ends as waypoints.
#pragma once

#include <ostream>
#include <string>

#include "race/RaceStore.h"

namespace gpx {

void WriteRaceGpx(std::ostream& out, const race::RaceStore& store);

// The same into a file, replaced only once complete. Empty on success, else the reason it failed.
std::string ExportRaceGpx(const std::string& path, const race::RaceStore& store);

}  // namespace gpx
