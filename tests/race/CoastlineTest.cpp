// The coastline readers: tile names and squares, polylines and their flags, the cut to the search window,
// the wide-area file and the datum shift.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "RaceFolder.h"
#include "race/Coastline.h"
#include "race/InputError.h"

namespace race {
namespace {

using racetest::RaceFolder;

// Tracks around 2102 N, 8200 E spanning 2 minutes: a 3-minute half-height window, one tile, "5236".
const CoastWindowFit kSmallRace{2101, 2103, 2102, 8200};

std::string DataLine(const std::vector<std::pair<int, int>>& slots) {
  std::string line;
  char slot[16];
  for (const auto& [x, y] : slots) {
    std::snprintf(slot, sizeof slot, "%5d%5d", x, y);
    line += slot;
  }
  return line + "\r\n";
}

std::string PolylineHeader(int count) {
  char text[16];
  std::snprintf(text, sizeof text, "%6d", count);
  return "L" + std::string(48, ' ') + text + "\r\n";
}

struct Point {
  double lat, lon;
  bool starts;
};

std::vector<Point> Points(const RaceStore& s) {
  std::vector<Point> out;
  for (int i = 1; i <= s.coastCount; ++i) {
    const bool starts = s.coastLat[i] > 6000;
    out.push_back({starts ? s.coastLat[i] - 20000 : s.coastLat[i], s.coastLon[i], starts});
  }
  return out;
}

TEST(Coastline, TilePolylinesSpanDataLinesAndTakeTheDatumShift) {
  RaceFolder r;
  // Square 52/36, digits 4 and 5: south-west corner 2100 N, 8197.5 E. Ten points over two lines; the four
  // unused slots of the second line still have to be numbers.
  std::vector<std::pair<int, int>> first, second;
  for (int k = 0; k < 7; ++k) first.push_back({1000 + 100 * k, 2000 + 100 * k});
  for (int k = 7; k < 10; ++k) second.push_back({1000 + 100 * k, 2000 + 100 * k});
  for (int k = 0; k < 4; ++k) second.push_back({0, 0});
  r.Write("coastline/5236.cst", "M 523645\r\n" + PolylineHeader(10) + DataLine(first) + DataLine(second) +
                                    PolylineHeader(1) +
                                    DataLine({{2000, 5000}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
  LoadCoastline(r.store, kSmallRace);
  const RaceStore& s = r.store;
  ASSERT_EQ(s.mapImageCount, 1);
  EXPECT_EQ(s.mapImage[1], "5236");
  EXPECT_EQ(s.datumCentreLat, 2102);
  // Tokyo datum to WGS 84 near 35 N 137 E: about 0.19 minutes north and 0.19 west.
  EXPECT_NEAR(s.coastLatShift, 0.19, 0.03);
  EXPECT_NEAR(s.coastLonShift, -0.19, 0.03);
  const auto points = Points(s);
  ASSERT_EQ(points.size(), 11u);
  EXPECT_TRUE(points[0].starts);
  EXPECT_NEAR(points[0].lat, 2100 + 2000 * 5.0 / 10000 + s.coastLatShift, 1e-9);
  EXPECT_NEAR(points[0].lon, 8197.5 + 1000 * 7.5 / 10000 + s.coastLonShift, 1e-9);
  for (int k = 1; k < 10; ++k) EXPECT_FALSE(points[k].starts) << k;
  EXPECT_NEAR(points[9].lat, 2100 + 2900 * 5.0 / 10000 + s.coastLatShift, 1e-9);
  EXPECT_TRUE(points[10].starts);

  // The reader leaves each polyline indexed with the box round its points.
  ASSERT_EQ(s.coastPieces.size(), 2u);
  EXPECT_EQ(s.coastPieces[0].first, 1);
  EXPECT_EQ(s.coastPieces[0].last, 10);
  EXPECT_DOUBLE_EQ(s.coastPieces[0].south, points[0].lat);
  EXPECT_DOUBLE_EQ(s.coastPieces[0].north, points[9].lat);
  EXPECT_DOUBLE_EQ(s.coastPieces[0].west, points[0].lon);
  EXPECT_DOUBLE_EQ(s.coastPieces[0].east, points[9].lon);
  EXPECT_EQ(s.coastPieces[1].first, 11);
  EXPECT_EQ(s.coastPieces[1].last, 11);
}

TEST(Coastline, PointsOutsideTheWindowAreCutWithoutJoiningStretches) {
  RaceFolder r;
  // Twelve points in one polyline: points 4 to 6 lie east of the window (beyond 8203.75 E).
  std::vector<std::pair<int, int>> first, second;
  for (int k = 0; k < 7; ++k) first.push_back({k >= 3 && k <= 5 ? 9500 : 1000, 3000 + 100 * k});
  for (int k = 7; k < 12; ++k) second.push_back({1000, 3000 + 100 * k});
  second.push_back({0, 0});
  second.push_back({0, 0});
  r.Write("coastline/5236.cst", "M 523645\r\n" + PolylineHeader(12) + DataLine(first) + DataLine(second));
  LoadCoastline(r.store, kSmallRace);
  const auto points = Points(r.store);
  ASSERT_EQ(points.size(), 9u);
  EXPECT_TRUE(points[0].starts);
  EXPECT_FALSE(points[2].starts);
  EXPECT_TRUE(points[3].starts);  // the stretch after the cut is a polyline of its own
  EXPECT_FALSE(points[4].starts);
}

TEST(Coastline, SquaresOutsideTheWindowAndMalformedSlots) {
  RaceFolder r;
  const std::string line = DataLine({{1000, 1000}, {1100, 1100}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}});
  // Square 52/36 digits 0 and 0 lies south-west of the window: its lines, however broken, are not read.
  r.Write("coastline/5236.cst",
          "M 523600\r\n" + PolylineHeader(2) + "garbage\r\n" + "M 523645\r\n" + PolylineHeader(2) + line);
  LoadCoastline(r.store, kSmallRace);
  EXPECT_EQ(r.store.coastCount, 2);

  r.Write("coastline/5236.cst", "M 523645\r\n" + PolylineHeader(2) + line + "    1 1000\r\n");
  try {
    LoadCoastline(r.store, kSmallRace);
    FAIL() << "no error";
  } catch (const InputError& e) {
    EXPECT_STREQ(e.what(), "coastline/5236.cst:4: not a number: \"\"");
  }
}

TEST(Coastline, WideRacesAndRacesWithoutTilesReadTheDefaultFile) {
  const std::string toba = "R,3272.9580,536.2254\r\n3272.9467,536.2499\r\n\r\nR, 3272.8981 ,536.2499\r\n";
  RaceFolder noTiles;
  noTiles.Write("coastline/toba.cst", toba);
  LoadCoastline(noTiles.store, CoastWindowFit{3212.5, 3213, 3212.7, 588.3});
  ASSERT_EQ(noTiles.store.mapImageCount, 1);
  EXPECT_EQ(noTiles.store.mapImage[1], "TOBA");
  const auto points = Points(noTiles.store);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_TRUE(points[0].starts);
  EXPECT_NEAR(points[0].lat, 3272.9580, 1e-9);
  EXPECT_EQ(points[0].lon, 536.2254);  // no datum shift
  EXPECT_FALSE(points[1].starts);
  EXPECT_TRUE(points[2].starts);

  RaceFolder wide;
  wide.Write("coastline/toba.cst", toba);
  wide.Write("coastline/5236.cst", "M 523645\r\n");
  LoadCoastline(wide.store, CoastWindowFit{2080, 2140, 2102, 8200});
  EXPECT_EQ(wide.store.coastCount, 3);
  EXPECT_EQ(wide.store.mapImage[1], "TOBA");

  RaceFolder none;
  LoadCoastline(none.store, kSmallRace);
  EXPECT_EQ(none.store.coastCount, 0);

  RaceFolder bad;
  bad.Write("coastline/toba.cst", "3272.9,536.2\r\nR,3272.9\r\n");
  bad.store.coastPieces.push_back({1, 1, 0, 0, 0, 0});  // of a coast loaded before
  EXPECT_THROW(LoadCoastline(bad.store, kSmallRace), InputError);
  EXPECT_TRUE(bad.store.coastPieces.empty());
}

TEST(Coastline, DatumShiftStaysSmallWestOfGreenwich) {
  RaceStore s;
  s.datumCentreLat = 39.4 * 60;
  s.datumCentreLon = -0.32 * 60;
  ComputeDatumShift(s);
  EXPECT_LT(std::abs(s.coastLonShift), 1.0);
  EXPECT_LT(std::abs(s.coastLatShift), 1.0);
  EXPECT_NEAR(s.wgsCentreLon, s.datumCentreLon + s.coastLonShift, 1e-9);
}

}  // namespace
}  // namespace race
