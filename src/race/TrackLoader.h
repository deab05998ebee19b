// The load of all boats' tracks: array sizing, the race-window rules every track format shares, dropping
// short tracks and closing the gaps they leave in the boat list.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "race/RaceStore.h"
#include "race/TrackFix.h"

namespace race {

inline constexpr int kMinFixesToKeep = 50;  // a boat with fewer fixes in the window is dropped
inline constexpr int kShortTrackInterval = 30;

// Called before each boat's file is read: its file name, its 1-based number and the boat count of the race
// file.
using TrackProgress = std::function<void(const std::string& boatFile, int i, int boatCount)>;

// Gives each of the five track channels boatCount + 2 empty boat slots (0..boatCount + 1).
void SizeTrackArrays(RaceStore& store);
// Gives each channel's fix array of the slot size elements (0..size - 1); existing values survive.
void SizeBoatTrack(RaceStore& store, int slot, int size);

// Reads every boat's track (boats 1..boatCount as the race file left them). Boats whose file is missing or
// has fewer than 50 fixes inside the race window are dropped, each with a warning, and later boats move down;
// afterwards boatCount counts the boats kept and droppedBoatCount those dropped. Throws InputError from a
// malformed track file. With more than one worker the files are read ahead on that many threads; the store
// and its warnings come out the same.
void LoadAllTracks(RaceStore& store, const TrackProgress& progress = {}, int workers = 1);

// Reads the file of boat i into slot i - droppedBoatCount (moving the boat's file, name, offset and shown
// flag down first). A missing file leaves the slot with fixCount 0 and returns false.
bool LoadTrackFile(RaceStore& store, int i);
// Moves boat i's file, name, offset and shown flag down into slot.
void MoveBoatDown(RaceStore& store, int i, int slot);

// The race-window rules every track reader applies to a fix, in this order:
// The fix time in race seconds (offset of the slot's boat included) when the fix lies inside the race
// window (after the pre-start less one minute, before 30 seconds after the finish); nothing otherwise.
// A text track's fixes go by whole seconds; a logger's keep their milliseconds.
enum class FixClock { kWholeSeconds, kMilliseconds };
std::optional<double> RaceSecondsInWindow(const RaceStore& store, int slot, TDateTime gpsTime,
                                          FixClock clock = FixClock::kWholeSeconds);
// Appends a fix as fix n + 1 of the slot, growing the arrays in steps of 100 ahead of need.
void StoreFix(RaceStore& store, int slot, int& n, double raceSeconds, double lat, double lon);
// Both of the above for a logger's fix (to the millisecond) whose position is already known; true when it
// was kept.
bool StoreFixIfInWindow(RaceStore& store, int slot, int& n, const TrackFix& fix);
// Ends a track of n fixes: fixCount and fixInterval (mean spacing over the fixes 5..n-5 when n > 100,
// else 30; never below 1).
void FinishTrack(RaceStore& store, int slot, int n);

}  // namespace race
