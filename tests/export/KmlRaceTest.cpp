// The whole-race export: every line of a small race, the snapshot rules, hostile texts and the file.
#include <gtest/gtest.h>

#include <algorithm>

#include "KmlFixture.h"
#include "XmlCheck.h"
#include "export/KmlExport.h"
#include "support/TempFolder.h"

namespace kmltest {
namespace {

class WholeRace : public ::testing::Test {
 protected:
  WholeRace() {
    AddBoat(store, "Alpha", "80FF0000", {-30, -10, 10, 30, 50});
    AddMarkAndLine(store);
    options.iconFolder = "/opt/regatix/ya/";
  }
  race::RaceStore store = SmallRace();
  kml::KmlOptions options;
};

std::vector<std::string> Buoy(const std::string& name, const std::string& coordinates) {
  return {"<Placemark><name>" + name + "</name>", "<visibility>1</visibility><Style><IconStyle><Icon>",
          "<href>/opt/regatix/ya/buoi.png</href></Icon></IconStyle></Style>",
          "<Point><coordinates>" + coordinates + ",0</coordinates>", "</Point></Placemark>"};
}

TEST_F(WholeRace, WritesEveryLineOfTheRace) {
  std::vector<std::string> expected = {
      R"(<?xml version="1.0" encoding="UTF-8"?>)",
      R"(<kml xmlns="http://earth.google.com/kml/2.0">)",
      "<Folder>",
      "<name> Spring Cup</name><open>1</open>",
      "<Folder><name>Track Lines</name>",
      "<Placemark><name>Alpha</name>",
      "<Style><LineStyle><color>80FF0000</color><width>2</width></LineStyle></Style>",
      "<LineString><coordinates>",
      "139.005,35.01,0.0 ",
      "139.01,35.02,0.0 ",
      "139.015,35.03,0.0 ",
      "139.02,35.04,0.0 ",
      "139.025,35.05,0.0 ",
      "</coordinates></LineString></Placemark>",
      "</Folder>",
      "<Folder><name>POINTS</name>",
      "<visibility>0</visibility>",
      "<open>1</open>",
      // A 400 s time line: snapshots every 300 s, at 0, 300 and 600 s.
      "<Folder><name>2008/05/17 10:30:00</name>",
      "<Placemark><name>Alpha</name>",
      R"(<description><![CDATA[<ul type="disk"><li>Date Time：2008/05/17 10:30:00<br>)",
      "<li>LAT： 35.025 DEG<br>",  // halfway from fix 2 (-10 s) to fix 3 (10 s)
      "<li>LON： 139.0125 DEG<br>",
      "<li>BSP： 5.3 KTS<br>",  // speed and course of fix 3
      "<li>HDG： 30 DEG(T)<br>",
      "</ul>]]></description>",
      "<visibility>1</visibility><Style><IconStyle><Icon>",
      "<href>/opt/regatix/ya/ar30.png</href></Icon></IconStyle></Style>",
      "<Point><coordinates>139.0125,35.025,0</coordinates>",
      "</Point></Placemark>",
      "</Folder>",
      "<Folder><name>2008/05/17 10:35:00</name>",
      "</Folder>",
      "<Folder><name>2008/05/17 10:40:00</name>",
      "</Folder>",
      "</Folder>",
      "<Folder><name>MARK_LINES</name>",
  };
  for (const auto& part : {Buoy("MK1", "139.1,35.1"),
                           {"<Placemark><name>line1</name>",
                            "<Style><LineStyle><color>ffFF0000</color><width>1</width></LineStyle></Style>",
                            "<LineString><coordinates>", "138.9,34.9,0.0 ", "138.95,34.9,0.0 ",
                            "</coordinates></LineString></Placemark>"},
                           Buoy("LINE1-P", "138.9,34.9"),
                           Buoy("LINE1-S", "138.95,34.9"),
                           {"</Folder>", "</Folder></kml>"}}) {
    expected.insert(expected.end(), part.begin(), part.end());
  }
  const std::string text = RaceText(store, options);
  EXPECT_EQ(Lines(text), expected);
  EXPECT_EQ(ParseKml(text).error, "");
}

TEST(SnapshotRule, IntervalAndCountFollowTheTimeLine) {
  EXPECT_EQ(kml::SnapshotInterval(7200), 300);  // n = 144
  EXPECT_EQ(kml::SnapshotCount(7200), 26);      // 0, 300 ... 7500
  EXPECT_EQ(kml::SnapshotInterval(14999), 300);
  EXPECT_EQ(kml::SnapshotInterval(15000), 600);  // n = 300
  EXPECT_EQ(kml::SnapshotInterval(29999), 600);
  EXPECT_EQ(kml::SnapshotInterval(30000), 1200);
  EXPECT_EQ(kml::SnapshotInterval(60000), 1800);
  EXPECT_EQ(kml::SnapshotInterval(90000), 3600);
  EXPECT_EQ(kml::SnapshotCount(28830), 50);  // an 8-hour race: S = 600, Round(48.05) + 1 = 49
  EXPECT_EQ(kml::SnapshotCount(450), 4);     // Round(1.5) is 2 (halves to even)
  EXPECT_EQ(kml::SnapshotCount(-5000), 0);
}

TEST_F(WholeRace, SnapshotsOfA7200SecondRaceAndBoatsOnlyInsideTheirTracks) {
  store.timelineEnd = 7200;
  std::vector<double> times;
  for (int t = 0; t <= 7000; t += 100) times.push_back(t);
  AddBoat(store, "Bravo", "FF00FF00", times);
  const std::string text = RaceText(store, options);
  const auto lines = Lines(text);
  EXPECT_EQ(
      std::count_if(lines.begin(), lines.end(),
                    [](const std::string& line) { return line.rfind("<Folder><name>2008/05/17", 0) == 0; }),
      26);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "<Folder><name>2008/05/17 12:35:00</name>"), lines.end());
  const auto parsed = ParseKml(text);
  ASSERT_EQ(parsed.error, "");
  size_t folders = 0;
  for (const auto& [name, boats] : parsed.placemarks) {
    if (name.rfind("2008/05/17", 0) != 0) continue;
    ++folders;
    // Bravo is there while t < 6900 (the last bracket searched ends at its last-but-one fix); Alpha only at
    // 0.
    const std::vector<std::string> expected = name == "2008/05/17 10:30:00"
                                                  ? std::vector<std::string>{"Alpha", "Bravo"}
                                                  : std::vector<std::string>{"Bravo"};
    EXPECT_EQ(boats, expected) << name;
    EXPECT_LT(name, "2008/05/17 12:25:00");
  }
  EXPECT_EQ(folders, 23u);  // of the 26 snapshots, 6900, 7200 and 7500 s find no boat
  EXPECT_EQ(parsed.placemarks.at("Track Lines"), (std::vector<std::string>{"Alpha", "Bravo"}));
}

