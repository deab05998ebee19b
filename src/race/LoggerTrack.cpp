// Chooses the reader for a track file and feeds its fixes to the shared race-window rules.
#include "race/LoggerTrack.h"

#include "race/GpxTrackReader.h"
#include "race/NmeaTrackReader.h"
#include "race/TrackLoader.h"

namespace race {
namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  text.remove_prefix(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}

}  // namespace

TrackForm TrackFormOf(std::string_view fileName) {
  if (EndsWithIgnoringCase(fileName, ".gpx")) return TrackForm::kGpx;
  if (EndsWithIgnoringCase(fileName, ".nmea") || EndsWithIgnoringCase(fileName, ".nme"))
    return TrackForm::kNmea;
  return TrackForm::kText;
}

void ReadLoggerTrack(RaceStore& store, int slot, std::istream& in, TrackForm form, const std::string& file,
                     int& n) {
  const auto keep = [&store, slot, &n](const TrackFix& fix) { StoreFixIfInWindow(store, slot, n, fix); };
  if (form == TrackForm::kGpx) {
    ReadGpxTrack(in, file, keep);
  } else if (form == TrackForm::kNmea) {
    ReadNmeaTrack(in, file, keep);
  }
}

}  // namespace race
