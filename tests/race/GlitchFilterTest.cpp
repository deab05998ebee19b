// Dropping fixes no sailing boat can have made: jumps to 0°N 0°E and impossible speeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "race/GlitchFilter.h"
#include "race/LoadWarning.h"
#include "race/TrackLoader.h"
#include "support/WarningTexts.h"

namespace race {
namespace {

// A boat sailing north at about 6 knots, one fix a second: 0.0017 minutes of latitude a second.
struct Boat {
  RaceStore store;
  int n = 0;

  explicit Boat(int fixes, double lat = 35 * 60, double lon = 139 * 60) {
    store.boatCount = 1;
    store.boatName[1] = "Alpha";
    store.startTime = 39585.5;  // 2008/05/17 12:00:00
    SizeTrackArrays(store);
    SizeBoatTrack(store, 1, fixes + 1);
    for (int i = 1; i <= fixes; ++i) Set(i, lat + 0.0017 * i, lon);
    n = fixes;
  }
  void Set(int i, double lat, double lon) {
    store.trackTime[1][i] = i;
    store.trackLat[1][i] = lat;
    store.trackLon[1][i] = lon;
  }
  std::vector<double> Times() const {
    std::vector<double> times;
    for (int i = 1; i <= n; ++i) times.push_back(store.trackTime[1][i]);
    return times;
  }
};

std::vector<double> AllBut(int fixes, std::vector<double> dropped) {
  std::vector<double> kept;
  for (int i = 1; i <= fixes; ++i) {
    if (std::find(dropped.begin(), dropped.end(), i) == dropped.end()) kept.push_back(i);
  }
  return kept;
}

TEST(GlitchFilter, AJumpToZeroZeroOrASpikeIsDroppedAndReported) {
  Boat b(100);
  b.Set(40, 0, 0);                    // a cold-start glitch
  b.Set(70, 35 * 60 + 30, 139 * 60);  // half a degree away for one second
  DropGlitches(b.store, 1, b.n);
  EXPECT_EQ(b.Times(), AllBut(100, {40, 70}));
  const auto warnings = testsupport::WarningTexts(b.store);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0], "Alpha: fix at 2008/05/17 12:00:40 dropped as a GPS glitch: a jump to 0°N 0°E");
  EXPECT_EQ(warnings[1].substr(0, 56), "Alpha: fix at 2008/05/17 12:01:10 dropped as a GPS glitc");
  EXPECT_NE(warnings[1].find("knots from its neighbour"), std::string::npos);
  // The window lists them in the user's language too.
  EXPECT_EQ(WarningText(b.store.warnings[0], 0),
            "Alpha: 2008/05/17 12:00:40 の測位を GPS の異常値として除きました: 北緯0度・東経0度への飛び");
  EXPECT_NE(WarningText(b.store.warnings[1], 0).find("ノット"), std::string::npos);
}

TEST(GlitchFilter, GlitchesAtEitherEndAndInRunsGoToo) {
  Boat b(100);
  for (int i = 1; i <= 5; ++i) b.Set(i, 0, 0);    // no position yet
  b.Set(6, 10 * 60, 10 * 60);                     // then a wild first guess
  b.Set(100, 0, 90 * 60);                         // and a wild last fix
  b.Set(50, 20 * 60, 0), b.Set(51, -20 * 60, 0);  // two wild fixes in a row
  DropGlitches(b.store, 1, b.n);
  EXPECT_EQ(b.Times(), AllBut(100, {1, 2, 3, 4, 5, 6, 50, 51, 100}));
  // Three listed one by one for the boat, the rest counted.
  const auto warnings = testsupport::WarningTexts(b.store);
  ASSERT_EQ(warnings.size(), 4u);
  EXPECT_EQ(warnings[3], "Alpha: 6 more fixes dropped as GPS glitches");
}

TEST(GlitchFilter, FastButPossibleSailingAndTheDateLineStay) {
  Boat fast(100);
  for (int i = 1; i <= 100; ++i) fast.Set(i, 35 * 60 + 0.0150 * i, 139 * 60);  // 54 knots
  DropGlitches(fast.store, 1, fast.n);
  EXPECT_EQ(fast.n, 100);

  Boat across(100, -17 * 60, 180 * 60 - 0.05);
  for (int i = 51; i <= 100; ++i) across.Set(i, -17 * 60 + 0.0017 * i, -180 * 60 + 0.001 * (i - 50));
  DropGlitches(across.store, 1, across.n);
  EXPECT_EQ(across.n, 100);
  EXPECT_TRUE(across.store.warnings.empty());

  // A logger that restarts somewhere else for good is not a glitch: only lone fixes are judged.
  Boat moved(100);
  for (int i = 51; i <= 100; ++i) moved.Set(i, 36 * 60 + 0.0017 * i, 139 * 60);
  DropGlitches(moved.store, 1, moved.n);
  EXPECT_EQ(moved.n, 100);
}

}  // namespace
}  // namespace race