TEST_F(WholeRace, TwoFixesInTheSameWholeSecondGiveTheFirstPlace) {
  store = SmallRace();
  AddBoat(store, "Alpha", "80FF0000", {-10, 299.6, 300.4, 320, 340});
  const auto lines = Lines(RaceText(store, options));
  const auto at = std::find(lines.begin(), lines.end(), "<Folder><name>2008/05/17 10:35:00</name>");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at + 3), "<li>LAT： 35.02 DEG<br>");  // fix 2, not a division by zero
  EXPECT_EQ(*(at + 5), "<li>BSP： 5.3 KTS<br>");
}

TEST_F(WholeRace, TimesRunningBackwardsGiveTheFirstBracketingFix) {
  store = SmallRace();
  // At 300 s both fixes 1-2 (100 .. 400) and fixes 3-4 (200 .. 350) bracket the snapshot: the first counts.
  AddBoat(store, "Alpha", "80FF0000", {100, 400, 200, 350, 900, 1000});
  const auto lines = Lines(RaceText(store, options));
  const auto at = std::find(lines.begin(), lines.end(), "<Folder><name>2008/05/17 10:35:00</name>");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at + 5), "<li>BSP： 5.2 KTS<br>");  // fix 2's speed, not fix 4's
}

TEST_F(WholeRace, HostileTextsStillGiveAWellFormedDocument) {
  const std::string hostile = "A&B <x> ]]>";
  store.boatName[1] = hostile;
  store.raceCaption = "Regatix  <Cup> & \"Co\" ]]>.";
  store.kmlColour[1] = "80FF<00";
  options.iconFolder = "/home/a&b/<ya>/";
  options.dateTimeText = [](race::TDateTime) { return std::string("17/05/2008 ]]> 10:30 <b>"); };
  for (int english : {2, 0}) {
    options.englishTexts = english;
    for (const std::string& text :
         {RaceText(store, options), SceneText(store, EmptyScene(store), 0, options)}) {
      const auto parsed = ParseKml(text);
      ASSERT_EQ(parsed.error, "") << text;
    }
    const auto parsed = ParseKml(RaceText(store, options));
    EXPECT_EQ(parsed.placemarks.at("Track Lines"), std::vector<std::string>{hostile});
    EXPECT_EQ(parsed.placemarks.at("17/05/2008 ]]> 10:30 <b>"), std::vector<std::string>{hostile});
    ASSERT_FALSE(parsed.descriptions.empty());
    EXPECT_NE(parsed.descriptions[0].find("17/05/2008 ]]> 10:30 <b><br>"), std::string::npos);
  }
}

TEST_F(WholeRace, HidingUnfocusedBoatsLeavesTheirTracksAndPointsOut) {
  AddBoat(store, "Bravo", "FF00FF00", {-30, -10, 10, 30, 50}, 0);
  auto parsed = ParseKml(RaceText(store, options));
  EXPECT_EQ(parsed.placemarks.at("Track Lines"), (std::vector<std::string>{"Alpha", "Bravo"}));
  options.kmlHideUnfocused = 1;
  parsed = ParseKml(RaceText(store, options));
  EXPECT_EQ(parsed.placemarks.at("Track Lines"), std::vector<std::string>{"Alpha"});
  EXPECT_EQ(parsed.placemarks.at("2008/05/17 10:30:00"), std::vector<std::string>{"Alpha"});
}

TEST_F(WholeRace, FileIsWrittenWithoutByteOrderMarkOrReportsWhyNot) {
  testsupport::TempFolder folder;
  const std::string path = folder.folder() + "ZELMap5.kml";
  folder.Write("ZELMap5.kml", std::string(100000, 'x'));  // an older, longer export is replaced whole
  EXPECT_EQ(kml::ExportWholeRace(path, store, options), "");
  EXPECT_EQ(testsupport::ReadFile(path), RaceText(store, options));

  const std::string missing = folder.folder() + "no such folder/ZELMap5.kml";
  EXPECT_EQ(kml::ExportWholeRace(missing, store, options), "No such file or directory");
  EXPECT_EQ(kml::ExportPresentScene(missing, store, EmptyScene(store), 0, options),
            "No such file or directory");
}

}  // namespace
}  // namespace kmltest
