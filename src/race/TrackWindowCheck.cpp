// The warning for a boat dropped for want of fixes inside the race window.
#include "race/TrackWindowCheck.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>

#include "race/DateTime.h"
#include "race/FolderLookup.h"
#include "race/InputError.h"
#include "race/Numbers.h"
#include "race/TrackLoader.h"
#include "race/WholeTrackFile.h"

namespace race {

namespace {

constexpr int kMaxHoursOff = 48;  // a TD with the wrong sign, or an ST a day off
constexpr double kSecondsPerDay = 86400;

// The first and last fix of boat i's file in race seconds, whatever the window; nothing when it has none.
std::optional<std::pair<double, double>> WholeFileSpan(const RaceStore& store, int i) {
  const auto path =
      FindInFolder(std::filesystem::path(RaceDataFolder(store.programFolder, store.raceFilePath) + "gpsdat"),
                   store.boatFile[i]);
  if (!path) return std::nullopt;
  try {
    const WholeTrack track = ReadWholeTrack(*path);  // sorted by time
    const auto raceSeconds = [&](TDateTime gpsTime) {
      return static_cast<double>(SpanSeconds(store.startTimeGps, gpsTime)) + store.boatTimeOffset[i];
    };
    return std::pair{raceSeconds(track.fixes.front().gpsTime), raceSeconds(track.fixes.back().gpsTime)};
  } catch (const InputError&) {
    return std::nullopt;  // no fix at all, or a file that cannot be read whole: no span to tell
  }
}

}  // namespace

int HoursThatWouldFit(double first, double last, double windowStart, double windowEnd) {
  int best = 0;
  double bestOverlap = 0;
  for (int hours = 1; hours <= kMaxHoursOff; ++hours) {
    for (const int change : {hours, -hours}) {
      // A TD larger by one hour puts the gun an hour earlier in GPS time: every fix an hour later in race
      // time.
      const double shift = change * 3600.0;
      const double overlap = std::min(last + shift, windowEnd) - std::max(first + shift, windowStart);
      if (overlap > bestOverlap) {
        bestOverlap = overlap;
        best = change;
      }
    }
  }
  return best;
}

void WarnShortTrack(RaceStore& store, int i, int keptFixes) {
  const double windowStart = -store.preStartSeconds - 60.0;
  const double windowEnd = SpanSeconds(store.startTimeGps, store.finishTimeGps) + 30.0;
  const auto local = [&store](double raceSeconds) {
    return FormatDateTime(store.startTime + raceSeconds / kSecondsPerDay);
  };
  const auto span = WholeFileSpan(store, i);
  if (keptFixes > 0 || !span) {
    Warn(store, WarningKind::kTooFewFixes,
         {store.boatName[i], std::to_string(keptFixes), std::to_string(kMinFixesToKeep)});
    return;
  }
  std::vector<std::string> values = {store.boatName[i], local(span->first), local(span->second),
                                     local(windowStart), local(windowEnd)};
  const int change = HoursThatWouldFit(span->first, span->second, windowStart, windowEnd);
  if (change == 0) return Warn(store, WarningKind::kNoFixInWindow, std::move(values));
  values.push_back(std::to_string(store.timeDifferenceHours + change));
  Warn(store, WarningKind::kNoFixInWindowHours, std::move(values));
}

}  // namespace race
