// The exports into a file: written in binary so the CR LF line ends stay as they are, under a temporary
// name that replaces the file only when complete, and the reason of any failure handed back for the
// message box.
#include "export/KmlExport.h"
#include "race/PartFile.h"

namespace kml {

std::string ExportPresentScene(const std::string& path, const race::RaceStore& store,
                               const view::FrameState& frame, double raceTime, const KmlOptions& options) {
  return race::WriteWholeFile(
      path, [&](std::ostream& out) { WritePresentScene(out, store, frame, raceTime, options); });
}

std::string ExportWholeRace(const std::string& path, const race::RaceStore& store,
                            const KmlOptions& options) {
  return race::WriteWholeFile(path, [&](std::ostream& out) { WriteWholeRace(out, store, options); });
}

std::string ExportTimedRace(const std::string& path, const race::RaceStore& store,
                            const KmlOptions& options) {
  return race::WriteWholeFile(path, [&](std::ostream& out) { WriteTimedRace(out, store, options); });
}

}  // namespace kml
