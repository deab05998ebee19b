// Loggers writing ten fixes a second: every fix keeps its own time, and course and speed come out right
// although the fixes lie only centimetres apart with noise of the same size.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "analysis/FixCourseAndSpeed.h"
#include "race/RaceFolder.h"
#include "race/TrackLoader.h"

namespace analysis {
namespace {

constexpr double kKnots = 6;
constexpr double kCourse = 60;  // degrees
constexpr double kLat0 = 35 * 60 + 12.5, kLon0 = 139 * 60 + 30.25;
constexpr int kTenths = 7200;  // twelve minutes from 00:58 UTC, two minutes before the gun
const double kCosLat = std::cos(kLat0 / 60 * std::numbers::pi / 180);

struct Point {
  double seconds;   // after 00:58:00 UTC
  double lat, lon;  // minutes of arc
};

Point At(int tenth) {
  const double seconds = tenth / 10.0;
  const double metres = kKnots * 1852 / 3600 * seconds;
  // A few centimetres of noise either way: at 10 Hz as large as a quarter of the way between fixes.
  const double noise = (tenth * 7919 % 7 - 3) * 0.01;
  const double north = metres * std::cos(kCourse * std::numbers::pi / 180) + noise;
  const double east = metres * std::sin(kCourse * std::numbers::pi / 180) - noise;
  return {seconds, kLat0 + north / 1852, kLon0 + east / (1852 * kCosLat)};
}

std::string Clock(double seconds, const char* form) {
  const int tenths = static_cast<int>(std::lround(seconds * 10));
  const int t = 58 * 60 + tenths / 10;
  char text[40];
  std::snprintf(text, sizeof text, form, t / 3600, t / 60 % 60, t % 60, tenths % 10);
  return text;
}

std::string Gpx() {
  std::string text =
      "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
      "<trk><trkseg>\n";
  char line[200];
  for (int k = 0; k < kTenths; ++k) {
    const Point p = At(k);
    std::snprintf(line, sizeof line, "<trkpt lat=\"%.9f\" lon=\"%.9f\"><time>2008-05-17T%sZ</time></trkpt>\n",
                  p.lat / 60, p.lon / 60, Clock(p.seconds, "%02d:%02d:%02d.%d00").c_str());
    text += line;
  }
  return text + "</trkseg></trk></gpx>\n";
}

std::string Nmea() {
  std::string text;
  char body[160];
  for (int k = 0; k < kTenths; ++k) {
    const Point p = At(k);
    std::snprintf(body, sizeof body, "GPRMC,%s,A,%02d%09.6f,N,%03d%09.6f,E,6.0,60.0,170508,,,A",
                  Clock(p.seconds, "%02d%02d%02d.%d0").c_str(), static_cast<int>(p.lat / 60),
                  std::fmod(p.lat, 60), static_cast<int>(p.lon / 60), std::fmod(p.lon, 60));
    unsigned sum = 0;
    for (const char* c = body; *c; ++c) sum ^= static_cast<unsigned char>(*c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    text += std::string("$") + body + tail;
  }
  return text;
}

TEST(FastLogger, TenFixesASecondKeepTheirTimesAndGetSteadyCourseAndSpeed) {
  racetest::RaceFolder race;
  race.Write("gpsdat/fast.gpx", Gpx());
  race.Write("gpsdat/fast.nmea", Nmea());
  race.Parse(racetest::kRaceTimes + "BN,fast.gpx,Gpx\r\nBN,fast.nmea,Nmea\r\n");
  race::LoadAllTracks(race.store);
  ComputeFixCourseAndSpeed(race.store, kCosLat);
  const race::RaceStore& s = race.store;
  ASSERT_EQ(s.boatCount, 2);
  for (int b = 1; b <= 2; ++b) {
    SCOPED_TRACE(s.boatName[b]);
    // The window starts after -240 s (00:56 UTC): every logged fix is in it, each with its own tenth.
    const int n = s.fixCount[b];
    ASSERT_EQ(n, kTenths);
    for (int k = 1; k <= n; ++k) ASSERT_EQ(s.trackTime[b][k], (k - 1 - 1200) / 10.0) << k;
    int slow = 0, offCourse = 0;
    for (int k = 1; k < n; ++k) {
      if (std::fabs(s.trackSpeed[b][k] - kKnots) > 0.15) ++slow;
      if (std::fabs(s.trackCourse[b][k] - kCourse) > 2.5) ++offCourse;  // fix to fix: 15°
    }
    EXPECT_EQ(slow, 0);
    EXPECT_EQ(offCourse, 0);
    EXPECT_NEAR(s.maxBoatSpeed, kKnots, 0.15);
  }
  // Both forms name the same places to a couple of centimetres.
  for (int k = 1; k <= s.fixCount[1]; ++k) {
    ASSERT_NEAR(s.trackLat[1][k], s.trackLat[2][k], 2e-5) << k;
    ASSERT_NEAR(s.trackLon[1][k], s.trackLon[2][k], 2e-5) << k;
  }
}

}  // namespace
}  // namespace analysis
