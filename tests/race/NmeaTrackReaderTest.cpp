// The NMEA 0183 track reader: which sentences make fixes, how they read, and which are passed over.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "race/NmeaTrackReader.h"

namespace race {
namespace {

constexpr TDateTime kMay17 = 39585;  // 2008-05-17
constexpr double kSecond = 1.0 / 86400;

// "$" + body + "*" + the checksum of body.
std::string Sentence(const std::string& body) {
  unsigned sum = 0;
  for (const char c : body) sum ^= static_cast<unsigned char>(c);
  char tail[8];
  std::snprintf(tail, sizeof tail, "*%02X", sum);
  return "$" + body + tail;
}

std::vector<TrackFix> Read(const std::string& text) {
  std::istringstream in(text);
  return ReadNmeaTrack(in, "gpsdat/a.nmea");
}

TEST(NmeaTrackReader, TakesValidRmcSentencesOnlyWithTheirLines) {
  const std::string good = Sentence("GPRMC,010203,A,3512.3456,N,13652.1234,E,5.2,181.0,170508,,");
  std::string bad = good;
  bad[10] = '4';  // the time changed, the checksum kept
  const std::string log =
      Sentence("GPGGA,010202,3512.3456,N,13652.1234,E,1,08,0.9,5.0,M,,,,") + "\r\n" +   // no date: no fix
      good + "\r\n" +                                                                   // line 2
      bad + "\r\n" +                                                                    // checksum wrong
      "$GPRMC,010205,A,3512.3456,N,13652.1234,E,5.2,181.0,170508,,\r\n" +               // checksum missing
      Sentence("GPRMC,010206,V,3512.3456,N,13652.1234,E,0,0,170508,,") + "\r\n" +       // no valid fix
      Sentence("GNRMC,010207.60,A,3300.5,S,00130.5,W,5.2,181.0,170508,,,A") + "\r\n" +  // line 6
      "garbage\r\n" + Sentence("GPRMC,010209,A,3512.3456,N,13652.1234,E,5,181,170508,,,N") + "\r\n" +
      "1234 " + Sentence("IIRMC,010210,A,3512.3456,N,13652.1234,E,5,181,170508,,") + "\r\n";  // line 9
  const auto fixes = Read(log);
  ASSERT_EQ(fixes.size(), 3u);
  EXPECT_EQ(fixes[0].line, 2);
  EXPECT_EQ(fixes[1].line, 6);
  EXPECT_EQ(fixes[2].line, 9);
  // Degrees and decimal minutes split as the text form splits N3512.3456.
  EXPECT_EQ(fixes[0].lat, 35.0 * 60 + 12.3456);
  EXPECT_EQ(fixes[0].lon, 136.0 * 60 + 52.1234);
  EXPECT_EQ(fixes[1].lat, -(33.0 * 60 + 0.5));
  EXPECT_EQ(fixes[1].lon, -90.5);
  EXPECT_NEAR(fixes[0].gpsTime, kMay17 + 3723 * kSecond, 1e-9);
  EXPECT_NEAR(fixes[1].gpsTime, kMay17 + 3727.6 * kSecond, 1e-10);
}

TEST(NmeaTrackReader, CountsLinesOfEveryLineEndForm) {
  const std::string fix = Sentence("GPRMC,010203,A,3512.3456,N,13652.1234,E,5.2,181.0,170508,,");
  for (const std::string end : {"\n", "\r", "\r\n"}) {
    const auto fixes = Read("x" + end + end + fix + end + "y" + end + fix);
    ASSERT_EQ(fixes.size(), 2u);
    EXPECT_EQ(fixes[0].line, 3);
    EXPECT_EQ(fixes[1].line, 5);
  }
}

TEST(NmeaTrackReader, PassesOverDamagedSentences) {
  const char* const damaged[] = {
      "GPRMC,010203,A,3512.3456,N,13652.1234,E,5.2,181.0,1705,,",     // short date
      "GPRMC,010203,A,3512.3456,N,13652.1234,E,5.2,181.0,310208,,",   // 31 February
      "GPRMC,250203,A,3512.3456,N,13652.1234,E,5.2,181.0,170508,,",   // hour 25
      "GPRMC,0102,A,3512.3456,N,13652.1234,E,5.2,181.0,170508,,",     // short time
      "GPRMC,010203,A,,N,13652.1234,E,5.2,181.0,170508,,",            // no latitude
      "GPRMC,010203,A,3512.3456,X,13652.1234,E,5.2,181.0,170508,,",   // no hemisphere
      "GPRMC,010203,A,3572.3456,N,13652.1234,E,5.2,181.0,170508,,",   // 72 minutes
      "GPRMC,010203,A,9112.3456,N,13652.1234,E,5.2,181.0,170508,,",   // beyond the pole
      "GPRMC,010203,A,12.3456,N,13652.1234,E,5.2,181.0,170508,,",     // no degrees
      "GPRMC,010203,A,35x2.3456,N,13652.1234,E,5.2,181.0,170508,,",   // letter in the number
      "GPRMC,010203,A,3512.3456,N,13652.1234,E,5.2,181.0",            // fields missing
      "GPRMB,010203,A,3512.3456,N,13652.1234,E,5.2,181.0,170508,,",   // another sentence
      "GPXRMC,010203,A,3512.3456,N,13652.1234,E,5.2,181.0,170508,,",  // not a talker
  };
  for (const char* body : damaged) {
    EXPECT_FALSE(ParseRmcSentence(Sentence(body))) << body;
  }
  const std::string good = Sentence("GPRMC,010203,A,3512.3456,N,13652.1234,E,5.2,181.0,170508,,");
  EXPECT_TRUE(ParseRmcSentence(good));
  EXPECT_TRUE(ParseRmcSentence(good + "  "));
  EXPECT_FALSE(ParseRmcSentence(good.substr(0, good.size() - 1)));
  EXPECT_FALSE(ParseRmcSentence(good + "0"));
}

TEST(NmeaTrackReader, TwoDigitYearsFromEightyAreTheNineteenHundreds) {
  const auto y2079 = ParseRmcSentence(Sentence("GPRMC,000000,A,3512.3456,N,13652.1234,E,0,0,010179,,"));
  const auto y1980 = ParseRmcSentence(Sentence("GPRMC,000000,A,3512.3456,N,13652.1234,E,0,0,010180,,"));
  ASSERT_TRUE(y2079 && y1980);
  EXPECT_EQ(y2079->gpsTime, 65381);  // 2079-01-01
  EXPECT_EQ(y1980->gpsTime, 29221);  // 1980-01-01
}

}  // namespace
}  // namespace race
