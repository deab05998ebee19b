// One row per tack or gybe: when (seconds after the gun), what, how long, the speeds and the metres lost.
#include "pages/ManoeuvreReport.h"

#include <cmath>
#include <cstdio>

#include "analysis/Manoeuvres.h"

namespace pages {
namespace {

// A whole number, "-" when not known; never "-0".
std::string Whole(double value) {
  if (std::isnan(value)) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", std::round(value) + 0.0);
  return text;
}

}  // namespace

std::string ManoeuvreSectionText(const race::RaceStore& store) {
  std::string rows;
  char cells[160];
  for (int b = 1; b <= store.boatCount; ++b) {
    for (const analysis::Manoeuvre& m : analysis::DetectManoeuvres(store, b)) {
      std::snprintf(cells, sizeof cells, ",%.0f,%s,%s,%.1f,%.1f,%.1f,%s\r\n", m.seconds,
                    m.kind == analysis::ManoeuvreKind::Tack ? "Tack" : "Gybe",
                    Whole(m.durationSeconds).c_str(), m.speedBefore, m.speedLowest, m.speedAfter,
                    Whole(m.metresLost).c_str());
      rows += store.boatName[static_cast<std::size_t>(b)] + cells;
    }
  }
  if (rows.empty()) return rows;
  return std::string(kManoeuvreTitle) +
         "\r\nBoat Name,Time after start (Sec),Kind,Duration (Sec),Speed before (Kt),Lowest speed (Kt),"
         "Speed after (Kt),Distance lost (m)\r\n" +
         rows;
}

}  // namespace pages
