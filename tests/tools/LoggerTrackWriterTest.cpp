// The simulator's GPX and NMEA tracks read back through the program's own readers to the fixes it sailed.
#include <gtest/gtest.h>

#include <sstream>

#include "race/GpxTrackReader.h"
#include "race/NmeaTrackReader.h"
#include "simulate/LoggerTrackWriter.h"

namespace simulate {
namespace {

constexpr double kMay17 = 46159;  // 2026-05-17

struct Voyage {
  Options options;
  GeoFrame frame{34.56, 136.87};
  std::vector<Fix> fixes;

  // Fixes at the given rate from ten seconds before the gun (10:00 local, 01:00 UTC), heading north-east.
  explicit Voyage(double rateHz) {
    options.race.rateHz = rateHz;
    for (int k = 0; k < 30; ++k) fixes.push_back({-10 + k / rateHz, Vec{k * 3.0, k * 2.0}});
  }
};

TEST(LoggerTrackWriter, GpxReadsBackToTheSamePlacesAndTimes) {
  for (const double rate : {1.0, 10.0}) {
    const Voyage v(rate);
    std::istringstream in(GpxTrackText(v.fixes, v.frame, v.options, "BOAT01"));
    const auto read = race::ReadGpxTrack(in, "a.gpx");
    ASSERT_EQ(read.size(), v.fixes.size());
    for (std::size_t k = 0; k < read.size(); ++k) {
      EXPECT_NEAR(read[k].lat, v.frame.Lat(v.fixes[k].position), 1e-5);  // seven places of a degree
      EXPECT_NEAR(read[k].lon, v.frame.Lon(v.fixes[k].position), 1e-5);
      EXPECT_NEAR((read[k].gpsTime - kMay17) * 86400, 3600 + v.fixes[k].seconds, 1e-4) << "rate " << rate;
    }
  }
}

TEST(LoggerTrackWriter, NmeaReadsBackWithGoodChecksums) {
  for (const double rate : {1.0, 10.0}) {
    const Voyage v(rate);
    const std::string text = NmeaTrackText(v.fixes, v.frame, v.options);
    std::istringstream in(text);
    const auto read = race::ReadNmeaTrack(in, "a.nmea");
    ASSERT_EQ(read.size(), v.fixes.size());  // every sentence passes its checksum
    for (std::size_t k = 0; k < read.size(); ++k) {
      EXPECT_NEAR(read[k].lat, v.frame.Lat(v.fixes[k].position), 0.6e-4);  // four places of a minute
      EXPECT_NEAR(read[k].lon, v.frame.Lon(v.fixes[k].position), 0.6e-4);
      EXPECT_NEAR((read[k].gpsTime - kMay17) * 86400, 3600 + v.fixes[k].seconds, 1e-4) << "rate " << rate;
    }
  }
}

}  // namespace
}  // namespace simulate
