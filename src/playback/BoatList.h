// The boat list: which boats are in focus (its check boxes and header line) and the once-a-second ticker
// of speed bars, true wind angles and the fleet's mean upwind and downwind speeds.
#pragma once

#include <string>
#include <vector>

#include "playback/MapPointer.h"
#include "race/RaceStore.h"
#include "view/FrameState.h"
#include "view/ViewState.h"

namespace playback {

// sBoatMouseDown on boat b's check box. checks holds the boxes' states (1..boatCount) and is left as the
// boxes are to show (the shell keeps the toolkit from toggling the box itself). Returns unfocusedCount.
int sBoatMouseDown(race::RaceStore& store, std::vector<bool>& checks, view::Pointer& pointer, int b,
                   Button button, bool shift);

// Label1MouseDown: every boat back in focus. Returns unfocusedCount (0).
int Label1MouseDown(race::RaceStore& store, std::vector<bool>& checks);

// The tip of the list header (Label1MouseMove), which also clears the focus.
std::optional<PointerTip> Label1MouseMove(view::Pointer& pointer, int tipsOn);

// CheckBox2 "Boat Name".
void CheckBox2Click(view::Pointer& pointer, bool checked);

// Number of boats whose boatShown is below 1.
int CountUnfocused(const race::RaceStore& store);

struct TickerRow {
  int barWidth = 1;       // pixels
  std::string speedText;  // written in white on the bar; empty for an inactive boat
  std::string twaText;    // right-aligned in four characters; empty for an inactive boat
};

// The rows 1..boatCount (element 0 unused) and the fleet means written into playback.
std::vector<TickerRow> UpdateTicker(view::Playback& playback, const view::FrameState& frame,
                                    const race::RaceStore& store);

// Round(-twa) right-aligned in four characters ("  45", " -30", "-135").
std::string TwaText(double twa);

}  // namespace playback
