// The still chart of the manual view: every shown boat's whole track, marks, lines and coastline, each boat
// as a small fixed-size outline at the replay time with its name, and the time of day.
#pragma once

#include <string>

#include "analysis/ChartFit.h"
#include "view/Canvas.h"
#include "view/FrameRenderer.h"
#include "view/FrameState.h"
#include "view/ViewState.h"

namespace view {

// Date-time text as the user reads it (the shell's locale form; the fixed form in the batch command).
using DateTimeTextFunction = std::string (*)(double dateTime);

// The compass drawn along with the still chart, when the caller has one.
struct CompassSurfaces {
  Canvas& compass;     // compasst, 100 x 100
  const Canvas& rose;  // compasss, the rose picture
};

// The still chart's view: the manual centre, the chart fit's scale times the zoom.
analysis::ChartView StillView(const analysis::ChartFit& fit, const ManualView& manual, int mapWidth, int mapHeight,
                              bool northUp, int windDirection);

// Draws the still chart at raceTime when the manual view is on the Track page (else does nothing and
// returns false). Also sets the boats' cur* values, the time pointer place and hands the still view to the
// frame view, so clicks convert back to positions.
bool DrawStaticChart(Canvas& frame, const Scene& scene, const ManualView& manual, const Playback& playback,
                     FrameState& state, DateTimeTextFunction dateTimeText, CompassSurfaces* compass = nullptr);

// The time of day shown on the still chart: the part of the date-time text after its first space.
std::string TimeOfDayText(const std::string& dateTimeText);

}  // namespace view
