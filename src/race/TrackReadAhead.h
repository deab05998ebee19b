// Reading boats' track files ahead of the load on worker threads. Each worker reads into its own copy of the
// store, with its own warning list, so nothing shared is written while they run; the load then takes the
// results in file order and puts them into the store as if it had read each file itself.
#pragma once

#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "race/RaceStore.h"

namespace race {

// One boat's file as read on its own: found is false for a file missing or not opened; error holds what the
// read threw. notes are the warnings the read added, already made printable.
struct BoatTrackRead {
  bool found = false;
  TimeColumn time;
  PositionColumn lat, lon;
  MotionColumn speed, course;
  int fixCount = 0;
  int fixInterval = 0;
  std::vector<LoadWarning> notes;
  std::exception_ptr error;
};

class TrackReadAhead {
 public:
  // Starts workers reading boats 1..count of store as the race file left them.
  TrackReadAhead(const RaceStore& store, int count, int workers);
  // Stops the workers after the files they are reading and waits for them.
  ~TrackReadAhead();
  TrackReadAhead(const TrackReadAhead&) = delete;
  TrackReadAhead& operator=(const TrackReadAhead&) = delete;

  // Waits for boat i's read and hands it over; each boat is taken once.
  BoatTrackRead Take(int i);

 private:
  void StopAndJoin();
  void Work(RaceStore& scratch);
  BoatTrackRead ReadBoat(RaceStore& scratch, int i);

  const int count_;
  std::mutex mutex_;
  std::condition_variable ready_;
  int next_ = 1;  // the next boat a worker takes up
  bool stop_ = false;
  std::map<int, BoatTrackRead> done_;
  std::vector<RaceStore> scratch_;
  std::vector<std::thread> workers_;
};

// How many workers a load reads its track files with: two where there are two cores, else one.
int TrackReadWorkers();

// Puts a boat's read into the store as LoadTrackFile would have read it into slot i - droppedBoatCount, its
// notes first; rethrows the read's error. Returns found.
bool TakeTrackRead(RaceStore& store, int i, BoatTrackRead&& read);

}  // namespace race
