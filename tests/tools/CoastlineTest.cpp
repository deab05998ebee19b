// The GSHHG converter (tools/coastline/gshhg-to-cst.py) read back by the program's coastline loader: tiles in
// the Tokyo datum come back onto the WGS 84 shore after the loader's datum shift, with no gap at the edges of
// the grid squares, and toba.cst holds the shore as it came.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "race/Coastline.h"
#include "support/TempFolder.h"

namespace {

struct Point {
  double lat, lon;  // minutes, WGS 84
};

// A shore near Toba zigzagging across the edges of second-level squares (2075' of latitude and 8212.5' of
// longitude), points about 90 m apart, and a small island: GMT's dump, "lon lat" in degrees.
std::vector<std::vector<Point>> Shore() {
  std::vector<Point> shore, island;
  for (int i = 0; i <= 120; ++i) {
    shore.push_back({2073.5 + i * 0.025 + 0.4 * std::sin(i * 0.2), 8210.0 + i * 0.04});
  }
  for (int i = 0; i <= 24; ++i) {
    island.push_back({2072.0 + 0.2 * std::cos(i * M_PI / 12), 8214.0 + 0.25 * std::sin(i * M_PI / 12)});
  }
  return {shore, island};
}

std::string Dump(const std::vector<std::vector<Point>>& lines) {
  std::string text;
  char line[80];
  for (const auto& points : lines) {
    text += "> Shore Bin # 1, Level 1\n";
    for (const Point& p : points) {
      std::snprintf(line, sizeof line, "%.9f\t%.9f\n", p.lon / 60, p.lat / 60);
      text += line;
    }
  }
  return text;
}

// Runs the converter on the dump; false when there is no Python to run it with.
bool Convert(const testsupport::TempFolder& folder, const std::string& arguments) {
  if (std::system("python3 -c pass >/dev/null 2>&1") != 0) return false;
  folder.Write("dump.txt", Dump(Shore()));
  const std::string script = (testsupport::SourceFolder() / "tools/coastline/gshhg-to-cst.py").string();
  const std::string command =
      "cd '" + folder.folder() + "' && python3 '" + script + "' " + arguments + " < dump.txt";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return true;
}

double MetresToShore(const Point& q) {
  double best = 1e18;
  const double scale = std::cos(q.lat / 60 * M_PI / 180);
  for (const auto& line : Shore()) {
    for (size_t i = 1; i < line.size(); ++i) {
      const double ax = (line[i - 1].lon - q.lon) * scale, ay = line[i - 1].lat - q.lat;
      const double bx = (line[i].lon - q.lon) * scale, by = line[i].lat - q.lat;
      const double l2 = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
      const double t = l2 > 0 ? std::clamp(-(ax * (bx - ax) + ay * (by - ay)) / l2, 0.0, 1.0) : 0.0;
      best = std::min(best, std::hypot(ax + (bx - ax) * t, ay + (by - ay) * t) * 1852);
    }
  }
  return best;
}

std::vector<Point> Loaded(const race::RaceStore& store) {
  std::vector<Point> points;
  for (int i = 1; i <= store.coastCount; ++i) {
    points.push_back(
        {store.coastLat[i] > 6000 ? store.coastLat[i] - 20000 : store.coastLat[i], store.coastLon[i]});
  }
  return points;
}

TEST(GshhgConverter, TilesComeBackOntoTheShoreWithoutGapsAtSquareEdges) {
  testsupport::TempFolder folder;
  if (!Convert(folder, "tiles coastline 5136")) GTEST_SKIP() << "no python3";
  race::RaceStore store;
  store.programFolder = folder.folder();
  race::CoastWindowFit fit{2072.0, 2076.0, 2074.0, 8212.5};  // a 4' window: tiles, not toba.cst
  race::LoadCoastline(store, fit);
  ASSERT_EQ(store.mapImage[1], "5136");
  const std::vector<Point> loaded = Loaded(store);
  ASSERT_GT(loaded.size(), 100u);
  // The loader shifts the whole chart by the value at its centre, the converter each point by its own:
  // with the grid's metre steps, about a metre apart.
  for (const Point& p : loaded) EXPECT_LT(MetresToShore(p), 2) << p.lat << " " << p.lon;
  // Every shore point in the window has a loaded point near it, also where the shore crosses a square edge.
  for (const auto& line : Shore()) {
    for (const Point& p : line) {
      if (std::fabs(p.lat - 2074.0) > 3.9 || std::fabs(p.lon - 8212.5) > 4.9) continue;
      double nearest = 1e18;
      for (const Point& q : loaded) {
        nearest = std::min(nearest, std::hypot(q.lat - p.lat, (q.lon - p.lon) * 0.82) * 1852);
      }
      EXPECT_LT(nearest, 8) << p.lat << " " << p.lon;
    }
  }
}

TEST(GshhgConverter, TobaCstHoldsTheShoreInWgs84) {
  testsupport::TempFolder folder;
  if (!Convert(folder, "wide coastline/toba.cst")) GTEST_SKIP() << "no python3";
  race::RaceStore store;
  store.programFolder = folder.folder();
  race::CoastWindowFit fit{2000.0, 2110.0, 2055.0, 8200.0};  // taller than 50': the wide-area file
  race::LoadCoastline(store, fit);
  EXPECT_EQ(store.mapImage[1], "TOBA");
  const auto shore = Shore();
  ASSERT_EQ(store.coastCount, static_cast<int>(shore[0].size() + shore[1].size()));
  EXPECT_NEAR(store.coastLat[1], shore[0][0].lat + 20000, 1e-4);  // a polyline begins
  EXPECT_NEAR(store.coastLon[2], shore[0][1].lon, 1e-4);
  const int island = static_cast<int>(shore[0].size()) + 1;
  EXPECT_NEAR(store.coastLat[island], shore[1][0].lat + 20000, 1e-4);
  EXPECT_LT(store.coastLat[island + 1], 6000);
}

}  // namespace
