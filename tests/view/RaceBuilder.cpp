// Race stores for the drawing tests.
#include "view/RaceBuilder.h"

#include "view/BoatGlyph.h"

namespace viewtest {

race::RaceStore EmptyRace() {
  race::RaceStore store;
  store.boatLength = 10;
  store.windAxisColour = view::Rgb(98, 162, 225);
  store.layColourPort = view::Rgb(225, 128, 128);
  store.layColourStarboard = view::Rgb(0, 225, 0);
  store.timelineStart = -190;
  store.timelineEnd = 3630;
  store.trackTime.assign(2, {});
  store.trackLat.assign(2, {});
  store.trackLon.assign(2, {});
  store.trackSpeed.assign(2, {});
  store.trackCourse.assign(2, {});
  store.windTime = {0};
  store.windSpeed = {0};
  store.windDir = {0};
  view::SelectHullOutline(store);
  return store;
}

int AddBoat(race::RaceStore& store, const std::string& name, view::Colour colour, const std::vector<Fix>& fixes,
            int fixInterval) {
  const int b = ++store.boatCount;
  store.boatName[b] = name;
  store.boatColour[b] = colour;
  store.boatShown[b] = 1;
  store.fixCount[b] = static_cast<int>(fixes.size());
  store.fixInterval[b] = fixInterval;
  race::ForEachTrackChannel(store, [&](auto& channel) {
    channel.resize(b + 2);
    channel[b] = {0};
  });
  for (const Fix& f : fixes) {
    store.trackTime[b].push_back(f.time);
    store.trackLat[b].push_back(f.lat);
    store.trackLon[b].push_back(f.lon);
    store.trackCourse[b].push_back(f.course);
    store.trackSpeed[b].push_back(f.speed);
  }
  return b;
}

void AddWind(race::RaceStore& store, double time, int dir, double speed) {
  store.windTime.push_back(time);
  store.windDir.push_back(dir);
  store.windSpeed.push_back(speed);
  store.windCount = static_cast<int>(store.windTime.size()) - 1;
  store.windDataPresent = 1;
}

analysis::ChartFit Fit(const race::RaceStore& store, int mapWidth, int mapHeight) {
  return analysis::FitChart(store, mapWidth, mapHeight);
}

}  // namespace viewtest
