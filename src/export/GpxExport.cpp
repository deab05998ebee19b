// GPX 1.1 of the race: waypoints first, then the tracks, in the order the GPX schema wants them.
#include "export/GpxExport.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "export/KmlPieces.h"
#include "export/KmlText.h"
#include "race/DateTime.h"
#include "race/PartFile.h"

namespace gpx {
namespace {

// Degrees as xsd:decimal (no exponent), with the fewest digits that read back to the same number.
void AppendDecimalDegrees(std::string& out, double minutes) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, minutes / 60, std::chars_format::fixed);
  out.append(text, result.ptr);
}

// <wpt lat=".." lon=".."> or <trkpt ...>: the opening tag of a point.
void AppendPointTag(std::string& out, std::string_view element, double lat, double lon) {
  out += '<';
  out += element;
  out += " lat=\"";
  AppendDecimalDegrees(out, lat);
  out += "\" lon=\"";
  AppendDecimalDegrees(out, lon);
  out += "\">";
}

void WriteWaypoint(kml::KmlWriter& out, const std::string& name, double lat, double lon) {
  std::string& line = out.Open();
  AppendPointTag(line, "wpt", lat, lon);
  line += "<name>" + name + "</name></wpt>";
  out.End();
}

void WriteWaypoints(kml::KmlWriter& out, const race::RaceStore& store) {
  const int marks = std::clamp(store.markCount, 0, static_cast<int>(store.markLat.size()) - 1);
  for (int m = 1; m <= marks; ++m)
    WriteWaypoint(out, "MK" + std::to_string(m), store.markLat[m], store.markLon[m]);
  const int lines = std::clamp(store.lineCount, 0, static_cast<int>(store.lineLat1.size()) - 1);
  for (int j = 1; j <= lines; ++j) {
    const std::string number = std::to_string(j);
    WriteWaypoint(out, "LINE" + number + "-P", store.lineLat1[j], store.lineLon1[j]);
    WriteWaypoint(out, "LINE" + number + "-S", store.lineLat2[j], store.lineLon2[j]);
  }
}

void WriteTrack(kml::KmlWriter& out, const race::RaceStore& store, int b, long long gun) {
  out.Open() += "<trk><name>" + kml::XmlText(store.boatName[b]) + "</name><trkseg>";
  out.End();
  const int fixes = kml::UsableFixes(store, b);
  for (int i = 1; i <= fixes; ++i) {
    std::string& line = out.Open();
    AppendPointTag(line, "trkpt", store.trackLat[b][i], store.trackLon[b][i]);
    line += "<time>";
    race::AppendUtcMillisecondText(line, gun * 1000 + std::llround(store.trackTime[b][i] * 1000));
    line += "</time></trkpt>";
    out.End();
  }
  out.Line("</trkseg></trk>");
}

}  // namespace

void WriteRaceGpx(std::ostream& stream, const race::RaceStore& store) {
  kml::KmlWriter out(stream);
  out.Line(R"(<?xml version="1.0" encoding="UTF-8"?>)");
  out.Line(
      R"(<gpx version="1.1" creator="Regatix" xmlns="http://www.topografix.com/GPX/1/1" )"
      R"(xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" )"
      R"(xsi:schemaLocation="http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd">)");
  const long long gun = race::WholeSeconds(store.startTimeGps);
  std::string& metadata = out.Open();
  metadata += "<metadata><name>" + kml::XmlText(kml::RaceTitle(store.raceCaption)) + "</name><time>";
  race::AppendUtcText(metadata, gun);
  metadata += "</time></metadata>";
  out.End();
  WriteWaypoints(out, store);
  const int boats = std::clamp(store.boatCount, 0, race::kMaxBoats);
  for (int b = 1; b <= boats; ++b) {
    if (kml::UsableFixes(store, b) > 0) WriteTrack(out, store, b, gun);
  }
  out.Line("</gpx>");
}

std::string ExportRaceGpx(const std::string& path, const race::RaceStore& store) {
  return race::WriteWholeFile(path, [&](std::ostream& out) { WriteRaceGpx(out, store); });
}

}  // namespace gpx
