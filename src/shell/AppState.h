// The program's state for the life of the window: the race store (swapped whole when a load succeeds),
// the chart fit and sun estimate, the view and replay state the renderers read, and the settings the
// start-up and load sequence set.
#pragma once

#include <memory>
#include <string>

#include "analysis/ChartFit.h"
#include "race/RaceStore.h"
#include "view/FrameState.h"
#include "view/SeaColour.h"
#include "view/ViewState.h"

namespace shell {

struct AppState {
  std::unique_ptr<race::RaceStore> store = std::make_unique<race::RaceStore>();
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

  // Replay settings the load sequence resets; the playback clock runs on them.
  double speedFactor = 5.0;
  int frameInterval = 50;  // ms
  double timeStep = 0.1;
  int playDirection = 1;
  int activePage = 1;
  int unfocusedCount = 0;
  int finishedCount = 0;

  // Map set-up.
  int mapWidth = 0, mapHeight = 0;
  std::string helpPathJa, helpPathEn;
};

}  // namespace shell
