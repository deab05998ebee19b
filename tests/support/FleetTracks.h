// A small fleet's GPX tracks made in code: milling behind a line, a start at one gun, a windward mark about
// 1000 m north, a run back down 1300 m and a drift after the finish.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace testsupport {

inline constexpr double kFleetLat = 34.55, kFleetLon = 136.87;  // off Toba
inline constexpr int kFleetGun = 3600;  // seconds after 01:00 UTC: the gun at 02:00:00 (11:00 JST)

// The GPX of one boat named name; lane spreads the boats along the line.
std::string BoatGpx(const std::string& name, double lane);

// boats tracks written as in/boat0.gpx, in/boat1.gpx ... below folder, named "Boat 0", "Boat 1" ...
std::vector<std::filesystem::path> WriteFleet(const TempFolder& folder, int boats);

}  // namespace testsupport
