// The whole-race export: every track, the fleet's positions at regular snapshots, marks and lines.
#include <algorithm>
#include <array>

#include "analysis/FixInterval.h"
#include "export/KmlExport.h"
#include "export/KmlPieces.h"
#include "export/KmlText.h"
#include "race/Numbers.h"

namespace kml {
namespace {

void WriteTrackLines(KmlWriter& out, const race::RaceStore& store, const KmlOptions& options, int boats) {
  out.Line("<Folder><name>Track Lines</name>");
  for (int b = 1; b <= boats; ++b) {
    if (!FocusAllows(store, options, b)) continue;
    WriteTrackStart(out, store, b);
    const int fixes = UsableFixes(store, b);
    for (int i = 1; i <= fixes; ++i) WriteTrackPoint(out, store.trackLat[b][i], store.trackLon[b][i]);
    out.Line("</coordinates></LineString></Placemark>");
  }
  out.Line("</Folder>");
}

bool TimesInOrder(const race::RaceStore& store, int b) {
  const auto& time = store.trackTime[b];
  const int fixes = UsableFixes(store, b);
  for (int i = 2; i < fixes; ++i) {
    if (time[i] < time[i - 1]) return false;
  }
  return true;
}

// The boat's place at t seconds: the first fix i (1 .. fixes - 2) with time(i) <= t < time(i + 1),
// interpolated towards fix i + 1, whose speed and course it takes. False when no fix brackets t. Tracks in
// time order have one such fix at most and are searched from the last one found; others fix by fix.
bool PositionAt(const race::RaceStore& store, int b, bool inOrder, double t, double& lat, double& lon,
                int& next) {
  const int last = UsableFixes(store, b) - 2;
  const auto& time = store.trackTime[b];
  int i = 0;
  if (inOrder) {
    i = analysis::FindFixInterval(time, last, next - 1, t);
  } else {
    for (int k = 1; k <= last && i == 0; ++k) {
      if (time[k] <= t && t < time[k + 1]) i = k;
    }
  }
  if (i == 0) return false;
  const double t0 = race::Round(time[i]), t1 = race::Round(time[i + 1]);
  // Two fixes in the same whole second: the place of the first.
  const double f = t1 != t0 ? (t - t0) / (t1 - t0) : 0.0;
  lat = store.trackLat[b][i] + (store.trackLat[b][i + 1] - store.trackLat[b][i]) * f;
  lon = store.trackLon[b][i] + (store.trackLon[b][i + 1] - store.trackLon[b][i]) * f;
  next = i + 1;
  return true;
}

void WriteSnapshots(KmlWriter& out, const race::RaceStore& store, const KmlOptions& options, int boats) {
  out.Line("<Folder><name>POINTS</name>");
  out.Line("<visibility>0</visibility>");
  out.Line("<open>1</open>");
  std::vector<std::string> names(boats + 1);
  std::vector<char> inOrder(boats + 1);
  std::vector<int> next(boats + 1, 0);  // per boat, the fix after the interval last found
  for (int b = 1; b <= boats; ++b) {
    names[b] = XmlText(store.boatName[b]);
    inOrder[b] = TimesInOrder(store, b);
  }
  const int interval = SnapshotInterval(store.timelineEnd);
  const int count = SnapshotCount(store.timelineEnd);
  for (int k = 0; k < count; ++k) {
    const double t = race::Round(static_cast<double>(k) * interval);
    const std::string when = DateTimeText(options, store.startTime + t / 86400.0);
    out.Open() += "<Folder><name>" + XmlText(when) + "</name>";
    out.End();
    const std::string cdataWhen = CdataText(when);
    for (int b = 1; b <= boats; ++b) {
      double lat = 0, lon = 0;
      if (!FocusAllows(store, options, b) || !PositionAt(store, b, inOrder[b], t, lat, lon, next[b]))
        continue;
      WriteBoatPoint(
          out, options,
          {names[b], cdataWhen, lat, lon, store.trackSpeed[b][next[b]], store.trackCourse[b][next[b]]});
    }
    out.Line("</Folder>");
  }
  out.Line("</Folder>");
}

}  // namespace

int SnapshotInterval(double timelineEnd) {
  const int n = race::Int(timelineEnd / 50);
  constexpr std::array<int, 4> kSteps = {300, 600, 1200, 1800};
  for (int step : kSteps) {
    if (n < step) return step;
  }
  return 3600;
}

int SnapshotCount(double timelineEnd) {
  // Snapshots k = 0 .. Round(end / S) + 1, so the last one or two may lie past the end of the tracks.
  const double last = race::Round(timelineEnd / SnapshotInterval(timelineEnd)) + 1;
  return static_cast<int>(std::clamp(last + 1, 0.0, 1e7));
}

void WriteWholeRace(std::ostream& stream, const race::RaceStore& store, const KmlOptions& options) {
  KmlWriter out(stream);
  WriteHead(out, store);
  const int boats = std::clamp(store.boatCount, 0, race::kMaxBoats);
  WriteTrackLines(out, store, options, boats);
  WriteSnapshots(out, store, options, boats);
  WriteMarksAndLines(out, store, options);
  out.Line("</Folder></kml>");
}

}  // namespace kml
