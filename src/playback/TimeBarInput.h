// The time bar under the pointer: hovering previews a moment (clock read-out held, overview dots moved,
// tip), a click jumps the replay there, and the strip below the bar jumps back to the start.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/ChartFit.h"
#include "playback/Clock.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"
#include "view/StaticChart.h"
#include "view/ViewState.h"

namespace playback {

// The tips the pointer logic asks the window to show in its hint box; the window words them in the
// current language.
enum class PointerTip {
  ManualView,  // zoom clicks and the Shift measuring mode
  RedWakes,    // what the red wakes mean
  FocusAll,    // the boat list header's click
  TimeBar,     // the time bar's click, with the moment under the pointer
};

// Replay time for a pointer at height y in a bar of the given height: the top is the end of the time line.
double TimeAtBar(const race::RaceStore& store, int y, int barHeight);

struct Hover {
  double clockSeconds = 0;                       // Memo1 shows startTime + this
  std::vector<std::optional<view::Point>> dots;  // overview dot corners, 1..boatCount; empty = stays
  std::optional<PointerTip> tip;                 // TimeBar: the moment is startTime + clockSeconds
};

// TimeBarMouseMove: freezes the clock text and previews time t on the overview.
Hover TimeBarMouseMove(view::Playback& playback, view::Pointer& pointer, const race::RaceStore& store,
                       const analysis::ChartFit& fit, const view::ViewOptions& options, int y, int barHeight,
                       int tipsOn);

// TimeBarMouseDown: jumps to the time under the pointer. In Auto Trace the finish signals start afresh
// and a frame is presented; in the manual view the still chart is redrawn. The play state stays.
Effects TimeBarMouseDown(Clock& clock, view::Playback& playback, const race::RaceStore& store,
                         const view::ViewOptions& options, int y, int barHeight, ScoreChange& score);

// BackTimeBarMouseDown: a press in the lowest 30 pixels goes back to the start; nothing is redrawn.
void BackTimeBarMouseDown(view::Playback& playback, const race::RaceStore& store, int y, int height);

// pnlTimeBarMouseMove and the side panels' tidying: releases the clock text, clears the focus and, unless
// Boat Name is checked, the labels.
void ReleasePointer(view::Playback& playback, view::Pointer& pointer, const view::ViewOptions& options);

}  // namespace playback
