// The pointer and keys over the chart: position read-out in the caption, labels and red wakes by pointer
// place, tips, zoom and recentring in the manual view, and range and bearing while Shift is held.
#pragma once

#include <optional>
#include <string>

#include "analysis/ChartFit.h"
#include "analysis/Navigation.h"
#include "playback/TimeBarInput.h"
#include "race/RaceStore.h"
#include "view/ViewState.h"

namespace playback {

inline constexpr double kNoBaseLat = -6000;
inline constexpr double kNoBaseLon = -12000;

struct MapPointer {
  int shiftDown = 0;
  double basePointLat = kNoBaseLat, basePointLon = kNoBaseLon;
  int basePointScreenX = 0, basePointScreenY = 0;
};

// A base latitude of -5400 or less, or exactly 0, counts as none.
bool HasBasePoint(const MapPointer& map);

// What the chart area shows, besides the state changed in place.
struct ChartSituation {
  int mapWidth = 0, mapHeight = 0;
  int activePage = 1;
  int tipsOn = 1;
  analysis::ChartView frameView;  // the view the last picture was drawn in
};

// The range-and-bearing read-out (Memo6) and its rubber band.
struct RangeReadout {
  std::string text;  // empty while no base point is set: the window asks for one
  bool basePointWanted = false;
  int left = 0, top = 0, width = 0, height = 17;
  bool line = false;  // red line, width 2, from the base point's screen place to the pointer
  int fromX = 0, fromY = 0, toX = 0, toY = 0;
};

struct PointerMove {
  std::string caption;                  // window caption
  std::optional<PointerTip> tip;        // hint box; none hides it
  std::optional<RangeReadout> readout;  // Memo6; none hides it
  bool restoreMap = false;              // manual view on the Track page: copy frameBitmap back
  bool copyGraphBack = false;           // Graph page: wipe hover marks
};

// FormMouseMove over the chart.
PointerMove FormMouseMove(MapPointer& map, view::Playback& playback, view::Pointer& pointer,
                          const view::ViewOptions& options, const race::RaceStore& store,
                          const analysis::ChartFit& fit, const ChartSituation& chart, int x, int y);

// "N35:12.345    E136:5.25" style position texts.
std::string LatitudeText(double minutes);
std::string LongitudeText(double minutes);

// "R= 1852m / BRG= 7deg(M)".
std::string RangeText(const analysis::RangeBearing& result);

enum class Button { Left, Right, Middle };

struct ChartClick {
  bool toggleWindGraph = false;
  bool redrawStillChart = false;
};

// FormMouseDown on the chart: wind graph toggle in Auto Trace; in the manual view a base point with Shift,
// else recentre there and zoom in by 1.5 (left) or out (other buttons).
ChartClick FormMouseDown(MapPointer& map, view::ManualView& manual, const view::ViewOptions& options,
                         const race::RaceStore& store, const analysis::ChartFit& fit,
                         const ChartSituation& chart, Button button, int x, int y);

// Image1MouseDown on the overview: the manual view recentres there. True when the still chart is to be
// redrawn.
bool Image1MouseDown(view::ManualView& manual, const view::ViewOptions& options, const race::RaceStore& store,
                     const analysis::ChartFit& fit, int x, int y);

// Keys: Shift down starts the measuring mode; any other key down ends it; any key up also forgets the
// base point.
void FormKeyDown(MapPointer& map, bool isShift);
void FormKeyUp(MapPointer& map);

}  // namespace playback
