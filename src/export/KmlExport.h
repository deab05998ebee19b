// The three KML exports: the present scene (recent wakes and positions at the replay time), the whole
// race (tracks, position snapshots, marks and lines) and the race with time (a timed track per boat that a
// globe viewer's time slider plays, marks and lines), written to a stream or to a file.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "race/RaceStore.h"
#include "view/FrameState.h"

namespace kml {

// What the exports need besides the race.
struct KmlOptions {
  int englishTexts = 2;      // above 0: English descriptions; 0: Japanese
  int kmlHideUnfocused = 0;  // 1: only boats in focus are exported
  std::string iconFolder;    // absolute, ending in '/': where ar0.png ... ar350.png and buoi.png lie
  // Date-time text (short date, a blank, long time); empty means the fixed form yyyy/MM/dd HH:mm:ss.
  std::function<std::string(race::TDateTime)> dateTimeText;
};

// The present scene reads the per-boat state the frame renderer left for the replay time raceTime
// (lastFixIndex, boatActive, curLat, curLon, curSpeed, curCourse).
void WritePresentScene(std::ostream& out, const race::RaceStore& store, const view::FrameState& frame,
                       double raceTime, const KmlOptions& options);
void WriteWholeRace(std::ostream& out, const race::RaceStore& store, const KmlOptions& options);
// Each boat a gx:Track with a time (UTC) and a place per fix, in the boat's KML colour.
void WriteTimedRace(std::ostream& out, const race::RaceStore& store, const KmlOptions& options);

// The same into a file (created, or replaced once complete). Empty on success, else the reason it failed.
std::string ExportPresentScene(const std::string& path, const race::RaceStore& store,
                               const view::FrameState& frame, double raceTime, const KmlOptions& options);
std::string ExportWholeRace(const std::string& path, const race::RaceStore& store, const KmlOptions& options);
std::string ExportTimedRace(const std::string& path, const race::RaceStore& store, const KmlOptions& options);

// The seconds between the whole-race snapshots for a time line ending at timelineEnd.
int SnapshotInterval(double timelineEnd);
// How many snapshots the whole-race export takes (they lie at 0, S, 2S ... seconds after the start).
int SnapshotCount(double timelineEnd);

}  // namespace kml
