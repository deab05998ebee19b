// The present-scene export: each boat's last 21 fixes as a wake and its position at the replay time.
#include <algorithm>

#include "export/KmlExport.h"
#include "export/KmlPieces.h"
#include "export/KmlText.h"
#include "race/Numbers.h"

namespace kml {
namespace {

template <typename T>
T At(const std::vector<T>& values, int i) {
  return i >= 0 && i < static_cast<int>(values.size()) ? values[i] : T{};
}

constexpr int kWakeFixes = 20;  // fixes behind the current one

}  // namespace

void WritePresentScene(std::ostream& stream, const race::RaceStore& store, const view::FrameState& frame,
                       double raceTime, const KmlOptions& options) {
  KmlWriter out(stream);
  WriteHead(out, store);
  const std::string now = DateTimeText(options, store.startTime + race::Round(raceTime) / 86400.0);
  const size_t blank = now.find(' ');
  const std::string timePart = blank == std::string::npos ? now : now.substr(blank + 1);
  out.Open() += "<Folder><name>" + XmlText(timePart) + "</name>";
  out.End();
  const std::string when = CdataText(now);

  const int boats = std::min(store.boatCount, race::kMaxBoats);
  for (int b = 1; b <= boats; ++b) {
    if (!FocusAllows(store, options, b) || At(frame.boatActive, b) < 1) continue;
    WriteTrackStart(out, store, b);
    const int newest = std::min(At(frame.lastFixIndex, b), UsableFixes(store, b));
    for (int i = newest; i >= std::max(1, newest - kWakeFixes); --i) {
      WriteTrackPoint(out, store.trackLat[b][i], store.trackLon[b][i]);
    }
    out.Line("</coordinates></LineString></Placemark>");
    const std::string name = XmlText(store.boatName[b]);
    WriteBoatPoint(out, options,
                   {name, when, At(frame.curLat, b), At(frame.curLon, b), At(frame.curSpeed, b),
                    At(frame.curCourse, b)});
  }
  out.Line("</Folder></Folder></kml>");
}

}  // namespace kml
