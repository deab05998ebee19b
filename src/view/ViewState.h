// The plain state the renderers read besides the race: the check boxes and radio buttons of the control
// panel, the pointer-driven display modes, the replay clock, and the manual chart view. The shell fills
// these from its controls and the playback logic; renderers never touch widgets.
#pragma once

#include <string>

namespace view {

struct ViewOptions {
  bool autoTrace = true;        // CheckBox1 "Auto Trace": the chart follows the fleet
  bool layLines = false;        // chkLL "Layline"
  bool compLine = false;        // ChkRefLine "Comp Ht": a line through each boat square to the wind
  bool bigBoat = false;         // ChkBigBoat "Boat Size": small boats enlarged to 14 pixels
  bool boatName = false;        // CheckBox2 "Boat Name"
  bool northUp = false;         // RadioN "Northwd" checked; RadioW "Windwd" otherwise
  bool trackPage = true;        // the Track page is shown (activePage = 1)
  bool manoeuvreMarks = false;  // chkTacks: tacks and gybes marked on the wakes
  bool speedTails = false;      // chkSpeedTail: wakes coloured from slow to fast, with a legend
  bool longTails = false;       // chkLongTail: wakes five times as long
  int graphSmoothSeconds = 0;   // cmbSmooth: the Graph page's curves averaged over this many seconds
};

// Display modes set by the pointer over the chart, the compass and the boat list.
struct Pointer {
  int focusBoat = 0;   // boat with halo and label
  int pickedBoat = 0;  // second, permanent halo
  int nameMode = 0;    // 0 no labels, 1 names, 2 names and speed
  int windMarks = 0;   // wind pointers beside the boats
  int redWakes = 0;    // wakes of boats faster than the fleet mean drawn red
};

// The replay clock and the once-a-second values the frame reads.
struct Playback {
  double raceTime = 0;          // seconds from the start gun
  int clockTextFrozen = 0;      // the time-bar hover holds the clock read-out and the overview dots
  int framesThisSecond = 0;     // counted by each frame
  double clockSecond = 0;       // time of day of the replay, for the analog clock
  double traceScale = 1.0;      // zoom divisor of the auto-trace view, >= 1
  int roundingNoticeIndex = 0;  // course point rounded less than 180 s ago, else 0
  std::string roundingNoticeText;
  double upwindMeanSpeed = 10000;  // fleet means of the ticker; 10000 = no boat in the group
  double downwindMeanSpeed = 10000;
};

// The still chart's own view: panned and zoomed by clicks in the manual view.
struct ManualView {
  double viewCentreLat = 0;
  double viewCentreLon = 0;
  double zoomFactor = 1.0;
};

}  // namespace view
