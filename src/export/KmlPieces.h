// The pieces both exports share: document head, the boat point placemark and the buoy placemark.
#pragma once

#include <string>
#include <string_view>

#include "export/KmlExport.h"
#include "export/KmlWriter.h"

namespace kml {

// The date-time text the options ask for.
std::string DateTimeText(const KmlOptions& options, race::TDateTime value);

// A boat is exported when unfocused boats are not hidden or the boat is in focus.
bool FocusAllows(const race::RaceStore& store, const KmlOptions& options, int boat);

// Fixes 1..n of boat b that every track channel holds (fixCount, unless the channels are shorter).
int UsableFixes(const race::RaceStore& store, int b);

// XML declaration, root element, outer folder and its name line.
void WriteHead(KmlWriter& out, const race::RaceStore& store);

// "<Placemark><name>", the escaped boat name, colour and width of its track line,
// "<LineString><coordinates>".
void WriteTrackStart(KmlWriter& out, const race::RaceStore& store, int boat);
// One track point, lon,lat,0.0 and a trailing blank (minutes of arc in, degrees out).
void WriteTrackPoint(KmlWriter& out, double lat, double lon);

struct BoatPoint {
  std::string_view escapedName;  // already XmlText
  std::string_view cdataWhen;    // already CdataText
  double lat = 0, lon = 0;       // minutes of arc
  double speed = 0, course = 0;
};
void WriteBoatPoint(KmlWriter& out, const KmlOptions& options, const BoatPoint& point);

// A buoy placemark: marks and the ends of lines.
void WriteBuoy(KmlWriter& out, const KmlOptions& options, std::string_view name, double lat, double lon);

// The "MARK_LINES" folder: a buoy per mark, and per line its line string and a buoy at each end.
void WriteMarksAndLines(KmlWriter& out, const race::RaceStore& store, const KmlOptions& options);

}  // namespace kml
