// The pieces both KML exports share.
#include "export/KmlPieces.h"

#include <algorithm>

#include "export/KmlText.h"
#include "race/Numbers.h"

namespace kml {

std::string DateTimeText(const KmlOptions& options, race::TDateTime value) {
  return options.dateTimeText ? options.dateTimeText(value) : race::FormatDateTime(value);
}

bool FocusAllows(const race::RaceStore& store, const KmlOptions& options, int boat) {
  const bool focused = boat < static_cast<int>(store.boatShown.size()) && store.boatShown[boat] >= 1;
  return options.kmlHideUnfocused == 0 || focused;
}

int UsableFixes(const race::RaceStore& store, int b) {
  int count = store.fixCount[b];
  race::ForEachTrackChannel(store, [&](const auto& channel) {
    const int held = b < static_cast<int>(channel.size()) ? static_cast<int>(channel[b].size()) - 1 : 0;
    count = std::min(count, held);
  });
  return std::max(count, 0);
}

void WriteHead(KmlWriter& out, const race::RaceStore& store) {
  out.Line(R"(<?xml version="1.0" encoding="UTF-8"?>)");
  out.Line(R"(<kml xmlns="http://earth.google.com/kml/2.0">)");
  out.Line("<Folder>");
  out.Open() += "<name>" + XmlText(DocumentName(store.raceCaption)) + "</name><open>1</open>";
  out.End();
}

void WriteTrackStart(KmlWriter& out, const race::RaceStore& store, int boat) {
  const bool focused = store.boatShown[boat] > 0;
  out.Open() += "<Placemark><name>" + XmlText(store.boatName[boat]) + "</name>";
  out.End();
  out.Open() += "<Style><LineStyle><color>" + XmlText(store.kmlColour[boat]) + "</color><width>" +
                (focused ? "2" : "1") + "</width></LineStyle></Style>";
  out.End();
  out.Line("<LineString><coordinates>");
}

void WriteTrackPoint(KmlWriter& out, double lat, double lon) {
  std::string& line = out.Open();
  AppendDegrees(line, lon);
  line += ',';
  AppendDegrees(line, lat);
  line += ",0.0 ";
  out.End();
}

namespace {

// One description line: prefix, number, suffix.
void DescriptionLine(KmlWriter& out, std::string_view prefix, const std::string& number,
                     std::string_view suffix) {
  std::string& line = out.Open();
  line += prefix;
  line += number;
  line += suffix;
  out.End();
}

void WritePointLine(KmlWriter& out, double lat, double lon) {
  std::string& line = out.Open();
  line += "<Point><coordinates>";
  AppendDegrees(line, lon);
  line += ',';
  AppendDegrees(line, lat);
  line += ",0</coordinates>";
  out.End();
}

}  // namespace

void WriteBoatPoint(KmlWriter& out, const KmlOptions& options, const BoatPoint& point) {
  const bool english = options.englishTexts > 0;
  out.Open() += "<Placemark><name>";
  out.Open() += point.escapedName;
  out.Open() += "</name>";
  out.End();
  out.Open() += english ? R"(<description><![CDATA[<ul type="disk"><li>Date Time：)"
                        : R"(<description><![CDATA[<ul type="disk"><li>日時：)";
  out.Open() += point.cdataWhen;
  out.Open() += "<br>";
  out.End();
  const std::string lat = NumberText(point.lat / 60), lon = NumberText(point.lon / 60);
  const std::string speed = NumberText(KmlSpeed(point.speed));
  const std::string heading = std::to_string(KmlHeading(point.course));
  if (english) {
    DescriptionLine(out, "<li>LAT： ", lat, " DEG<br>");
    DescriptionLine(out, "<li>LON： ", lon, " DEG<br>");
    DescriptionLine(out, "<li>BSP： ", speed, " KTS<br>");
    DescriptionLine(out, "<li>HDG： ", heading, " DEG(T)<br>");
  } else {
    DescriptionLine(out, "<li>緯度： ", lat, "度<br>");
    DescriptionLine(out, "<li>経度： ", lon, "度<br>");
    DescriptionLine(out, "<li>速度： ", speed, "ノット<br>");
    DescriptionLine(out, "<li>針路： ", heading, "度(T)<br>");
  }
  out.Line("</ul>]]></description>");
  out.Line("<visibility>1</visibility><Style><IconStyle><Icon>");
  out.Open() += "<href>" + XmlText(options.iconFolder) + "ar" + std::to_string(IconHeading(point.course)) +
                ".png</href></Icon></IconStyle></Style>";
  out.End();
  WritePointLine(out, point.lat, point.lon);
  out.Line("</Point></Placemark>");
}

void WriteBuoy(KmlWriter& out, const KmlOptions& options, std::string_view name, double lat, double lon) {
  out.Open() += "<Placemark><name>";
  out.Open() += name;
  out.Open() += "</name>";
  out.End();
  out.Line("<visibility>1</visibility><Style><IconStyle><Icon>");
  out.Open() += "<href>" + XmlText(options.iconFolder) + "buoi.png</href></Icon></IconStyle></Style>";
  out.End();
  WritePointLine(out, lat, lon);
  out.Line("</Point></Placemark>");
}

void WriteMarksAndLines(KmlWriter& out, const race::RaceStore& store, const KmlOptions& options) {
  out.Line("<Folder><name>MARK_LINES</name>");
  const int marks = std::clamp(store.markCount, 0, static_cast<int>(store.markLat.size()) - 1);
  for (int m = 1; m <= marks; ++m) {
    WriteBuoy(out, options, "MK" + std::to_string(m), store.markLat[m], store.markLon[m]);
  }
  const int lines = std::clamp(store.lineCount, 0, static_cast<int>(store.lineLat1.size()) - 1);
  for (int j = 1; j <= lines; ++j) {
    const std::string number = std::to_string(j);
    out.Open() += "<Placemark><name>line" + number + "</name>";
    out.End();
    const std::string colour =
        j < static_cast<int>(store.kmlColour.size()) ? store.kmlColour[j] : std::string();
    out.Open() += "<Style><LineStyle><color>" + XmlText(OpaqueColour(colour)) +
                  "</color><width>1</width></LineStyle></Style>";
    out.End();
    out.Line("<LineString><coordinates>");
    WriteTrackPoint(out, store.lineLat1[j], store.lineLon1[j]);
    WriteTrackPoint(out, store.lineLat2[j], store.lineLon2[j]);
    out.Line("</coordinates></LineString></Placemark>");
    WriteBuoy(out, options, "LINE" + number + "-P", store.lineLat1[j], store.lineLon1[j]);
    WriteBuoy(out, options, "LINE" + number + "-S", store.lineLat2[j], store.lineLon2[j]);
  }
  out.Line("</Folder>");
}

}  // namespace kml
