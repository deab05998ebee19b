// What the window shows over the replay at a replay time besides the frame: the start flags, the mark
// rounding notice and the score panel, worked out from the time alone, as a picture or a video frame made
// without the window's ticks needs them.
#pragma once

#include "race/RaceStore.h"
#include "view/TrackPagePicture.h"

namespace playback {

view::TrackPageOverlays WindowOverlaysAt(const race::RaceStore& store, double raceTime);

}  // namespace playback
