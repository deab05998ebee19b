// GPX and NMEA tracks in a race: the same race written as text, GPX and NMEA loads to the same fixes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "race/InputError.h"
#include "race/LoggerTrack.h"
#include "race/RaceFolder.h"
#include "race/TrackLoader.h"

namespace race {
namespace {

// One logged position: seconds of GPS time after 00:55:00 on 17 May 2008, latitude north and longitude west
// in degrees and minutes with five decimals of a minute, which decimal degrees hold exactly with six
// decimals.
struct Logged {
  double seconds;
  int latMinutes100000;  // 35° 07.40736' is 210740736
  int lonMinutes100000;
};

std::vector<Logged> Voyage() {
  // 30 minutes at 2-second spacing from five minutes before the gun, some times with fractions that must
  // round as the text form rounds them.
  static constexpr double kFractions[] = {0, 0.4, 0.5, 0.6, 0.25};
  std::vector<Logged> points;
  for (int k = 0; k < 900; ++k) {
    points.push_back({2.0 * k + kFractions[k % 5], 210740736 + 960 * k, 7890000 - 600 * k});
  }
  return points;
}

std::string Clock(double seconds, const char* form) {
  const int whole = static_cast<int>(seconds);
  const int t = 55 * 60 + whole;
  char text[40];
  std::snprintf(text, sizeof text, form, t / 3600, t / 60 % 60, t % 60 + (seconds - whole));
  return text;
}

// Minutes of arc (hundred-thousandths) as ddmm.mmmmm, or as decimal degrees with six decimals.
std::string Minutes(int value, int degreeDigits) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*d%08.5f", degreeDigits, value / 6000000, value % 6000000 / 100000.0);
  return text;
}
std::string Degrees(int value) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%06d", value / 6000000,
                value % 6000000 / 6);  // values are multiples of 6
  return text;
}

std::string TextTrack(bool decimalDegrees) {
  std::string text = decimalDegrees ? "H  DEG\r\n" : "H  LATITUDE LONGITUDE\r\n";
  for (const auto& p : Voyage()) {
    const std::string lat = decimalDegrees ? Degrees(p.latMinutes100000) : Minutes(p.latMinutes100000, 2);
    const std::string lon = decimalDegrees ? Degrees(p.lonMinutes100000) : Minutes(p.lonMinutes100000, 3);
    text += "T  N" + lat + " W" + lon + " 2008/05/17 " + Clock(p.seconds, "%02d:%02d:%05.2f") + " 0\r\n";
  }
  return text;
}

std::string GpxTrack() {
  std::string text =
      "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" "
      "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk>\n<trkseg>\n";
  const auto points = Voyage();
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (k == points.size() / 2) text += "</trkseg>\n<trkseg>\n";  // a pause in logging splits the track
    text += "<trkpt lat=\"" + Degrees(points[k].latMinutes100000) + "\" lon=\"-" +
            Degrees(points[k].lonMinutes100000) + "\"><time>2008-05-17T" +
            Clock(points[k].seconds, "%02d:%02d:%05.2f") + "Z</time></trkpt>\n";
  }
  return text + "</trkseg>\n</trk>\n</gpx>\n";
}

std::string NmeaTrack() {
  std::string text;
  for (const auto& p : Voyage()) {
    std::string time = Clock(p.seconds, "%02d%02d%05.2f");
    const std::string body = "GPRMC," + time + ",A," + Minutes(p.latMinutes100000, 2) + ",N," +
                             Minutes(p.lonMinutes100000, 3) + ",W,5.1,90.0,170508,,,A";
    unsigned sum = 0;
    for (const char c : body) sum ^= static_cast<unsigned char>(c);
    char checksum[4];
    std::snprintf(checksum, sizeof checksum, "%02X", sum);
    text += "$GPGGA," + time + "," + Minutes(p.latMinutes100000, 2) + ",N,*00\r\n";
    text += "$" + body + "*" + checksum + "\r\n";
  }
  return text;
}

