// The fast GPX scanner against the XML parser: on the forms it reads it must give the same points, lines and
// boat name; everything else, above all every faulty file, it must leave to the parser.
#include <gtest/gtest.h>

#include <sstream>

#include "race/GpxPointScanner.h"
#include "race/GpxTrackReader.h"
#include "race/InputError.h"

namespace race {
namespace {

constexpr const char* kHandedOver = "handed over";

std::string Described(const std::vector<TrackFix>& fixes, const std::string& name) {
  std::ostringstream out;
  out.precision(17);
  out << "name [" << name << "]";
  for (const TrackFix& fix : fixes)
    out << "\n" << fix.line << " " << fix.gpsTime << " " << fix.lat << " " << fix.lon;
  return out.str();
}

std::string ByXmlParser(const std::string& text) {
  std::vector<TrackFix> fixes;
  std::string name;
  try {
    ParseGpxXml(
        text, "a.gpx", [&fixes](const TrackFix& fix) { fixes.push_back(fix); }, &name);
  } catch (const InputError& error) {
    return error.what();
  }
  return Described(fixes, name);
}

std::string ByScanner(const std::string& text) {
  std::vector<TrackFix> fixes;
  std::string name;
  return ScanGpxTrack(text, fixes, &name) ? Described(fixes, name) : kHandedOver;
}

std::string Point(const std::string& attributes, const std::string& inside = "") {
  return "<trkpt " + attributes + ">" + inside + "<time>2008-05-17T01:00:00.3Z</time></trkpt>\n";
}

std::string Gpx(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" "
         "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk><name>Kaze</name><trkseg>\n" +
         body + "</trkseg></trk>\n</gpx>\n";
}

TEST(GpxPointScanner, ReadsTheCommonFormsAsTheXmlParserDoes) {
  const std::string plain = Point("lat=\"35.5\" lon=\"139.25\"");
  const std::string cases[] = {
      Gpx(plain + plain),
      Gpx(Point("lon='139.25' lat='35.5'") + Point("lat = \"-0.5\"\n  lon=\"+1e1\" ")),
      Gpx(Point("lat=\"35.5\" lon=\"139.25\"", "<ele>12.5</ele><sat>7</sat><extensions><x/></extensions>")),
      Gpx("<!-- logger restarted -->\n" + plain + "<!---->" + plain),
      Gpx(Point("lat=\"35.5\" lon=\"139.25\"", "\n  <time>2008-05-17T01:00:00+09:00</time>\n  ")),
      "<!-- head -->\n<gpx>\n<metadata><name>Sat &amp; Sun &#x3042;&#12354;</name></metadata><trk><trkseg>" +
          plain + "</trkseg></trk></gpx>\n<!-- tail -->\n",
      "<?xml version='1.0' standalone='yes' ?>\r\n<g:gpx xmlns:g=\"urn:g\" xmlns:xsi=\"urn:xsi\" "
      "xsi:schemaLocation=\"a b\" xml:lang=\"ja\">\r\n<g:trk>\r\n<g:name> \xe9\xa2\xa8 &lt;1&gt; </g:name>"
      "<g:trkseg>\r\n<g:trkpt lat=\"1\" lon=\"2\">\r\n<g:time>2008-05-17T01:00:00Z</g:time></g:trkpt>\r\n"
      "</g:trkseg></g:trk></g:gpx>",
      "<gpx><trk><name>A\r\nB</name><trkseg>" + plain + "</trkseg></trk><trk><name>C</name><trkseg>" + plain +
          "</trkseg ></trk></gpx >",
      "<gpx><wpt lat=\"1\" lon=\"1\"><name>Buoy</name></wpt><trk><trkseg>" + plain + "</trkseg></trk></gpx>",
  };
  for (const std::string& text : cases) {
    const std::string expected = ByXmlParser(text);
    ASSERT_EQ(expected.find("a.gpx"), std::string::npos) << expected;
    EXPECT_EQ(ByScanner(text), expected) << text;
  }
}

TEST(GpxPointScanner, ReadsLoggersPlainPointsAsTheXmlParserDoes) {
  // The points loggers write, in runs where lines, times and the form of the point change from one to the
  // next, mixed with points of other forms.
  const auto at = [](const std::string& time, const std::string& inside = "") {
    return "<trkpt lat=\"35.2900001\" lon=\"-139.8212345\">" + inside + "<time>" + time + "</time></trkpt>\n";
  };
  const std::string cases[] = {
      Gpx(at("2008-05-17T01:00:59.8Z") + at("2008-05-17T01:00:59.9Z") + at("2008-05-17T01:01:00.0Z") +
          at("2008-05-17T01:01:00Z") + at("2008-05-17T01:01:00.25Z") + at("2008-05-17T23:59:59.9Z") +
          at("2008-05-18T00:00:00.0Z") + at("2008-05-18T09:00:00.1+09:00") +
          at("2008-05-18T09:00:00.2+09:00") + at("2008-05-18T00:00:00.3")),
      Gpx(at("2008-05-17T01:00:00Z", "<ele>-3.25</ele>") +
          at("2008-05-17T01:00:01Z", "\r\n  <ele>4</ele>\r\n  ") +
          "<trkpt\n lat=\"1.5\"\n lon=\"+2\"\n>\n<time>2008-05-17T01:00:02Z</time>\n</trkpt>\n" +
          Point("lat=\"1e-1\" lon=\"2\"") + Point("lon=\"2\" lat=\"1\"") +
          Point("lat=\"1\" lon=\"2\"", "<time>2008-05-17T01:00:00Z</time><ele>1</ele>") +
          at("2008-05-17T01:00:03Z", "<ele>1</ele><sat>7</sat>") + at("2008-05-17T01:00:04Z")),
      Gpx(at("2008-05-17T01:00:00Z") +
          "<trkpt lat=\"1\" lon=\"2\"><time>2008-05-17T01:00:01Z</time></trkpt >" +
          "<trkpt lat=\"1\" lon=\"2\"><time> 2008-05-17T01:00:02Z</time></trkpt>" +
          at("2008-05-17T01:00:03Z")),
  };
  for (const std::string& text : cases) {
    const std::string expected = ByXmlParser(text);
    ASSERT_EQ(expected.find("a.gpx"), std::string::npos) << expected;
    EXPECT_EQ(ByScanner(text), expected) << text;
  }
}

TEST(GpxPointScanner, TimesReadInTurnAreReadAsEachAlone) {
  // The reader takes the date, hour, minute and zone of the last time again when only the seconds changed.
  const char* times[] = {
      "2008-05-17T01:00:05.3Z", "2008-05-17T01:00:06.3Z",   "2008-05-17T01:00:6x.3Z",
      "2008-05-17T01:00:07.3Z", "2008-05-17T01:00:07.35",   "2008-05-17T01:00:08.3Z",
      "2008-05-17T01:00:08Z.3", "2008-05-17T01:00:09.3Z",   "2008-05-17T01:00:60.9Z",
      "2008-05-17T01:00:61.0Z", "2008-05-17T01:01:00+0900", "2008-05-17T01:01:01+0900",
      "2008-02-30T01:01:01.5Z", "2008-02-30T01:01:02.5Z",   "2008-05-17T01:00:09.3Z",
      "2008-05-17T01:00:0.93Z", "2008-05-17T01:00:0993Z",   "2008-05-17T01:00:09.3Z",
      "2008-05-17T01:00:09..Z", "2008-05-17T01:00:1",
  };
  GpxTimeReader reader;
  for (const char* time : times) EXPECT_EQ(reader(time), ParseGpxTime(time)) << time;
}

TEST(GpxPointScanner, LeavesEveryFaultyFileToTheXmlParser) {
  const std::string plain = Point("lat=\"35.5\" lon=\"139.25\"");
  const std::string cases[] = {
      "",
      "<kml></kml>",
      Gpx(Point("lat=\"N35\" lon=\"2\"")),
      Gpx(Point("lat=\"1\" lon=\"200\"")),
      Gpx(Point("lat=\"91\" lon=\"2\"")),
      Gpx(Point("lat=\"1\" lon=\"-\"")),
      Gpx(plain + "<trkpt lat=\"1\" lon=\"2\"><time>2008-05-17T01:00:61.1Z</time></trkpt>"),
      Gpx("<trkpt lat=\"1\" lon=\"2\"><ele>1</ele></trkpt>"),
      Gpx("<trkpt lat=\"1\" lon=\"2\"/>"),
      Gpx("<trkpt lat=\"1\"><time>2008-05-17T01:00:00Z</time></trkpt>"),
      Gpx("<trkpt lat=\"1\" lon=\"2\"><time>yesterday</time></trkpt>"),
      Gpx("<trkpt lat=\"1\" lat=\"1\" lon=\"2\"><time>2008-05-17T01:00:00Z</time></trkpt>"),
      Gpx("<trkpt lat=\"1\" lon=\"2\"><time>2008-05-17T01:00:00Z</trkpt>"),
      Gpx("<trkpt lat=\"1\" lon=\"2\"><x:time>2008-05-17T01:00:00Z</x:time></trkpt>"),
      Gpx(plain + "<!-- a -- b -->"),
      Gpx(plain + "<name>a ]]> b</name>"),
      Gpx(plain + "<name>&nbsp;</name>"),
      Gpx(plain + "<name>&#0;</name>"),
      Gpx(plain + "<name a=\"<\"/>"),
      Gpx(plain + "<name>\x01</name>"),
      Gpx(plain + "<name>\xff</name>"),
      Gpx(plain + "<name>\xed\xa0\x80</name>"),
      Gpx(plain) + "<gpx/>",
      Gpx(plain) + "tail",
      " <?xml version=\"1.0\"?><gpx/>",
      "<?xml encoding=\"UTF-8\" version=\"1.0\"?><gpx/>",
      "<gpx><trk><trkseg>" + plain,
      "<gpx xmlns:p=\"\"><trk><trkseg>" + plain + "</trkseg></trk></gpx>",
  };
  for (const std::string& text : cases) {
    ASSERT_NE(ByXmlParser(text).find("a.gpx"), std::string::npos) << "the parser should refuse " << text;
    EXPECT_EQ(ByScanner(text), kHandedOver) << text;
  }
}

TEST(GpxPointScanner, FormsItDoesNotReadStillLoadThroughTheParser) {
  const std::string plain = Point("lat=\"35.5\" lon=\"139.25\"");
  const std::string cases[] = {
      "<!DOCTYPE gpx><gpx><trk><name><![CDATA[A<B]]></name><trkseg>" + plain + "</trkseg></trk></gpx>",
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><gpx><trk><name>\xe9</name><trkseg>" + plain +
          "</trkseg></trk></gpx>",
      "<?xml-stylesheet href=\"a\"?><gpx><?logger x?><trk><trkseg>" + plain + "</trkseg></trk></gpx>",
      Gpx(Point("lat=\"3&#x35;.5\" lon=\"139.25\"")),
      Gpx(plain + "\r"),  // a lone carriage return, which ends a line
  };
  for (const std::string& text : cases) {
    EXPECT_EQ(ByScanner(text), kHandedOver) << text;
    std::istringstream in(text);
    std::string name;
    std::vector<TrackFix> fixes;
    ReadGpxTrack(
        in, "a.gpx", [&fixes](const TrackFix& fix) { fixes.push_back(fix); }, &name);
    EXPECT_EQ(Described(fixes, name), ByXmlParser(text)) << text;
    EXPECT_EQ(fixes.size(), 1u) << text;
  }
}

}  // namespace
}  // namespace race
