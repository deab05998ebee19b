// The window's overlays at a replay time, from the same rules the ticks follow.
#include "playback/WindowOverlays.h"

#include "playback/Clock.h"

namespace playback {

view::TrackPageOverlays WindowOverlaysAt(const race::RaceStore& store, double raceTime) {
  view::TrackPageOverlays overlays;
  const Flags flags = FlagsAt(raceTime);
  overlays.flagPanel = flags.panelVisible;
  overlays.blueFlag = flags.blueVisible;
  view::Playback playback;
  playback.raceTime = raceTime;
  UpdateRoundingNotice(playback, store);
  overlays.roundingNoticeIndex = playback.roundingNoticeIndex;
  overlays.roundingNoticeText = playback.roundingNoticeText;
  // The window has score lines only for a race with a line to finish on. A fresh clock signals every boat
  // finished by raceTime, as a jump of the time bar does.
  if (store.lineCount < 1) return overlays;
  Clock clock;
  int guns = 0;
  overlays.finishedBoats = SignalFinishes(clock, raceTime, store, guns).shown;
  return overlays;
}

}  // namespace playback
