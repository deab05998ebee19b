// The race with time: each boat one gx:Track (a UTC time, a place and a heading per kept fix) that a globe
// viewer's time slider plays, in the boat's KML colour, with the marks and lines of the whole-race export.
#include <algorithm>
#include <cmath>

#include "export/KmlExport.h"
#include "export/KmlPieces.h"
#include "export/KmlText.h"
#include "race/DateTime.h"

namespace kml {
namespace {

void WriteTimedHead(KmlWriter& out, const race::RaceStore& store) {
  out.Line(R"(<?xml version="1.0" encoding="UTF-8"?>)");
  out.Line(R"(<kml xmlns="http://www.opengis.net/kml/2.2" xmlns:gx="http://www.google.com/kml/ext/2.2">)");
  out.Line("<Document>");
  out.Open() += "<name>" + XmlText(RaceTitle(store.raceCaption)) + "</name><open>1</open>";
  out.End();
}

void WriteBoatTrack(KmlWriter& out, const race::RaceStore& store, const KmlOptions& options, int b) {
  const std::string colour = XmlText(store.kmlColour[b]);
  out.Open() += "<Placemark><name>" + XmlText(store.boatName[b]) + "</name>";
  out.End();
  // The icon points north and turns with each fix's heading.
  out.Open() += "<Style><IconStyle><color>" + colour + "</color><Icon><href>" + XmlText(options.iconFolder) +
                "ar0.png</href></Icon></IconStyle><LineStyle><color>" + colour + "</color><width>" +
                (store.boatShown[b] > 0 ? "2" : "1") + "</width></LineStyle></Style>";
  out.End();
  out.Line("<gx:Track>");
  const int fixes = UsableFixes(store, b);
  const long long gun = race::WholeSeconds(store.startTimeGps);
  for (int i = 1; i <= fixes; ++i) {
    std::string& line = out.Open();
    line += "<when>";
    race::AppendUtcMillisecondText(line, gun * 1000 + std::llround(store.trackTime[b][i] * 1000));
    line += "</when>";
    out.End();
  }
  for (int i = 1; i <= fixes; ++i) {
    std::string& line = out.Open();
    line += "<gx:coord>";
    AppendDegrees(line, store.trackLon[b][i]);
    line += ' ';
    AppendDegrees(line, store.trackLat[b][i]);
    line += " 0</gx:coord>";
    out.End();
  }
  for (int i = 1; i <= fixes; ++i) {
    std::string& line = out.Open();
    line += "<gx:angles>";
    line += std::to_string(KmlHeading(store.trackCourse[b][i]));
    line += " 0 0</gx:angles>";
    out.End();
  }
  out.Line("</gx:Track></Placemark>");
}

}  // namespace

void WriteTimedRace(std::ostream& stream, const race::RaceStore& store, const KmlOptions& options) {
  KmlWriter out(stream);
  WriteTimedHead(out, store);
  out.Line("<Folder><name>Boats</name><open>1</open>");
  const int boats = std::clamp(store.boatCount, 0, race::kMaxBoats);
  for (int b = 1; b <= boats; ++b) {
    if (FocusAllows(store, options, b) && UsableFixes(store, b) > 0) WriteBoatTrack(out, store, options, b);
  }
  out.Line("</Folder>");
  WriteMarksAndLines(out, store, options);
  out.Line("</Document></kml>");
}

}  // namespace kml
