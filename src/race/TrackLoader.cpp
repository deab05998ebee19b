// The load of all boats' tracks and the race-window rules shared by every track file form.
#include "race/TrackLoader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "race/DateTime.h"
#include "race/FolderLookup.h"
#include "race/GlitchFilter.h"
#include "race/LoggerTrack.h"
#include "race/Numbers.h"
#include "race/TextInput.h"
#include "race/TextTrack.h"
#include "race/TrackReadAhead.h"
#include "race/TrackWindowCheck.h"

namespace race {
namespace {

constexpr int kInitialFixCapacity = 100;
constexpr int kGrowthMargin = 50;  // the arrays grow when fewer than this many entries are left
constexpr int kGrowthStep = 100;
constexpr int kIntervalTrim = 5;        // fixes left out at either end when measuring the interval
constexpr int kIntervalMinFixes = 100;  // shorter tracks get the fixed interval

constexpr std::uintmax_t kShortestFixLine = 44;  // "T  N3512.3456 E13930.1234 17-MAY-08 01:00:00 1" CR LF
constexpr std::uintmax_t kMaxReservedFixes = 1 << 19;

// Room up front for the fixes a text track of this size can hold, so that a long track does not move its
// arrays while it grows. The cap keeps a file of empty lines from claiming memory for fixes it never has.
void ReserveForFile(RaceStore& store, int slot, const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t bytes = std::filesystem::file_size(path, error);
  if (error) return;
  const auto room = static_cast<std::size_t>(std::min(bytes / kShortestFixLine, kMaxReservedFixes));
  ForEachTrackChannel(store,
                      [&](auto& channel) { channel[slot].reserve(room + kGrowthStep + kGrowthMargin); });
}

// Gives back what the reservation and the growth held beyond the fixes kept: a big fleet keeps tens of
// millions of fixes, and a track mostly outside the race window reserved room for all of its lines.
void ReleaseSpareRoom(RaceStore& store, int slot) {
  const auto kept = static_cast<std::size_t>(store.fixCount[slot]) + 1;
  ForEachTrackChannel(store, [&](auto& channel) {
    auto& fixes = channel[slot];
    if (fixes.size() > kept) fixes.resize(kept);
    if (fixes.capacity() > kept + kept / 32) fixes.shrink_to_fit();
  });
}

}  // namespace

void SizeTrackArrays(RaceStore& store) {
  const std::size_t slots = static_cast<std::size_t>(std::max(store.boatCount, 0)) + 2;
  ForEachTrackChannel(store, [&](auto& channel) {
    channel.clear();
    channel.resize(slots);
  });
}

void SizeBoatTrack(RaceStore& store, int slot, int size) {
  ForEachTrackChannel(store, [&](auto& channel) {
    if (channel.size() <= static_cast<std::size_t>(slot)) channel.resize(slot + 1);
    channel[slot].resize(static_cast<std::size_t>(size));
  });
}

std::optional<double> RaceSecondsInWindow(const RaceStore& store, int slot, TDateTime gpsTime,
                                          FixClock clock) {
  const bool whole = clock == FixClock::kWholeSeconds;
  const double rel = (whole ? static_cast<double>(SpanSeconds(store.startTimeGps, gpsTime))
                            : SpanMilliseconds(store.startTimeGps, gpsTime)) +
                     store.boatTimeOffset[slot];
  const double toFinish =
      whole ? SpanSeconds(store.finishTimeGps, gpsTime) : SpanMilliseconds(store.finishTimeGps, gpsTime);
  if (rel > -store.preStartSeconds - 60.0 && toFinish < 30) return rel;
  return std::nullopt;
}

void StoreFix(RaceStore& store, int slot, int& n, double raceSeconds, double lat, double lon) {
  ++n;
  const int capacity = static_cast<int>(store.trackTime[slot].size());
  if (n > capacity - kGrowthMargin) SizeBoatTrack(store, slot, n + kGrowthStep);
  store.trackTime[slot][n] = raceSeconds;
  store.trackLat[slot][n] = lat;
  store.trackLon[slot][n] = lon;
}

bool StoreFixIfInWindow(RaceStore& store, int slot, int& n, const TrackFix& fix) {
  const auto raceSeconds = RaceSecondsInWindow(store, slot, fix.gpsTime, FixClock::kMilliseconds);
  if (!raceSeconds) return false;
  StoreFix(store, slot, n, *raceSeconds, fix.lat, fix.lon);
  return true;
}

void FinishTrack(RaceStore& store, int slot, int n) {
  store.fixCount[slot] = n;
  if (n > kIntervalMinFixes) {
    const auto& t = store.trackTime[slot];
    const int interval = RoundToInt((t[n - kIntervalTrim] - t[kIntervalTrim]) / (n - 2 * kIntervalTrim));
    // Later arithmetic divides by the interval: fixes all at one time (or running backwards) give 1.
    store.fixInterval[slot] = std::max(interval, 1);
  } else {
    store.fixInterval[slot] = kShortTrackInterval;
  }
}

void MoveBoatDown(RaceStore& store, int i, int slot) {
  if (slot == i) return;
  store.boatFile[slot] = store.boatFile[i];
  store.boatName[slot] = store.boatName[i];
  store.boatTimeOffset[slot] = store.boatTimeOffset[i];
  store.boatShown[slot] = store.boatShown[i];
}

bool LoadTrackFile(RaceStore& store, int i) {
  const int slot = i - store.droppedBoatCount;
  const auto path =
      FindInFolder(std::filesystem::path(RaceDataFolder(store.programFolder, store.raceFilePath) + "gpsdat"),
                   store.boatFile[i], &store);
  std::ifstream in;
  if (!path || !OpenFoundFile(store, in, *path)) {
    store.fixCount[slot] = 0;
    return false;
  }
  MoveBoatDown(store, i, slot);
  SizeBoatTrack(store, slot, kInitialFixCapacity);
  int n = 0;
  const std::string file = FileLabel(store.programFolder, *path);
  const TrackForm form = TrackFormOf(store.boatFile[i]);
  if (form == TrackForm::kText) {
    ReserveForFile(store, slot, *path);
    TextLines lines(in, file);
    ReadTextTrack(store, slot, lines, n);
  } else {
    ReadLoggerTrack(store, slot, in, form, file, n);
  }
  DropGlitches(store, slot, n);
  FinishTrack(store, slot, n);
  ReleaseSpareRoom(store, slot);
  return true;
}

void LoadAllTracks(RaceStore& store, const TrackProgress& progress, int workers) {
  store.droppedBoatCount = 0;
  const int count = std::min(store.boatCount, kMaxBoats);
  if (store.trackTime.size() < static_cast<std::size_t>(count) + 2) SizeTrackArrays(store);
  std::optional<TrackReadAhead> ahead;
  if (workers > 1 && count > 1) ahead.emplace(store, count, std::min(workers, count));
  for (int i = 1; i <= count; ++i) {
    if (progress) progress(store.boatFile[i], i, count);
    if (!(ahead ? TakeTrackRead(store, i, ahead->Take(i)) : LoadTrackFile(store, i))) {
      Warn(store, WarningKind::kTrackFileMissing, {store.boatName[i], store.boatFile[i]});
      ++store.droppedBoatCount;
    } else if (store.fixCount[i - store.droppedBoatCount] < kMinFixesToKeep) {
      WarnShortTrack(store, i, store.fixCount[i - store.droppedBoatCount]);
      ++store.droppedBoatCount;
    }
  }
  store.boatCount = count - store.droppedBoatCount;
  // A dropped boat takes no row in the list.
  store.boatListHeight = BoatListHeightFor(store.boatCount);
}

}  // namespace race
