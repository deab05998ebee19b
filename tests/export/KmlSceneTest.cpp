// The present-scene export: every line of a small scene, both languages, the wake and the focus rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "KmlFixture.h"
#include "XmlCheck.h"
#include "export/KmlExport.h"

namespace kmltest {
namespace {

class PresentScene : public ::testing::Test {
 protected:
  PresentScene() {
    AddBoat(store, "Alpha", "FFFF0000", {-20, 0, 20, 40, 60});
    AddBoat(store, "Bravo", "FF00FF00", {-20, 0, 20, 40, 60}, 0);
    scene = EmptyScene(store);
    Activate(1, 3, 2101.95, 8341.0, 6.245, 356);
    options.iconFolder = "/opt/regatix/ya/";
  }
  void Activate(int b, int lastFix, double lat, double lon, double speed, double course) {
    scene.boatActive[b] = 1;
    scene.lastFixIndex[b] = lastFix;
    scene.curLat[b] = lat, scene.curLon[b] = lon, scene.curSpeed[b] = speed, scene.curCourse[b] = course;
  }
  race::RaceStore store = SmallRace();
  view::FrameState scene;
  double raceTime = 30.4;  // D is the start plus Round(30.4) = 30 s
  kml::KmlOptions options;
};

TEST_F(PresentScene, WritesEveryLineOfTheScene) {
  const std::vector<std::string> expected = {
      R"(<?xml version="1.0" encoding="UTF-8"?>)",
      R"(<kml xmlns="http://earth.google.com/kml/2.0">)",
      "<Folder>",
      "<name> Spring Cup</name><open>1</open>",
      "<Folder><name>10:30:30</name>",
      "<Placemark><name>Alpha</name>",
      "<Style><LineStyle><color>FFFF0000</color><width>2</width></LineStyle></Style>",
      "<LineString><coordinates>",
      "139.015,35.03,0.0 ",  // the wake runs from the current fix back to fix 1
      "139.01,35.02,0.0 ",
      "139.005,35.01,0.0 ",
      "</coordinates></LineString></Placemark>",
      "<Placemark><name>Alpha</name>",
      R"(<description><![CDATA[<ul type="disk"><li>Date Time：2008/05/17 10:30:30<br>)",
      "<li>LAT： 35.0325 DEG<br>",
      "<li>LON： 139.016666666667 DEG<br>",
      "<li>BSP： 6.25 KTS<br>",
      "<li>HDG： 356 DEG(T)<br>",
      "</ul>]]></description>",
      "<visibility>1</visibility><Style><IconStyle><Icon>",
      "<href>/opt/regatix/ya/ar0.png</href></Icon></IconStyle></Style>",  // 356 degrees: the 0 arrow
      "<Point><coordinates>139.016666666667,35.0325,0</coordinates>",
      "</Point></Placemark>",
      "</Folder></Folder></kml>",
  };
  const std::string text = SceneText(store, scene, raceTime, options);
  EXPECT_EQ(Lines(text), expected);
  EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(ParseKml(text).error, "");
}

TEST_F(PresentScene, JapaneseDescriptionAndIconRounding) {
  options.englishTexts = 0;
  scene.curCourse[1] = 354.9;
  const auto lines = Lines(SceneText(store, scene, raceTime, options));
  ASSERT_EQ(lines.size(), 24u);
  const std::vector<std::string> description(lines.begin() + 13, lines.begin() + 21);
  const std::vector<std::string> expected = {
      R"(<description><![CDATA[<ul type="disk"><li>日時：2008/05/17 10:30:30<br>)",
      "<li>緯度： 35.0325度<br>",
      "<li>経度： 139.016666666667度<br>",
      "<li>速度： 6.25ノット<br>",
      "<li>針路： 354度(T)<br>",
      "</ul>]]></description>",
      "<visibility>1</visibility><Style><IconStyle><Icon>",
      "<href>/opt/regatix/ya/ar350.png</href></Icon></IconStyle></Style>",
  };
  EXPECT_EQ(description, expected);
}

TEST_F(PresentScene, WakeHoldsTheCurrentFixAndTwentyBefore) {
  std::vector<double> times;
  for (int i = 0; i < 40; ++i) times.push_back(10.0 * i);
  const int b = AddBoat(store, "Long", "FF0000FF", times);
  scene = EmptyScene(store);
  Activate(b, 30, 2118, 8349, 5, 90);
  const auto lines = Lines(SceneText(store, scene, raceTime, options));
  const auto first = std::find(lines.begin(), lines.end(), "<LineString><coordinates>");
  const auto last = std::find(first, lines.end(), "</coordinates></LineString></Placemark>");
  ASSERT_EQ(last - first - 1, 21);
  EXPECT_EQ(*(first + 1), "139.15,35.3,0.0 ");  // fix 30
  EXPECT_EQ(*(last - 1), "139.05,35.1,0.0 ");   // fix 10
}

TEST_F(PresentScene, FocusDecidesWhoIsExportedAndTheLineWidth) {
  Activate(2, 2, 2101.5, 8340.7, 5, 45);
  auto boats = ParseKml(SceneText(store, scene, raceTime, options)).placemarks;
  EXPECT_EQ(boats["10:30:30"], (std::vector<std::string>{"Alpha", "Alpha", "Bravo", "Bravo"}));
  const auto lines = Lines(SceneText(store, scene, raceTime, options));
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "<Style><LineStyle><color>FF00FF00</color><width>1</width></LineStyle></Style>"),
            lines.end());

  options.kmlHideUnfocused = 1;
  boats = ParseKml(SceneText(store, scene, raceTime, options)).placemarks;
  EXPECT_EQ(boats["10:30:30"], (std::vector<std::string>{"Alpha", "Alpha"}));

  scene.boatActive[1] = 0;  // outside its track: left out whatever the focus
  options.kmlHideUnfocused = 0;
  boats = ParseKml(SceneText(store, scene, raceTime, options)).placemarks;
  EXPECT_EQ(boats["10:30:30"], (std::vector<std::string>{"Bravo", "Bravo"}));
}

TEST_F(PresentScene, StaleFixIndexPastTheTrackStaysInside) {
  scene.lastFixIndex[1] = 99;  // left over from a longer race
  const auto lines = Lines(SceneText(store, scene, raceTime, options));
  EXPECT_EQ(lines[8], "139.025,35.05,0.0 ");  // the last fix there is
}

}  // namespace
}  // namespace kmltest