TEST(LoggerTrack, FormFollowsTheExtensionInAnyCase) {
  EXPECT_EQ(TrackFormOf("a.gpx"), TrackForm::kGpx);
  EXPECT_EQ(TrackFormOf("A.GPX"), TrackForm::kGpx);
  EXPECT_EQ(TrackFormOf("a.Nmea"), TrackForm::kNmea);
  EXPECT_EQ(TrackFormOf("a.NME"), TrackForm::kNmea);
  EXPECT_EQ(TrackFormOf("a.txt"), TrackForm::kText);
  EXPECT_EQ(TrackFormOf("gpx"), TrackForm::kText);
  EXPECT_EQ(TrackFormOf("a.gpx.txt"), TrackForm::kText);
}

TEST(LoggerTrack, TheSameRaceAsTextGpxAndNmeaLoadsToTheSameFixes) {
  racetest::RaceFolder race;
  race.Write("gpsdat/deg.txt", TextTrack(true));
  race.Write("gpsdat/min.txt", TextTrack(false));
  race.Write("gpsdat/Logger.GPX", GpxTrack());
  race.Write("gpsdat/log.nme", NmeaTrack());
  race.Parse(racetest::kRaceTimes +
             "BN,deg.txt,Deg,30\r\nBN,Logger.GPX,Gpx,30\r\nBN,min.txt,Min,30\r\nBN,log.nme,Nmea,30\r\n");
  LoadAllTracks(race.store);
  const RaceStore& s = race.store;
  ASSERT_EQ(s.boatCount, 4);
  ASSERT_EQ(s.boatName[2], "Gpx");
  ASSERT_EQ(s.boatName[4], "Nmea");
  // The window keeps the pre-start less a minute (rel > -240) up to 30 s after the finish at 02:00.
  ASSERT_GT(s.fixCount[1], 100);
  for (const auto& [text, logger] : {std::pair{1, 2}, std::pair{3, 4}}) {
    ASSERT_EQ(s.fixCount[logger], s.fixCount[text]);
    EXPECT_EQ(s.fixInterval[logger], s.fixInterval[text]);
    for (int k = 1; k <= s.fixCount[text]; ++k) {
      // The text form counts whole seconds; a logger keeps the fraction it wrote.
      ASSERT_NEAR(s.trackTime[logger][k], s.trackTime[text][k], 0.5) << "boat " << logger << " fix " << k;
      ASSERT_EQ(s.trackTime[text][k], std::round(s.trackTime[text][k]));
      ASSERT_EQ(s.trackLat[logger][k], s.trackLat[text][k]) << "boat " << logger << " fix " << k;
      ASSERT_EQ(s.trackLon[logger][k], s.trackLon[text][k]) << "boat " << logger << " fix " << k;
    }
  }
  // Decimal degrees and degrees-and-minutes name the same places.
  for (int k = 1; k <= s.fixCount[1]; ++k) {
    ASSERT_NEAR(s.trackLat[1][k], s.trackLat[3][k], 1e-9);
    ASSERT_NEAR(s.trackLon[1][k], s.trackLon[3][k], 1e-9);
  }
  EXPECT_EQ(s.fixInterval[2], 2);
  EXPECT_LT(s.trackLon[2][1], 0);
  // With the offset of 30 s, 00:55:30 lands on rel -240, just outside the window. The logger keeps its
  // milliseconds (00:55:32.4 is -267.6 s from the gun, 00:55:36.6 is -263.4) where text rounds them.
  EXPECT_DOUBLE_EQ(s.trackTime[2][1], -267.6 + 30);
  EXPECT_DOUBLE_EQ(s.trackTime[2][3], -263.4 + 30);
  EXPECT_EQ(s.trackTime[1][1], -268 + 30);
}

TEST(LoggerTrack, AMalformedLogStopsTheLoadNamingItsFileAndLine) {
  racetest::RaceFolder race;
  race.Write("gpsdat/a.gpx",
             "<gpx>\n<trk>\n<trkseg>\n<trkpt lat=\"1\" lon=\"2\"></trkpt>\n</trkseg></trk></gpx>\n");
  race.Parse(racetest::kRaceTimes + "BN,a.gpx,A\r\n");
  try {
    LoadAllTracks(race.store);
    FAIL() << "no error";
  } catch (const InputError& error) {
    EXPECT_STREQ(error.what(), "gpsdat/a.gpx:4: track point without time");
  }
}

}  // namespace
}  // namespace race
