// The program's state for the life of the window: the race store (swapped whole when a load succeeds), the
// race catalogue, the one playback clock, the chart fit and sun estimate, and the view state the renderers
// read. The race session owns it; widgets read it and change it through the session's commands.
#pragma once

#include <memory>
#include <string>

#include "analysis/ChartFit.h"
#include "playback/Clock.h"
#include "race/RaceCatalogue.h"
#include "race/RaceStore.h"
#include "view/FrameState.h"
#include "view/SeaColour.h"
#include "view/ViewState.h"

namespace shell {

struct AppState {
  std::unique_ptr<race::RaceStore> store = std::make_unique<race::RaceStore>();
  race::RaceCatalogue catalogue;
  playback::Clock clock;  // speed, step, direction, page, play state, finish signals
  analysis::ChartFit chartFit;
  analysis::SunEstimate sun;

  view::Sea sea;
  view::ViewOptions options;
  view::Pointer pointer;
  view::Playback playback;
  view::ManualView manualView;
  view::FrameState frame;

  // Language and tips: englishTexts 0 = Japanese, above 0 English (2 = English without a switch).
  int englishTexts = 2;
  int tipsOn = 1;
  std::string hintText = "\r\n";
  int firstLoadDone = 0;
  int unfocusedCount = 0;

  // The chart's size in pixels.
  int mapWidth = 0, mapHeight = 0;
};

}  // namespace shell
