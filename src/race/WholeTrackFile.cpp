// Reading a whole track file for a race still to be made.
#include "race/WholeTrackFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "race/GpxTrackReader.h"
#include "race/InputError.h"
#include "race/LoggerTrack.h"
#include "race/NmeaTrackReader.h"
#include "race/TextInput.h"
#include "race/TextTrack.h"

namespace race {

WholeTrack ReadWholeTrack(const std::filesystem::path& path) {
  const std::string file = path.filename().string();
  // A folder of tracks may hold a film of the race too: no logger writes a track this big.
  std::error_code error;
  const auto bytes = std::filesystem::file_size(path, error);
  if (!error && bytes > kMaxTrackBytes) throw InputError(file, 0, "not a track: too big for one");
  WholeTrack track;
  const TrackForm form = TrackFormOf(file);
  std::ifstream in;
  if (std::string problem; !OpenInput(in, path, problem)) {
    throw InputError(file, 0, "cannot read the file: " + problem);
  }
  if (form == TrackForm::kText) {
    TextLines lines(in, file);
    track.fixes = ReadTextTrackFixes(lines);
  } else {
    const auto keep = [&track](const TrackFix& fix) { track.fixes.push_back(fix); };
    if (form == TrackForm::kGpx) {
      ReadGpxTrack(in, file, keep, &track.name);
    } else {
      ReadNmeaTrack(in, file, keep);
    }
  }
  if (track.fixes.empty()) throw InputError(file, 0, "not a track: no position with a time in it");
  // Loggers write in time order, but merged logs and repeated seconds happen; the race needs one clock.
  std::stable_sort(track.fixes.begin(), track.fixes.end(),
                   [](const TrackFix& a, const TrackFix& b) { return a.gpsTime < b.gpsTime; });
  const auto sameMoment = [](const TrackFix& a, const TrackFix& b) {
    return std::abs(a.gpsTime - b.gpsTime) * 86400.0 < 0.5;
  };
  track.fixes.erase(std::unique(track.fixes.begin(), track.fixes.end(), sameMoment), track.fixes.end());
  return track;
}

}  // namespace race
