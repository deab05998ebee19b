// The data side of loading a race, in the order the load sequence runs it: race file, wind, tracks, colours,
// chart fit, coastline, course and speed, mark passings, trimming and legs. No window, no toolkit: the
// desktop program and the batch command both call it, so every loaded race is computed one way.
#pragma once

#include <functional>
#include <string>

#include "analysis/ChartFit.h"
#include "race/InputError.h"
#include "race/RaceStore.h"
#include "race/TrackLoader.h"

namespace analysis {

// Called before each boat's track file is read: its file name, its 1-based number, the boats of the race
// file.
using TrackProgress = race::TrackProgress;

// The race file is missing or names no existing track file. The desktop program shows its problem() text,
// "GPS file not exists.", and ends.
class NoTracksError : public race::InputError {
 public:
  explicit NoTracksError(const std::string& raceFile);
};

inline constexpr char kNoTracksMessage[] = "GPS file not exists.";

// Track files were found, but every boat was left out (no fixes inside the race window ...); the store's
// warnings, filled before the throw, say why for each boat.
class NoBoatKeptError : public race::InputError {
 public:
  explicit NoBoatKeptError(const std::string& raceFile);
};

inline constexpr char kNoBoatKeptMessage[] = "no boat has fixes inside the race window (see the warnings)";

// Loads the race named by store.raceFilePath (files under store.programFolder) into store and fits the chart
// to a mapWidth x mapHeight chart; store.warnings lists what the load found worth checking, also when it
// throws. Throws NoTracksError, NoBoatKeptError, or race::InputError for malformed input and for input that
// does not fit in memory; the store is then half loaded, so callers load into a copy and keep it only when
// this returns.
void PrepareRace(race::RaceStore& store, ChartFit& fit, int mapWidth, int mapHeight,
                 const TrackProgress& progress = {});

}  // namespace analysis
