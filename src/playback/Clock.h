// The playback clock: the frame tick and the once-a-second tick, the SPEED and ZOOM bars, the GO/STOP pad,
// Auto Trace, the page buttons and the Shift key, as state changes that tell the shell what to show.
#pragma once

#include <string>
#include <vector>

#include "analysis/ChartFit.h"
#include "race/RaceCatalogue.h"
#include "race/RaceStore.h"
#include "view/FrameState.h"
#include "view/ViewState.h"

namespace playback {

// Which pad image is lit; Playing means both timers run.
enum class PlayState { Forward, Backward, Stopped };

struct Clock {
  double prevRaceTime = 0;  // raceTime at the end of the previous frame tick
  double timeStep = 0.1;    // race seconds per frame tick
  int playDirection = 1;
  double speedFactor = 5.0;  // race seconds per real second
  int frameInterval = 50;    // ms
  int activePage = 1;        // 1 Track, 2 Graph or Table
  PlayState playState = PlayState::Forward;
  int finishedCount = 0;
  std::vector<int> finishSignalled;  // 1..boatCount
};

// What the shell does after a tick or a control, besides reading the clock's play state.
struct Effects {
  int beeps = 0;
  int guns = 0;
  bool presentFrame = false;      // draw the frame at raceTime and show it
  bool redrawStillChart = false;  // manual view: draw the still chart again
  bool showClock = false;         // Memo1 shows startTime + clockSeconds
  double clockSeconds = 0;
  std::string loadRacePath;  // AutoNext: load this catalogue race; the tick ends there
  int loadRaceIndex = 0;
};

// The score panel as the finish signals leave it.
struct ScoreChange {
  std::vector<int> shown;   // score labels to show, in signalling order
  std::vector<int> hidden;  // score labels to hide
  int finishedCount = 0;    // pnlScore shows while above 0, a row per finisher (the leaders of a big fleet)
};

// A race was loaded: forward from the start of its time line at the step of a fresh load.
void RaceLoaded(Clock& clock, view::Playback& playback, const race::RaceStore& store);

// Frame tick, steps before the frame: moves raceTime one step, wraps it or, with AutoNext on, asks for the
// catalogue's next race. presentFrame is false when the tick is idle (another page) or loads a race.
Effects Timer1Advance(Clock& clock, view::Playback& playback, const race::RaceStore& store,
                      const race::RaceCatalogue& catalogue = {});

// Frame tick, steps after the frame: finish signals, clock read-out and the start gun.
Effects Timer1AfterFrame(Clock& clock, const view::Playback& playback, const race::RaceStore& store,
                         ScoreChange& score);

// Brings the finish signals into line with raceTime: every boat that has finished by then is signalled,
// no other. Newly finished boats sound one gun per call, however many finish at once.
ScoreChange SignalFinishes(Clock& clock, double raceTime, const race::RaceStore& store, int& guns);

// The once-a-second tick: the step for the measured frame rate, whole seconds, countdown beeps and the
// mark-rounding notice. Counts the frames afresh.
Effects Timer2Tick(Clock& clock, view::Playback& playback, const race::RaceStore& store);

// The mark-rounding notice at raceTime: the last course point (not start, not finish) first rounded less
// than 180 s before, with the seconds since.
void UpdateRoundingNotice(view::Playback& playback, const race::RaceStore& store);

// Flags of the start sequence at a replay time.
struct Flags {
  bool panelVisible = false;  // pnlFLAG, until the gun
  bool blueVisible = false;   // blue_p, four minutes to one minute before the gun
};
Flags FlagsAt(double raceTime);

// Race seconds per frame tick for a speed and the frames drawn in the last second (below 5 taken as 20).
double TimeStepFor(double speedFactor, int framesThisSecond);

// SPEED bar position to replay speed (1..10, 10..100, 100..600) and its read-out ("5X").
double SpeedFactorAt(int position);
std::string SpeedText(double speedFactor);
void ScrollBar1Change(Clock& clock, int position);

// ZOOM bar position to the auto-trace zoom divisor (10 at 0 down to 1 from 90).
double TraceScaleAt(int position);

// The pad. Each first turns Auto Trace on (running CheckBox1Click when it was off).
Effects up_fClick(Clock& clock, view::ViewOptions& options);
Effects dn_fClick(Clock& clock, view::ViewOptions& options);
Effects stop_fClick(Clock& clock, view::ViewOptions& options);
Effects LitImageClick(Clock& clock, view::ViewOptions& options);  // up_tClick, dn_tClick
// One-second steps, stopping the replay; the time line wraps at both ends.
Effects plusClick(Clock& clock, view::Playback& playback, view::ViewOptions& options,
                  const race::RaceStore& store);
Effects minusClick(Clock& clock, view::Playback& playback, view::ViewOptions& options,
                   const race::RaceStore& store);

// Auto Trace box changed to checked. Unchecking stops the replay and resets the manual view to the whole
// race.
Effects CheckBox1Click(Clock& clock, view::ViewOptions& options, view::ManualView& manual,
                       view::FrameState& frame, const analysis::ChartFit& fit, bool checked);

// Track page chosen: playback runs again unless the pad is stopped.
void RadioButton1Click(Clock& clock, view::ViewOptions& options);
// Graph or Table page chosen: the ticks go idle.
void OtherPageClick(Clock& clock, view::ViewOptions& options);

// Button1 (EXIT): both timers stop.
void Button1Click(Clock& clock);

}  // namespace playback
