// The race definition reader: records, derived fields, capacities, unsafe names and malformed records.
#include <gtest/gtest.h>

#include "RaceFolder.h"
#include "race/DateTime.h"
#include "race/InputError.h"
#include "race/RaceFile.h"
#include "race/TrackLoader.h"

namespace race {
namespace {

using racetest::RaceFolder;

TEST(RaceFile, BoatRecordsReadOffsetAndShownFlagAndKeepMissingFilesForTheTrackLoadToName) {
  RaceFolder r;
  r.Write("gpsdat/a.txt", "");
  r.Write("gpsdat/B.TXT", "");  // made on Windows: the race file names it in lower case
  r.Parse("BN,a.txt,Alpha\r\nBN,missing.txt,Ghost\r\nBN,b.txt,Bravo,30,x\r\n");
  const RaceStore& s = r.store;
  ASSERT_EQ(s.boatCount, 3);
  EXPECT_EQ(s.boatName[1], "Alpha");
  EXPECT_EQ(s.boatTimeOffset[1], 0);
  EXPECT_EQ(s.boatShown[1], 1);
  EXPECT_EQ(s.boatFile[2], "missing.txt");
  EXPECT_EQ(s.boatFile[3], "b.txt");
  EXPECT_EQ(s.boatName[3], "Bravo");
  EXPECT_EQ(s.boatTimeOffset[3], 30);
  EXPECT_EQ(s.boatShown[3], 0);
  EXPECT_TRUE(s.warnings.empty());
}

TEST(RaceFile, NamesThatLeaveTheirFolderCountAsMissing) {
  RaceFolder r;
  r.Write("gpsdat/sub/a.txt", "");
  r.Write("outside.txt", "");
  r.Write("winddat/sub/w.csv", "h\r\n");
  r.Write("attachment/ok.pdf", "");
  r.Parse(
      "BN,sub/a.txt,A\r\nBN,../outside.txt,B\r\nBN,sub\\a.txt,C\r\nBN,/etc/hosts,D\r\nBN,..,E\r\n"
      "AT,../outside.txt\r\nAT,c:ok.pdf\r\nAT,ok.pdf\r\nMAP,a,../b,c/d,e\r\n");
  ASSERT_EQ(r.store.attachmentCount, 1);
  EXPECT_EQ(r.store.attachment[1], "ok.pdf");
  ASSERT_EQ(r.store.mapImageCount, 2);
  EXPECT_EQ(r.store.mapImage[2], "e");
  // The boats' files are never looked for outside gpsdat: each is named as missing and dropped.
  SizeTrackArrays(r.store);
  LoadAllTracks(r.store);
  EXPECT_EQ(r.store.boatCount, 0);
  EXPECT_EQ(r.store.droppedBoatCount, 5);
  ASSERT_EQ(r.store.warnings.size(), 5u);
  EXPECT_EQ(WarningText(r.store.warnings[3]),
            "boat D: track file \"/etc/hosts\" not found in gpsdat; the boat is left out");
}

TEST(RaceFile, DerivedTimesAndTimeline) {
  RaceFolder r;
  r.Parse("ST,2008/05/17 10:00:00\r\nFT,2008/05/17 12:30:00\r\nTD,9\r\nBT,0\r\n");
  const RaceStore& s = r.store;
  EXPECT_EQ(s.preStartSeconds, 180);
  EXPECT_EQ(s.timelineStart, -190);
  EXPECT_EQ(s.timelineEnd, 9030);
  EXPECT_DOUBLE_EQ(s.startTimeGps, *EncodeDateTime(2008, 5, 17, 1));
  EXPECT_DOUBLE_EQ(s.finishTimeGps, *EncodeDateTime(2008, 5, 17, 3, 30));
  EXPECT_DOUBLE_EQ(s.raceDate, *EncodeDateTime(2008, 5, 17));

  r.Parse("ST,2008/05/17 10:00:00\r\nFT,2008/05/17 09:50:00\r\nBT,5\r\n");
  EXPECT_EQ(r.store.preStartSeconds, 300);
  EXPECT_EQ(r.store.timelineStart, -310);
  EXPECT_EQ(r.store.timelineEnd, -600 + 30);
  EXPECT_EQ(r.store.timeDifferenceHours, 9);  // not mentioned: kept from the race before
}

TEST(RaceFile, CaptionFromTitlesOrFileName) {
  RaceFolder r;
  r.Parse("T1,Spring Cup\r\nT2,Race 3\r\n");
  EXPECT_EQ(r.store.raceCaption, "Regatix  Spring Cup     Race 3     ");
  r.Parse("T1,X\r\n", "short.txt");
  EXPECT_EQ(r.store.title2, "");  // reset at each parse
  EXPECT_EQ(r.store.raceCaption, "Regatix  short.txt       ");
  r.Parse("T1,\r\nT2\r\nNOTE\r\nFLG,\r\n", "empty.txt");  // texts without their text are empty
  EXPECT_EQ(r.store.title1, "");
  EXPECT_EQ(r.store.raceNote, "");
  EXPECT_EQ(r.store.flagText, "");
  EXPECT_EQ(r.store.raceCaption, "Regatix  empty.txt       ");
}

TEST(RaceFile, CourseMarksLinesAndSingleValues) {
  RaceFolder r;
  r.Parse(
      "MK,,2100.5\r\nMK,2100.25,8197.5\r\nLN,1,2,3,4\r\nCRS,L1,MK1\r\nCRS,L1,MK2,,L1\r\nLL,45,150\r\n"
      "MG,-7.5\r\nLG,3.5\r\nWD,340\r\nNU,1\r\nWF,wind.csv\r\nbn,x,y\r\n\r\nXX,1\r\nNOTE,a note\r\n");
  const RaceStore& s = r.store;
  ASSERT_EQ(s.markCount, 2);
  EXPECT_EQ(s.markLat[1], 0);
  EXPECT_EQ(s.markLon[1], 2100.5);
  EXPECT_EQ(s.markLat[2], 2100.25);
  ASSERT_EQ(s.lineCount, 1);
  EXPECT_EQ(s.lineLon2[1], 4);
  ASSERT_EQ(s.courseCount, 4);  // the second CRS replaces the first
  EXPECT_EQ(s.courseMark[2], "MK2");
  EXPECT_EQ(s.courseMark[3], "0");
  EXPECT_EQ(s.layAngle1, 45);
  EXPECT_EQ(s.layAngle2, 150);
  EXPECT_EQ(s.magneticVariation, -7.5);
  EXPECT_EQ(s.boatLength, 3.5);
  EXPECT_EQ(s.windDirection, 340);
  EXPECT_EQ(s.northUp, 1);
  EXPECT_EQ(s.windFile, "wind.csv");
  EXPECT_EQ(s.raceNote, "a note");
}

TEST(RaceFile, CapacitiesKeepTheFirstEntries) {
  RaceFolder r;
  std::string text;
  for (int i = 1; i <= 210; ++i) {
    r.Write("gpsdat/b" + std::to_string(i) + ".txt", "");
    text += "BN,b" + std::to_string(i) + ".txt,Boat " + std::to_string(i) + "\r\n";
  }
  for (int i = 1; i <= 25; ++i) text += "MK," + std::to_string(i) + ",1\r\n";
  for (int i = 1; i <= 12; ++i) text += "LN," + std::to_string(i) + ",1,2,3\r\n";
  for (int i = 1; i <= 12; ++i) {
    r.Write("attachment/a" + std::to_string(i), "");
    text += "AT,a" + std::to_string(i) + "\r\n";
  }
  text += "CRS";
  for (int i = 1; i <= 25; ++i) text += ",MK" + std::to_string(i);
  text += "\r\nMAP,1,2,3,4,5,6,7,8,9,10,11,12\r\n";
  r.Parse(text);
  const RaceStore& s = r.store;
  EXPECT_EQ(s.boatCount, kMaxBoats);
  EXPECT_EQ(s.boatName[200], "Boat 200");
  ASSERT_EQ(s.warnings.size(), 1u);  // the boats beyond the capacity are named, never silently lost
  EXPECT_EQ(WarningText(s.warnings[0]), "the race file names 210 boats; only the first 200 are read");
  EXPECT_EQ(s.markCount, 20);
  EXPECT_EQ(s.markLat[20], 20);
  EXPECT_EQ(s.lineCount, 10);
  EXPECT_EQ(s.attachmentCount, 10);
  EXPECT_EQ(s.courseCount, 19);
  EXPECT_EQ(s.courseMark[19], "MK19");
  EXPECT_EQ(s.mapImageCount, 10);
}

TEST(RaceFile, ShortRecordsAndMalformedValuesNameFileAndLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"BN,a.txt", "raceadmin/race.txt:2: BN record has 2 fields, needs 3"},
      {"MK,1", "raceadmin/race.txt:2: MK record has 2 fields, needs 3"},
      {"LN,1,2,3", "raceadmin/race.txt:2: LN record has 4 fields, needs 5"},
      {"LL,45", "raceadmin/race.txt:2: LL record has 2 fields, needs 3"},
      {"ST", "raceadmin/race.txt:2: ST record has 1 fields, needs 2"},
      {"ST,2008/13/01 10:00", "raceadmin/race.txt:2: not a date: \"2008/13/01 10:00\""},
      {"TD,9.5", "raceadmin/race.txt:2: not an integer: \"9.5\""},
      {"MK,N35x2.1,1", "raceadmin/race.txt:2: not a number: \"N35x2.1\""},
  };
  for (const auto& [record, message] : cases) {
    RaceFolder r;
    r.Write("gpsdat/a.txt", "");
    r.Write("raceadmin/race.txt", std::string("T1,Before\r\n") + record + "\r\nT2,After\r\n");
    try {
      ParseRaceFile(r.store, r.store.programFolder + "raceadmin/race.txt");
      ADD_FAILURE() << "no error for " << record;
    } catch (const InputError& e) {
      EXPECT_STREQ(e.what(), message);
    }
    EXPECT_EQ(r.store.title1, "Before");  // set before the failing line
    EXPECT_EQ(r.store.title2, "");
  }
}

