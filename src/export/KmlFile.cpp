// The exports into a file: created or overwritten, written in binary so the CR LF line ends stay as they
// are, and the reason of any failure handed back for the message box.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>

#include "export/KmlExport.h"

namespace kml {
namespace {

std::string WriteFile(const std::string& path, const std::function<void(std::ostream&)>& write) {
  errno = 0;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return errno != 0 ? std::strerror(errno) : "cannot create the file";
  write(file);
  file.flush();
  if (!file) return errno != 0 ? std::strerror(errno) : "cannot write the file";
  file.close();
  if (file.fail()) return errno != 0 ? std::strerror(errno) : "cannot close the file";
  return {};
}

}  // namespace

std::string ExportPresentScene(const std::string& path, const race::RaceStore& store,
                               const view::FrameState& frame, double raceTime, const KmlOptions& options) {
  return WriteFile(path, [&](std::ostream& out) { WritePresentScene(out, store, frame, raceTime, options); });
}

std::string ExportWholeRace(const std::string& path, const race::RaceStore& store, const KmlOptions& options) {
  return WriteFile(path, [&](std::ostream& out) { WriteWholeRace(out, store, options); });
}

}  // namespace kml
