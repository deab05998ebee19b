// The race with time (timed KML) and the race as GPX: times in UTC, a point per kept fix, hostile names,
// and GPX read back by the program's own reader to the same fixes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "KmlFixture.h"
#include "XmlCheck.h"
#include "export/GpxExport.h"
#include "export/KmlExport.h"
#include "export/KmlText.h"
#include "race/DateTime.h"
#include "race/GpxTrackReader.h"
#include "race/TrackFix.h"

namespace kmltest {
namespace {

class RaceWithTime : public ::testing::Test {
 protected:
  RaceWithTime() {
    // The gun at 10:30 Japan time is 01:30 UTC.
    store.timeDifferenceHours = 9;
    store.startTimeGps = store.startTime - 9 / 24.0;
    AddBoat(store, "Alpha", "80FF0000", {-30, -10, 10, 30, 50});
    AddBoat(store, "B&B <\"fast\"> \xff", "FF00FF00", {0, 2, 4}, 0);
    AddMarkAndLine(store);
    options.iconFolder = "/opt/regatix/ya/";
  }
  std::string TimedText() const {
    std::ostringstream out;
    kml::WriteTimedRace(out, store, options);
    return out.str();
  }
  std::string GpxText() const {
    std::ostringstream out;
    gpx::WriteRaceGpx(out, store);
    return out.str();
  }
  race::RaceStore store = SmallRace();
  kml::KmlOptions options;
};

std::vector<std::string> Matching(const std::vector<std::string>& lines, std::string_view start) {
  std::vector<std::string> found;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
               [&](const std::string& line) { return line.starts_with(start); });
  return found;
}

TEST_F(RaceWithTime, EachBoatIsATrackWithAUtcTimeAndAPlacePerFix) {
  const std::string text = TimedText();
  const ParsedKml parsed = ParseKml(text);
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.placemarks.at("Boats"),
            (std::vector<std::string>{"Alpha", "B&B <\"fast\"> \xef\xbf\xbd"}));
  EXPECT_EQ(parsed.placemarks.at("MARK_LINES"),
            (std::vector<std::string>{"MK1", "line1", "LINE1-P", "LINE1-S"}));

  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ(lines[1],
            R"(<kml xmlns="http://www.opengis.net/kml/2.2" xmlns:gx="http://www.google.com/kml/ext/2.2">)");
  EXPECT_EQ(lines[3], "<name>Spring Cup</name><open>1</open>");
  const auto whens = Matching(lines, "<when>");
  ASSERT_EQ(whens.size(), 8u);
  EXPECT_EQ(whens[0], "<when>2008-05-17T01:29:30Z</when>");
  EXPECT_EQ(whens[4], "<when>2008-05-17T01:30:50Z</when>");
  EXPECT_EQ(whens[5], "<when>2008-05-17T01:30:00Z</when>");
  const auto coords = Matching(lines, "<gx:coord>");
  ASSERT_EQ(coords.size(), 8u);
  EXPECT_EQ(coords[0], "<gx:coord>139.005 35.01 0</gx:coord>");
  EXPECT_EQ(Matching(lines, "<gx:angles>")[2], "<gx:angles>30 0 0</gx:angles>");
  // The boat's colour on its icon and its line; a boat out of focus has the thin line.
  EXPECT_NE(text.find("<IconStyle><color>80FF0000</color>"), std::string::npos);
  EXPECT_NE(text.find("<LineStyle><color>FF00FF00</color><width>1</width>"), std::string::npos);
}

TEST(RaceTitle, IsTheCaptionAfterItsFirstWordUpToAPointWithBlanksTidied) {
  EXPECT_EQ(kml::RaceTitle("Regatix  Spring Cup Race 1.     "), "Spring Cup Race 1");
  // Without a point the whole rest is the title, where the older exports' document name is empty.
  EXPECT_EQ(kml::RaceTitle("Regatix  Toba Regatta 2026     Race 1  W/L     "), "Toba Regatta 2026 Race 1 W/L");
  EXPECT_EQ(kml::RaceTitle("Solo"), "Solo");
  EXPECT_EQ(kml::RaceTitle(""), "");
}

TEST_F(RaceWithTime, HidesUnfocusedBoatsWhenAskedAndSkipsBoatsWithoutFixes) {
  options.kmlHideUnfocused = 1;
  AddBoat(store, "Empty", "FF0000FF", {});
  const ParsedKml parsed = ParseKml(TimedText());
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.placemarks.at("Boats"), (std::vector<std::string>{"Alpha"}));
}

TEST_F(RaceWithTime, GpxReadsBackToTheSameFixes) {
  const std::string text = GpxText();
  const ParsedKml parsed = ParseKml(text);  // well-formed, whatever the names
  ASSERT_EQ(parsed.error, "");
  EXPECT_NE(text.find("<metadata><name>Spring Cup</name><time>2008-05-17T01:30:00Z</time></metadata>"),
            std::string::npos);
  EXPECT_NE(text.find(R"(<wpt lat="35.1" lon="139.1"><name>MK1</name></wpt>)"), std::string::npos);
  EXPECT_NE(text.find(R"(<name>LINE1-S</name>)"), std::string::npos);
  EXPECT_NE(text.find("<trk><name>B&amp;B &lt;&quot;fast&quot;&gt; \xef\xbf\xbd</name>"), std::string::npos);

  std::istringstream in(text);
  const std::vector<race::TrackFix> fixes = race::ReadGpxTrack(in, "race.gpx");
  ASSERT_EQ(fixes.size(), 8u);
  size_t k = 0;
  for (int b = 1; b <= store.boatCount; ++b) {
    for (int i = 1; i <= store.fixCount[b]; ++i, ++k) {
      EXPECT_NEAR(fixes[k].lat, store.trackLat[b][i], 1e-9) << b << ", " << i;
      EXPECT_NEAR(fixes[k].lon, store.trackLon[b][i], 1e-9) << b << ", " << i;
      EXPECT_EQ(race::SpanSeconds(store.startTimeGps, fixes[k].gpsTime), store.trackTime[b][i])
          << b << ", " << i;
    }
  }
}

TEST_F(RaceWithTime, GpxCoordinatesNeverTakeTheExponentForm) {
  // Decimal degrees near 0 are where a general number format turns to "1e-06"; xsd:decimal forbids it.
  store.trackLat[1][1] = 0.00006;
  store.trackLon[1][1] = -0.00003;
  const std::string text = GpxText();
  EXPECT_NE(text.find(R"(<trkpt lat="0.000001" lon="-0.0000005">)"), std::string::npos);
  EXPECT_EQ(text.find("e-"), std::string::npos);
}

}  // namespace
}  // namespace kmltest
