// The GPX track reader: which points it takes, how their times and positions read, and what it refuses.
#include <gtest/gtest.h>

#include <sstream>

#include "race/GpxTrackReader.h"
#include "race/InputError.h"

namespace race {
namespace {

constexpr TDateTime kMay17 = 39585;  // 2008-05-17
constexpr double kSecond = 1.0 / 86400;

std::vector<TrackFix> Read(const std::string& text) {
  std::istringstream in(text);
  return ReadGpxTrack(in, "gpsdat/a.gpx");
}

std::string ErrorOf(const std::string& text) {
  try {
    Read(text);
  } catch (const InputError& error) {
    return error.what();
  }
  return "no error";
}

TEST(GpxTrackReader, JoinsEverySegmentOfEveryTrackInFileOrderAndSkipsOtherPoints) {
  const auto fixes = Read(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gpx version=\"1.1\" creator=\"logger\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
      "<wpt lat=\"1\" lon=\"1\"><time>2008-05-17T00:00:00Z</time></wpt>\n"
      "<rte><rtept lat=\"2\" lon=\"2\"><time>2008-05-17T00:00:00Z</time></rtept></rte>\n"
      "<trk><name>a</name><trkseg>\n"
      "<trkpt lat=\"35.2\" lon=\"136.5\"><ele>3</ele><time>2008-05-17T01:00:00Z</time></trkpt>\n"
      "<trkpt lat=\"35.3\" lon=\"136.6\"><time>2008-05-17T01:00:01Z</time>\n"
      "  <extensions><x:point "
      "xmlns:x=\"urn:x\"><time>1999-01-01T00:00:00Z</time></x:point></extensions></trkpt>\n"
      "</trkseg><trkseg>\n"
      "<trkpt lon=\"-0.25\" lat=\"-12.5\"><time>2008-05-17T01:00:05Z</time></trkpt>\n"
      "</trkseg></trk>\n"
      "<trk><trkseg><trkpt lat=\"+0\" lon=\"180\"><time>2008-05-17T01:00:09Z</time></trkpt></trkseg></trk>\n"
      "</gpx>\n");
  ASSERT_EQ(fixes.size(), 4u);
  EXPECT_EQ(fixes[0].line, 6);
  EXPECT_EQ(fixes[1].line, 7);
  EXPECT_EQ(fixes[2].line, 10);
  EXPECT_EQ(fixes[3].line, 12);
  // Decimal degrees times 60, as the text form's decimal-degree coordinates.
  EXPECT_EQ(fixes[0].lat, 35.2 * 60);
  EXPECT_EQ(fixes[0].lon, 136.5 * 60);
  EXPECT_EQ(fixes[2].lat, -750);
  EXPECT_EQ(fixes[2].lon, -15);
  EXPECT_EQ(fixes[3].lon, 10800);
  EXPECT_NEAR(fixes[0].gpsTime, kMay17 + 3600 * kSecond, 1e-9);
  EXPECT_NEAR(fixes[1].gpsTime, kMay17 + 3601 * kSecond, 1e-9);  // the extension's time is not the point's
  EXPECT_NEAR(fixes[3].gpsTime, kMay17 + 3609 * kSecond, 1e-9);
}

TEST(GpxTrackReader, NamesTheBoatByItsFirstTrackElseTheFile) {
  const auto nameOf = [](const std::string& text) {
    std::istringstream in(text);
    std::string name;
    ReadGpxTrack(
        in, "a.gpx", [](const TrackFix&) {}, &name);
    return name;
  };
  const std::string point =
      "<trkseg><trkpt lat=\"1\" lon=\"1\"><time>2008-05-17T00:00:00Z</time></trkpt></trkseg>";
  EXPECT_EQ(nameOf("<gpx><metadata><name>Saturday</name></metadata><trk><name> Kaze </name>" + point +
                   "</trk><trk><name>Other</name></trk></gpx>"),
            "Kaze");
  EXPECT_EQ(nameOf("<gpx><metadata><name>Saturday</name></metadata><trk>" + point + "</trk></gpx>"),
            "Saturday");
  // A waypoint's name names no boat.
  EXPECT_EQ(nameOf("<gpx><wpt lat=\"1\" lon=\"1\"><name>Buoy</name></wpt><trk>" + point + "</trk></gpx>"),
            "");
}

TEST(GpxTrackReader, ReadsGpx10AndPrefixedNamespaces) {
  const auto v10 = Read(
      "<gpx version=\"1.0\" xmlns=\"http://www.topografix.com/GPX/1/0\"><trk><trkseg>"
      "<trkpt lat=\"1.5\" lon=\"2.5\"><time>2008-05-17T01:00:00Z</time><course>12</course><speed>3</speed>"
      "</trkpt></trkseg></trk></gpx>");
  ASSERT_EQ(v10.size(), 1u);
  EXPECT_EQ(v10[0].lat, 90);
  const auto prefixed = Read(
      "<g:gpx xmlns:g=\"http://www.topografix.com/GPX/1/1\"><g:trk><g:trkseg>"
      "<g:trkpt lat=\"1.5\" lon=\"2.5\"><g:time>2008-05-17T01:00:00Z</g:time></g:trkpt>"
      "</g:trkseg></g:trk></g:gpx>");
  ASSERT_EQ(prefixed.size(), 1u);
  EXPECT_EQ(prefixed[0].lon, 150);
}

TEST(GpxTrackReader, TimesBecomeUtcKeepingTheirFraction) {
  const TDateTime at010203 = kMay17 + (3600 + 2 * 60 + 3) * kSecond;
  const struct {
    const char* text;
    TDateTime expected;
  } cases[] = {
      {"2008-05-17T01:02:03Z", at010203},
      {"2008-05-17T01:02:03", at010203},  // no zone: UTC
      {"2008-05-17T01:02:03.000z", at010203},
      {"2008-05-17T01:02:03.25Z", at010203 + 0.25 * kSecond},
      {"2008-05-17T10:02:03+09:00", at010203},
      {"2008-05-17T10:02:03+0900", at010203},
      {"2008-05-16T23:02:03.5-02:00", at010203 + 0.5 * kSecond},
      {"2008-05-17T00:30:00+01:00", kMay17 - 1800 * kSecond},  // back across midnight
      {"2008-05-16T23:30:00-01:00", kMay17 + 1800 * kSecond},  // forward across midnight
      {"2008-02-29T00:00:00Z", kMay17 - 78},
  };
  for (const auto& c : cases) {
    const auto time = ParseGpxTime(c.text);
    ASSERT_TRUE(time) << c.text;
    EXPECT_NEAR(*time, c.expected, 1e-10) << c.text;
  }
  for (const char* bad :
       {"", "2008-05-17", "2008-05-17T01:02", "2007-02-29T00:00:00Z", "2008-05-17T24:00:00Z",
        "2008-05-17T01:02:03.Z", "2008-05-17T01:02:03+9", "2008-05-17T01:02:03+09:00x",
        "2008-05-17T01:02:03 Z", "17-05-2008T01:02:03Z", "2008-05-17T01:02:-3Z"}) {
    EXPECT_FALSE(ParseGpxTime(bad)) << bad;
  }
}

TEST(GpxTrackReader, RefusesWhatCannotBeReplayedNamingFileAndLine) {
  const std::string head = "<gpx>\n<trk>\n<trkseg>\n";
  EXPECT_EQ(ErrorOf(head + "<trkpt lat=\"1\" lon=\"2\"><ele>4</ele></trkpt>\n</trkseg></trk></gpx>"),
            "gpsdat/a.gpx:4: track point without time");
  EXPECT_EQ(ErrorOf(head + "<trkpt lat=\"1\" lon=\"2\"/>\n</trkseg></trk></gpx>"),
            "gpsdat/a.gpx:4: track point without time");
  EXPECT_EQ(
      ErrorOf(head + "<trkpt lat=\"1\" lon=\"2\">\n<time>yesterday</time></trkpt></trkseg></trk></gpx>"),
      "gpsdat/a.gpx:5: not a time: \"yesterday\"");
  EXPECT_EQ(ErrorOf(head + "<trkpt lat=\"N35\" lon=\"2\"/></trkseg></trk></gpx>"),
            "gpsdat/a.gpx:4: not a latitude: \"N35\"");
  EXPECT_EQ(ErrorOf(head + "<trkpt lat=\"1\" lon=\"200\"/></trkseg></trk></gpx>"),
            "gpsdat/a.gpx:4: not a longitude: \"200\"");
  EXPECT_EQ(ErrorOf(head + "<trkpt lat=\"1\"/></trkseg></trk></gpx>"),
            "gpsdat/a.gpx:4: track point without lon");
  EXPECT_EQ(ErrorOf(head + "<trkpt lat=\"1\" lon=\"2\">\n<time>2008-05-17T01:00:00Z</trkpt>"),
            "gpsdat/a.gpx:5: malformed XML: mismatched tag");
  EXPECT_EQ(ErrorOf(head), "gpsdat/a.gpx:4: malformed XML: no element found");
  EXPECT_EQ(ErrorOf(""), "gpsdat/a.gpx:1: malformed XML: no element found");
  EXPECT_EQ(ErrorOf("<kml>\n</kml>"), "gpsdat/a.gpx:1: not a GPX file: the document is <kml>");
}

TEST(GpxTrackReader, AnErrorRaisedByTheSinkStopsTheReadAndReachesTheCaller) {
  std::istringstream in(
      "<gpx><trk><trkseg>"
      "<trkpt lat=\"1\" lon=\"2\"><time>2008-05-17T01:00:00Z</time></trkpt>"
      "<trkpt lat=\"1\" lon=\"2\"><time>2008-05-17T01:00:01Z</time></trkpt>"
      "</trkseg></trk></gpx>");
  int calls = 0;
  const auto sink = [&calls](const TrackFix& fix) {
    ++calls;
    throw InputError("gpsdat/a.gpx", fix.line, "full");
  };
  EXPECT_THROW(ReadGpxTrack(in, "gpsdat/a.gpx", sink), InputError);
  EXPECT_EQ(calls, 1);
}

TEST(GpxTrackReader, StreamsALongTrackAcrossReadChunksWithoutLosingAPoint) {
  constexpr int kPoints = 6000;  // about 600 KB, several read chunks
  std::string text = "<gpx>\n<trk>\n<trkseg>\n";
  for (int i = 0; i < kPoints; ++i) {
    text += "<trkpt lat=\"35." + std::to_string(100000 + i) +
            "\" lon=\"136.5\">\n  <ele>1.0</ele>\n"
            "  <time>2008-05-17T10:00:00.125Z</time>\n  <extensions><hr>120</hr></extensions>\n</trkpt>\n";
  }
  text += "</trkseg>\n</trk>\n</gpx>\n";
  ASSERT_GT(text.size(), 600000u);
  const auto fixes = Read(text);
  ASSERT_EQ(fixes.size(), static_cast<std::size_t>(kPoints));
  for (int i = 0; i < kPoints; i += 997) {
    EXPECT_EQ(fixes[i].line, 4 + 5 * i);
    EXPECT_DOUBLE_EQ(fixes[i].lat, std::stod("35." + std::to_string(100000 + i)) * 60);
  }
}

}  // namespace
}  // namespace race
