// What the window shows over the replay at a replay time besides the frame: the start flags, the mark
// rounding notice and the score panel, worked out from the time alone, as a picture or a video frame made
// without the window's ticks needs them.
#pragma once

#include "race/RaceStore.h"
#include "view/TrackPagePicture.h"
#include "view/ViewState.h"

namespace playback {

// The rounding notice of the once-a-second tick: the latest course point (not the start or finish) that the
// first boat rounded less than 180 s before raceTime, with the seconds since; index 0 when there is none.
void SetRoundingNotice(view::Playback& playback, const race::RaceStore& store, double raceTime);

view::TrackPageOverlays WindowOverlaysAt(const race::RaceStore& store, double raceTime);

}  // namespace playback
