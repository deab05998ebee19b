// The frame renderer: one picture of the race at a replay time, drawn into frameBitmap every playback tick
// (grid, coastline, scale bar, marks and lines, wakes, comparison lines, labels, halos, boats, the race
// clock and the analog clock), computing the per-frame state on the way.
#pragma once

#include <string>
#include <vector>

#include "analysis/ChartFit.h"
#include "analysis/Manoeuvres.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"
#include "view/FrameState.h"
#include "view/SeaColour.h"
#include "view/ViewState.h"

namespace view {

// Everything a chart picture is drawn from besides its own per-frame state.
struct Scene {
  const race::RaceStore& store;
  const analysis::ChartFit& fit;
  const Sea& sea;
  const ViewOptions& options;
  const Pointer& pointer;
  // Each boat's tacks and gybes, [boat]; needed only while options.manoeuvreMarks is on.
  const std::vector<std::vector<analysis::Manoeuvre>>* manoeuvres = nullptr;
};

// Fills the chart with the sea, as the caller does before each frame (the outline takes the current pen).
void FillSea(Canvas& frame, Colour seaColour);

// Draws the race at frame time t (boats at t; wind, pointers and clock text at playback.raceTime) on a
// canvas already filled with the sea. Counts the frame in playback.framesThisSecond.
void DrawFrame(Canvas& frame, double t, const Scene& scene, Playback& playback, FrameState& state);

// The race clock text of a replay time: seconds below a minute, mm:ss, and h:mm:ss above 3000 s; no sign.
std::string RaceClockText(double raceTime);

// Steps of the frame, in drawing order (used by DrawFrame; public so each can be checked on its own).
void DrawGrid(Canvas& frame, const FrameState& state, const analysis::ChartView& view, Colour gridColour);
void DrawScaleBar(Canvas& frame, const FrameState& state, Colour seaColour);
void DrawMarksAndLines(Canvas& frame, const Scene& scene, const Playback& playback, const FrameState& state,
                       const analysis::ChartView& view);
void DrawBoatsLayer(Canvas& frame, const Scene& scene, const Playback& playback, FrameState& state,
                    const analysis::ChartView& view);
void DrawRaceClock(Canvas& frame, double raceTime);
void DrawAnalogClock(Canvas& frame, double clockSecond, double seaBrightness);

}  // namespace view
