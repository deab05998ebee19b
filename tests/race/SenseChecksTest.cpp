// Values no race can have are refused where they are read, naming file and line: positions off the globe,
// a finish years after the start, wind no compass shows. Wind out of time order is put in order.
#include <gtest/gtest.h>

#include <functional>

#include "RaceFolder.h"
#include "race/Coastline.h"
#include "race/InputError.h"
#include "race/TrackLoader.h"
#include "race/WindFile.h"
#include "support/WarningTexts.h"

namespace race {
namespace {

using racetest::Fix;
using racetest::RaceFolder;
using racetest::Track;

std::string ErrorOf(const std::function<void()>& load) {
  try {
    load();
  } catch (const InputError& e) {
    return e.what();
  }
  return "loaded";
}

TEST(SenseChecks, TheRaceFileRefusesPositionsOffTheGlobeAndAWindowOfYears) {
  RaceFolder r;
  const auto parse = [&r](const std::string& line) {
    return ErrorOf([&] { r.Parse(racetest::kRaceTimes + line + "\r\n"); });
  };
  EXPECT_EQ(parse("MK,5700,600"), "raceadmin/race.txt:4: latitude out of range: \"5700\"");
  EXPECT_EQ(parse("MK,-5401,600"), "raceadmin/race.txt:4: latitude out of range: \"-5401\"");
  EXPECT_EQ(parse("MK,3000,1e11"), "raceadmin/race.txt:4: longitude out of range: \"1e11\"");
  EXPECT_EQ(parse("LN,3000,600,3000,10801"), "raceadmin/race.txt:4: longitude out of range: \"10801\"");
  EXPECT_EQ(parse("MK,5400,-10800"), "loaded");  // the poles and the date line are places
  EXPECT_EQ(parse("TD,100000"), "raceadmin/race.txt:4: time difference out of range: \"100000\"");
  EXPECT_EQ(parse("LG,1e300"), "raceadmin/race.txt:4: boat length out of range: \"1e300\"");
  EXPECT_EQ(parse("FT,2018/05/17 11:00:00"),
            "raceadmin/race.txt:4: the finish lies more than 7 days after the start");
  EXPECT_EQ(parse("FT,2008/05/24 10:00:00"), "loaded");
}

TEST(SenseChecks, TracksRefuseCoordinatesOffTheGlobe) {
  for (const auto& [fix, problem] : std::vector<std::pair<std::string, std::string>>{
           {Fix(20, "N9500.0000"), "gpsdat/b1.txt:12: latitude out of range: \"N9500.0000\""},
           {Fix(20, "N3512.3456", "E1000000000000.1"),
            "gpsdat/b1.txt:12: longitude out of range: \"E1000000000000.1\""},
           // Degrees that overflow to infinity once made every boat's course and speed NaN.
           {"U  DEG\r\n" + Fix(20, "N1e307", "E139.5"),
            "gpsdat/b1.txt:13: latitude out of range: \"N1e307\""}}) {
    RaceFolder r;
    r.Write("gpsdat/b1.txt", Track(10) + fix + Track(60));
    r.Parse(racetest::kRaceTimes + "BN,b1.txt,Boat 1\r\n");
    SizeTrackArrays(r.store);
    EXPECT_EQ(ErrorOf([&] { LoadAllTracks(r.store); }), problem);
  }
}

TEST(SenseChecks, CoastAndWindRefuseWhatNoChartOrCompassShows) {
  RaceFolder coast;
  coast.Write("coastline/toba.cst", "R,3000,600\r\n3000.1,600\r\n9000,600\r\n");
  EXPECT_EQ(ErrorOf([&] { LoadDefaultCoastline(coast.store); }),
            "coastline/toba.cst:3: latitude out of range: \"9000\"");

  RaceFolder wind;
  wind.Parse(racetest::kRaceTimes + "WF,wind.csv\r\n");
  wind.Write("winddat/wind.csv", "h\r\n2008/05/17 10:00:00,5,1e300\r\n");
  EXPECT_EQ(ErrorOf([&] { LoadWindFile(wind.store); }),
            "winddat/wind.csv:2: wind direction out of range: \"1e300\"");
  wind.Write("winddat/wind.csv", "h\r\n2008/05/17 10:00:00,-5,100\r\n");
  EXPECT_EQ(ErrorOf([&] { LoadWindFile(wind.store); }),
            "winddat/wind.csv:2: wind speed out of range: \"-5\"");
}

TEST(SenseChecks, WindOutOfTimeOrderIsSortedWithAWarning) {
  RaceFolder r;
  r.Parse(racetest::kRaceTimes + "WF,wind.csv\r\n");
  r.Write("winddat/wind.csv",
          "h\r\n2008/05/17 10:02:00,6,30\r\n2008/05/17 10:01:00,5,20\r\n"
          "2008/05/17 10:00:00,4,10\r\n2008/05/17 10:01:00,7,25\r\n");
  LoadWindFile(r.store);
  const RaceStore& s = r.store;
  ASSERT_EQ(s.windCount, 4);
  EXPECT_EQ(std::vector<double>(s.windTime.begin() + 1, s.windTime.begin() + 5),
            (std::vector<double>{0, 60, 60, 120}));
  EXPECT_EQ(std::vector<int>(s.windDir.begin() + 1, s.windDir.begin() + 5),
            (std::vector<int>{10, 20, 25, 30}));
  EXPECT_EQ(s.windSpeed[4], 6);
  EXPECT_EQ(testsupport::WarningTexts(s),
            std::vector<std::string>{"winddat/wind.csv: wind samples out of time order; sorted by time"});
}

}  // namespace
}  // namespace race
