// The drawn coastline read back by the program's coastline loader: tiles come back onto the drawn outline
// after the loader's datum shift, and wide races read toba.cst.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "race/Coastline.h"
#include "simulate/Coastline.h"
#include "support/TempFolder.h"

namespace {

// Metres from a point (minutes, WGS 84) to the drawn outline.
double MetresToOutline(const std::vector<simulate::Polyline>& coast, double lat, double lon) {
  double best = 1e18;
  const double scale = std::cos(lat / 60 * M_PI / 180);
  for (const auto& line : coast) {
    for (size_t i = 1; i < line.size(); ++i) {
      const double ax = (line[i - 1].lon * 60 - lon) * scale, ay = line[i - 1].lat * 60 - lat;
      const double bx = (line[i].lon * 60 - lon) * scale, by = line[i].lat * 60 - lat;
      const double l2 = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
      const double t = l2 > 0 ? std::clamp(-(ax * (bx - ax) + ay * (by - ay)) / l2, 0.0, 1.0) : 0.0;
      best = std::min(best, std::hypot(ax + (bx - ax) * t, ay + (by - ay) * t) * 1852);
    }
  }
  return best;
}

TEST(Coastline, TilesComeBackOntoTheDrawnOutline) {
  testsupport::TempFolder folder;
  simulate::WriteTobaCoastline(folder.folder());
  race::RaceStore store;
  store.programFolder = folder.folder();
  // A small race north of Toshijima: the loader looks for tiles, and finds the island's shore.
  race::CoastWindowFit fit;
  fit.trackMinLat = 34.55 * 60;
  fit.trackMaxLat = 34.57 * 60;
  fit.midLat = 34.545 * 60;
  fit.midLon = 136.87 * 60;
  race::LoadCoastline(store, fit);
  ASSERT_GT(store.coastCount, 20);
  EXPECT_EQ(store.mapImage[1], "5136");
  const std::vector<simulate::Polyline> coast = simulate::TobaCoastline();
  for (int i = 1; i <= store.coastCount; ++i) {
    const double lat = store.coastLat[i] > 6000 ? store.coastLat[i] - 20000 : store.coastLat[i];
    // The loader shifts with one value for the whole chart; the drawing shifted each point: metres apart.
    EXPECT_LT(MetresToOutline(coast, lat, store.coastLon[i]), 25) << i;
  }
}

TEST(Coastline, WideRacesReadTheWholeBayFromTobaCst) {
  testsupport::TempFolder folder;
  simulate::WriteTobaCoastline(folder.folder());
  race::RaceStore store;
  store.programFolder = folder.folder();
  race::CoastWindowFit fit;
  fit.trackMinLat = 34.2 * 60;
  fit.trackMaxLat = 35.1 * 60;
  fit.midLat = 34.65 * 60;
  fit.midLon = 136.8 * 60;
  race::LoadCoastline(store, fit);
  EXPECT_EQ(store.mapImageCount, 1);
  EXPECT_EQ(store.mapImage[1], "TOBA");
  ASSERT_GT(store.coastCount, 1000);
  int starts = 0;
  for (int i = 1; i <= store.coastCount; ++i) starts += store.coastLat[i] > 6000 ? 1 : 0;
  EXPECT_EQ(starts, 6);  // the mainland, two peninsulas and three islands
  EXPECT_LT(MetresToOutline(simulate::TobaCoastline(), store.coastLat[2], store.coastLon[2]), 1);
}

}  // namespace
