// The warning for a boat dropped for want of fixes inside the race window.
#include "race/TrackWindowCheck.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "race/DateTime.h"
#include "race/InputError.h"
#include "race/Numbers.h"
#include "race/TrackLoader.h"

namespace race {

namespace {

constexpr int kMaxHoursOff = 48;  // a TD with the wrong sign, or an ST a day off
constexpr double kWideWindowDays = 400;
constexpr double kSecondsPerDay = 86400;

// The first and last fix of boat i's file in race seconds, whatever the window; nothing when it has none.
std::optional<std::pair<double, double>> WholeFileSpan(const RaceStore& store, int i) {
  RaceStore scratch;
  scratch.programFolder = store.programFolder;
  scratch.boatFile[1] = store.boatFile[i];
  scratch.boatName[1] = store.boatName[i];
  scratch.boatTimeOffset[1] = store.boatTimeOffset[i];
  scratch.raceDate = store.raceDate;
  scratch.startTimeGps = store.startTimeGps;
  scratch.finishTimeGps = store.startTimeGps + kWideWindowDays;
  scratch.preStartSeconds = static_cast<int>(kWideWindowDays * kSecondsPerDay);
  scratch.boatCount = 1;
  SizeTrackArrays(scratch);
  try {
    if (!LoadTrackFile(scratch, 1) || scratch.fixCount[1] < 1) return std::nullopt;
  } catch (const InputError&) {
    return std::nullopt;  // a line outside the window that cannot be read: no span to tell
  }
  const auto& t = scratch.trackTime[1];
  const auto [first, last] = std::minmax_element(t.begin() + 1, t.begin() + 1 + scratch.fixCount[1]);
  return std::pair{*first, *last};
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
