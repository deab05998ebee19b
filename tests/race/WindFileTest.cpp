// The wind data reader: sample times from the gun, rounded directions, missing and malformed files.
#include <gtest/gtest.h>

#include "RaceFolder.h"
#include "race/InputError.h"
#include "race/WindFile.h"

namespace race {
namespace {

using racetest::RaceFolder;

void WindRace(RaceFolder& r, const std::string& windText) {
  r.Write("winddat/wind.csv", windText);
  r.Parse(racetest::kRaceTimes + "WF,wind.csv\r\n");
}

TEST(WindFile, SamplesAreRaceSecondsFromTheGunWithWholeDirections) {
  // Local time, as the race file's: the gun is 10:00.
  RaceFolder r;
  WindRace(r, "time,speed,dir\r\n2008/05/17 09:55:00,4.5,220.5\n2008/05/17 10:00:01,5,221.5\r\n\r\n"
                          "2008/05/17 10:10:00,6.25,359.4,extra\r");
  LoadWindFile(r.store);
  const RaceStore& s = r.store;
  ASSERT_EQ(s.windCount, 3);
  EXPECT_EQ(s.windTime[1], -300);
  EXPECT_EQ(s.windSpeed[1], 4.5);
  EXPECT_EQ(s.windDir[1], 220);
  EXPECT_EQ(s.windTime[2], 1);
  EXPECT_EQ(s.windDir[2], 222);
  EXPECT_EQ(s.windTime[3], 600);
  EXPECT_EQ(s.windDir[3], 359);
  EXPECT_GE(s.windTime.size(), 5u);  // two entries beyond the last sample
  EXPECT_EQ(s.windFile, "wind.csv");
}

TEST(WindFile, MissingFileEmptiesTheNameAndHeaderOnlyFileIsPresent) {
  RaceFolder missing;
  missing.Parse(racetest::kRaceTimes + "WF,nowhere.csv\r\n");
  LoadWindFile(missing.store);
  EXPECT_EQ(missing.store.windCount, 0);
  EXPECT_EQ(missing.store.windFile, "");

  RaceFolder unsafe;
  unsafe.Write("wind.csv", "h\r\n2008/05/17 10:00:00,1,1\r\n");
  unsafe.Parse(racetest::kRaceTimes + "WF,../wind.csv\r\n");
  LoadWindFile(unsafe.store);
  EXPECT_EQ(unsafe.store.windCount, 0);
  EXPECT_EQ(unsafe.store.windFile, "");

  RaceFolder header;
  WindRace(header, "time,speed,dir\r\n");
  LoadWindFile(header.store);
  EXPECT_EQ(header.store.windCount, 0);
  EXPECT_EQ(header.store.windFile, "wind.csv");
}

TEST(WindFile, MalformedSampleStopsTheReadKeepingEarlierSamples) {
  const std::pair<const char*, const char*> cases[] = {
      {"2008/05/17 10:01:00,fast,200", "winddat/wind.csv:3: not a number: \"fast\""},
      {"2008/05/17 10:01:00,3", "winddat/wind.csv:3: wind sample needs time, speed and direction"},
      {"17/5/2008 10:01 pm,3,200", "winddat/wind.csv:3: not a date: \"17/5/2008 10:01 pm\""},
  };
  for (const auto& [line, message] : cases) {
    RaceFolder r;
  WindRace(r, std::string("h\r\n2008/05/17 10:00:00,1,1\r\n") + line + "\r\n2008/05/17 10:02:00,1,1\r\n");
    try {
      LoadWindFile(r.store);
      ADD_FAILURE() << "no error for " << line;
    } catch (const InputError& e) {
      EXPECT_STREQ(e.what(), message);
    }
    EXPECT_EQ(r.store.windCount, 1);
  }
}

}  // namespace
}  // namespace race