TEST(RaceFile, ShiftJisFileGivesUtf8BoatNames) {
  RaceFolder r;
  r.Write("gpsdat/a.txt", "");
  // T1 "春季レース" and a boat named "さくら" in Shift-JIS.
  r.Parse("T1,\x8F\x74\x8B\x47\x83\x8C\x81\x5B\x83\x58\r\nBN,a.txt,\x82\xB3\x82\xAD\x82\xE7\r\n");
  ASSERT_EQ(r.store.boatCount, 1);
  EXPECT_EQ(r.store.boatName[1], "\xE3\x81\x95\xE3\x81\x8F\xE3\x82\x89");
  EXPECT_EQ(r.store.title1, "\xE6\x98\xA5\xE5\xAD\xA3\xE3\x83\xAC\xE3\x83\xBC\xE3\x82\xB9");
}

TEST(RaceFile, MissingFileChangesOnlyThePreStart) {
  RaceFolder r;
  r.store.boatCount = 3;
  r.store.title1 = "Old";
  r.store.preStartSeconds = 600;
  ParseRaceFile(r.store, r.store.programFolder + "raceadmin/none.txt");
  EXPECT_EQ(r.store.boatCount, 3);
  EXPECT_EQ(r.store.title1, "Old");
  EXPECT_EQ(r.store.preStartSeconds, 180);
}

}  // namespace
}  // namespace race
