// The window's panels over the replay that are widgets in the window (the start flags and the finishers'
// score panel), drawn into pictures made without a window with the same places, sizes and texts.
#pragma once

#include <string>
#include <vector>

#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace view {

// A finisher's line of the score panel: " rank  name  (+seconds behind the first)", with the name as shown.
std::string ScoreLabelText(const race::RaceStore& store, int boat, const std::string& shownName);

// The score panel at the top right: white, one line per finisher at the row of its rank, in the boat's
// colour; the leaders only, when the finishers would fill more than half the picture's height. Nothing when
// no boat has finished.
void DrawScorePanel(Canvas& picture, const race::RaceStore& store, const std::vector<int>& finishedBoats);

// The flag panel right of the compass (a grey face the size of the blue flag picture), with the blue flag
// on it when blue is up.
void DrawFlagPanel(Canvas& picture, const Canvas& blueFlag, bool blueUp);

// Where the window puts the two panels.
inline constexpr int kScorePanelWidth = 220;
inline constexpr int kScoreRowHeight = 15;
inline constexpr Point kFlagPanelPlace{115, 5};

}  // namespace view
