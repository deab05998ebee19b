// A small race built in code for the export tests, and the lines of an exported document.
#pragma once

#include <string>
#include <vector>

#include "export/KmlExport.h"
#include "race/RaceStore.h"

namespace kmltest {

// Adds a boat whose fix i (1-based) lies at the given time, at latitude 2100 + 0.6 i and longitude
// 8340 + 0.3 i minutes (35 + 0.01 i and 139 + 0.005 i degrees), speed 5 + i / 10, course 10 i.
int AddBoat(race::RaceStore& store, const std::string& name, const std::string& kmlColour,
            const std::vector<double>& times, int shown = 1);

// Mark 1 at (2106, 8346) and line 1 from (2094, 8334) to (2094, 8337), minutes of arc.
void AddMarkAndLine(race::RaceStore& store);

// A race started 2008/05/17 10:30:00 with a 400 s time line, captioned "Regatix  Spring Cup.     ".
race::RaceStore SmallRace();

// A frame state with every boat inactive, sized for the store's boats.
view::FrameState EmptyScene(const race::RaceStore& store);

// The document split at CR LF; a bare LF or CR anywhere fails the test that calls it.
std::vector<std::string> Lines(const std::string& document);

std::string SceneText(const race::RaceStore& store, const view::FrameState& frame, double raceTime,
                      const kml::KmlOptions& options);
std::string RaceText(const race::RaceStore& store, const kml::KmlOptions& options);

}  // namespace kmltest
