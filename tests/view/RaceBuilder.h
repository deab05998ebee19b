// Small races built in code for the drawing tests: boats with straight tracks, marks, lines and wind.
#pragma once

#include <string>
#include <vector>

#include "analysis/ChartFit.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace viewtest {

struct Fix {
  double time, lat, lon, course, speed;
};

// A store with the lay-line colours, a pointed hull (boatLength 10) and no boats yet.
race::RaceStore EmptyRace();

// Adds a shown boat with the given fixes and colour; returns its number.
int AddBoat(race::RaceStore& store, const std::string& name, view::Colour colour, const std::vector<Fix>& fixes,
            int fixInterval = 1);

void AddWind(race::RaceStore& store, double time, int dir, double speed = 10);

// A chart fit for a 1000 x 800 chart round the tracks.
analysis::ChartFit Fit(const race::RaceStore& store, int mapWidth = 1000, int mapHeight = 800);

}  // namespace viewtest
