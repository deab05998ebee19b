// A small race built in code for the export tests.
#include "KmlFixture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "race/DateTime.h"

namespace kmltest {

int AddBoat(race::RaceStore& store, const std::string& name, const std::string& kmlColour,
            const std::vector<double>& times, int shown) {
  const int b = ++store.boatCount;
  store.boatName[b] = name;
  store.kmlColour[b] = kmlColour;
  store.boatShown[b] = shown;
  store.fixCount[b] = static_cast<int>(times.size());
  race::ForEachTrackChannel(store, [&](auto& channel) {
    channel.resize(race::kMaxBoats + 2);
    channel[b].assign(times.size() + 1, 0.0);
  });
  for (size_t i = 1; i <= times.size(); ++i) {
    store.trackTime[b][i] = times[i - 1];
    store.trackLat[b][i] = 2100 + 0.6 * static_cast<double>(i);
    store.trackLon[b][i] = 8340 + 0.3 * static_cast<double>(i);
    store.trackSpeed[b][i] = 5 + static_cast<double>(i) / 10;
    store.trackCourse[b][i] = 10.0 * static_cast<double>(i);
  }
  return b;
}

void AddMarkAndLine(race::RaceStore& store) {
  store.markCount = 1;
  store.markLat[1] = 2106, store.markLon[1] = 8346;
  store.lineCount = 1;
  store.lineLat1[1] = 2094, store.lineLon1[1] = 8334;
  store.lineLat2[1] = 2094, store.lineLon2[1] = 8337;
}

race::RaceStore SmallRace() {
  race::RaceStore store;
  store.raceCaption = "Regatix  Spring Cup.     ";
  store.startTime = *race::EncodeDateTime(2008, 5, 17, 10, 30, 0);
  store.timelineEnd = 400;
  return store;
}

view::FrameState EmptyScene(const race::RaceStore& store) {
  view::FrameState scene;
  const size_t n = static_cast<size_t>(store.boatCount) + 1;
  scene.lastFixIndex.assign(n, 0);
  scene.boatActive.assign(n, 0);
  for (auto* values : {&scene.curLat, &scene.curLon, &scene.curSpeed, &scene.curCourse})
    values->assign(n, 0.0);
  return scene;
}

std::vector<std::string> Lines(const std::string& document) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t end = document.find("\r\n"); end != std::string::npos; end = document.find("\r\n", from)) {
    lines.push_back(document.substr(from, end - from));
    from = end + 2;
  }
  EXPECT_EQ(from, document.size()) << "the last line has no CR LF";
  for (const auto& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a line end other than CR LF in: " << line;
  }
  return lines;
}

std::string SceneText(const race::RaceStore& store, const view::FrameState& frame, double raceTime,
                      const kml::KmlOptions& options) {
  std::ostringstream out;
  kml::WritePresentScene(out, store, frame, raceTime, options);
  return out.str();
}

std::string RaceText(const race::RaceStore& store, const kml::KmlOptions& options) {
  std::ostringstream out;
  kml::WriteWholeRace(out, store, options);
  return out.str();
}

}  // namespace kmltest
