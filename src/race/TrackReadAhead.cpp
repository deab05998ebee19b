// The track files read on worker threads and taken into the store in file order.
#include "race/TrackReadAhead.h"

#include <algorithm>
#include <utility>

#include "race/LoadNotes.h"
#include "race/TrackLoader.h"

namespace race {

TrackReadAhead::TrackReadAhead(const RaceStore& store, int count, int workers) : count_(count) {
  // The copies are made before any worker starts: the store is not read while they run.
  scratch_.assign(static_cast<std::size_t>(std::max(workers, 1)), store);
  for (RaceStore& scratch : scratch_) {
    scratch.droppedBoatCount = 0;  // so that boat i is read into slot i
    scratch.warnings.clear();
  }
  try {
    for (RaceStore& scratch : scratch_) workers_.emplace_back([this, &scratch] { Work(scratch); });
  } catch (...) {
    StopAndJoin();  // a thread the system would not start: the ones started must not outlive this
    throw;
  }
}

TrackReadAhead::~TrackReadAhead() {
  StopAndJoin();
}

void TrackReadAhead::StopAndJoin() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  for (std::thread& worker : workers_) worker.join();
}

BoatTrackRead TrackReadAhead::Take(int i) {
  std::unique_lock lock(mutex_);
  ready_.wait(lock, [&] { return done_.contains(i); });
  BoatTrackRead read = std::move(done_.at(i));
  done_.erase(i);
  return read;
}

void TrackReadAhead::Work(RaceStore& scratch) {
  while (true) {
    int i = 0;
    {
      const std::lock_guard lock(mutex_);
      if (stop_ || next_ > count_) return;
      i = next_++;
    }
    BoatTrackRead read = ReadBoat(scratch, i);
    const bool failed = static_cast<bool>(read.error);
    {
      const std::lock_guard lock(mutex_);
      done_.emplace(i, std::move(read));
      // A failed file ends the load there: the boats after it are not needed.
      stop_ = stop_ || failed;
    }
    ready_.notify_all();
  }
}

BoatTrackRead TrackReadAhead::ReadBoat(RaceStore& scratch, int i) {
  BoatTrackRead read;
  try {
    read.found = LoadTrackFile(scratch, i);
    if (read.found) {
      read.time = std::move(scratch.trackTime[i]);
      read.lat = std::move(scratch.trackLat[i]);
      read.lon = std::move(scratch.trackLon[i]);
      read.speed = std::move(scratch.trackSpeed[i]);
      read.course = std::move(scratch.trackCourse[i]);
      read.fixCount = scratch.fixCount[i];
      read.fixInterval = scratch.fixInterval[i];
    }
  } catch (...) {
    read.error = std::current_exception();
  }
  read.notes = std::move(scratch.warnings);
  scratch.warnings.clear();
  return read;
}

int TrackReadWorkers() {
  return std::thread::hardware_concurrency() >= 2 ? 2 : 1;
}

bool TakeTrackRead(RaceStore& store, int i, BoatTrackRead&& read) {
  for (LoadWarning& note : read.notes) KeepLoadNote(store, std::move(note));
  if (read.error) std::rethrow_exception(read.error);
  const int slot = i - store.droppedBoatCount;
  if (!read.found) {
    store.fixCount[slot] = 0;
    return false;
  }
  MoveBoatDown(store, i, slot);
  store.trackTime[slot] = std::move(read.time);
  store.trackLat[slot] = std::move(read.lat);
  store.trackLon[slot] = std::move(read.lon);
  store.trackSpeed[slot] = std::move(read.speed);
  store.trackCourse[slot] = std::move(read.course);
  store.fixCount[slot] = read.fixCount;
  store.fixInterval[slot] = read.fixInterval;
  return true;
}

}  // namespace race
