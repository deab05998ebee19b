// Boat colours by slot, and the race catalogue with the choice of the race shown first.
#include <gtest/gtest.h>

#include "RaceFolder.h"
#include "race/BoatColours.h"
#include "race/RaceCatalogue.h"

namespace race {
namespace {

constexpr Colour Rgb(unsigned r, unsigned g, unsigned b) {
  return r | (g << 8) | (b << 16);
}

TEST(BoatColours, FifteenColoursRepeatByBoatSlot) {
  RaceStore s;
  s.boatCount = 3;
  SetBoatColours(s);
  EXPECT_EQ(s.boatColour[1], Rgb(255, 0, 0));
  EXPECT_EQ(s.boatColour[2], Rgb(0, 0, 255));
  EXPECT_EQ(s.boatColour[3], Rgb(0, 128, 0));
  EXPECT_EQ(s.kmlColour[1], "FFFF0000");
  EXPECT_EQ(s.kmlColour[2], "FF00FF00");
  EXPECT_EQ(s.kmlColour[3], "FF0000FF");
  EXPECT_EQ(s.layColourPort, Rgb(225, 128, 128));
  EXPECT_EQ(s.layColourStarboard, Rgb(0, 225, 0));
  EXPECT_EQ(s.windAxisColour, Rgb(98, 162, 225));

  s.boatCount = 51;
  SetBoatColours(s);
  EXPECT_EQ(s.boatColour[17], s.boatColour[2]);
  EXPECT_EQ(s.kmlColour[17], "FF00FF00");
  EXPECT_EQ(s.kmlColour[20], "FFFF00FF");
  EXPECT_EQ(s.kmlColour[31], "FFFF0000");
  EXPECT_EQ(s.boatColour[51], Rgb(0, 128, 128));
  EXPECT_EQ(s.kmlColour[51], "FFFFFF00");
}

TEST(RaceCatalogue, RacesAreListedByNameAndTheSettingsFilePicksTheFirst) {
  racetest::RaceFolder r;
  for (const char* name : {"b-race.txt", "A-race.TXT", "c-race.txt", "notes.doc", "racefile.st"}) {
    r.Write(std::string("raceadmin/") + name, "T1,x\r\n");
  }
  r.Write("raceadmin/folder.txt/inner.txt", "");
  RaceCatalogue catalogue;
  BuildRaceList(catalogue, r.store.programFolder);
  ASSERT_EQ(catalogue.raceListCount, 3);
  EXPECT_EQ(catalogue.raceList[1], "A-race.TXT");
  EXPECT_EQ(catalogue.raceList[3], "c-race.txt");

  r.Write("raceadmin/racefile.st", "C-RACE.txt\r\nignored\r\n");
  ASSERT_TRUE(ChooseFirstRace(catalogue, r.store));
  EXPECT_EQ(r.store.raceFilePath, r.store.programFolder + "raceadmin/c-race.txt");
  EXPECT_EQ(catalogue.raceIndex, 3);
}

TEST(RaceCatalogue, WithoutUsableSettingsTheFirstRaceAndNoPartialNameMatches) {
  racetest::RaceFolder r;
  r.Write("raceadmin/ace1.txt", "");
  r.Write("raceadmin/race1.txt", "");
  RaceCatalogue catalogue;
  BuildRaceList(catalogue, r.store.programFolder);
  ASSERT_TRUE(ChooseFirstRace(catalogue, r.store));
  EXPECT_EQ(catalogue.raceIndex, 1);
  r.Write("raceadmin/racefile.st", "race1.txt");
  ASSERT_TRUE(ChooseFirstRace(catalogue, r.store));
  EXPECT_EQ(catalogue.raceIndex, 2);  // "ace1.txt" is part of the name but not the race

  // A settings file that names no race of the folder (a path, nothing, a missing race) leaves the choice to
  // the catalogue, so start-up still shows a race.
  for (const char* settings : {"../race1.txt\r\n", "", "/etc/passwd", "gone.txt"}) {
    r.Write("raceadmin/racefile.st", settings);
    ASSERT_TRUE(ChooseFirstRace(catalogue, r.store)) << settings;
    EXPECT_EQ(r.store.raceFilePath, r.store.programFolder + "raceadmin/ace1.txt") << settings;
  }

  racetest::RaceFolder empty;
  RaceCatalogue none;
  BuildRaceList(none, empty.store.programFolder);
  EXPECT_EQ(none.raceListCount, 0);
  EXPECT_FALSE(ChooseFirstRace(none, empty.store));
}

}  // namespace
}  // namespace race
