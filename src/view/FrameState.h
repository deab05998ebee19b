// The per-frame state of the replay: the wind at the replay time, each boat's interpolated position,
// heading, speed and true wind angle, the auto-trace view, and the places of the small moving markers
// (time pointer, wind-graph line, compass wind dot, overview dots) that the shell puts its widgets at.
#pragma once

#include <string>
#include <vector>

#include "analysis/ChartFit.h"
#include "analysis/Navigation.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"
#include "view/ViewState.h"

namespace view {

struct FrameState {
  // Per boat, 1..boatCount.
  std::vector<int> lastFixIndex, boatActive;
  std::vector<double> curLat, curLon, curCourse, curSpeed, curTwa;

  // Wind at the replay time.
  int windFileDirNow = 0;  // as written in the wind file, interpolated
  int windTrueDirNow = 0;  // windFileDirNow + Round(magneticVariation)
  double windSpeedNow = 5;
  int windSearchIndex = 0;

  // Extent of the shown boats, minutes.
  double fleetMaxLat = -50000, fleetMinLat = 50000, fleetMaxLon = -50000, fleetMinLon = 50000;

  // The frame view.
  double frameCentreLat = 0, frameCentreLon = 0;
  double framePxPerMinuteLat = 1, framePxPerMinuteLon = 1;
  double framePxPerKm = 1;
  double boatLenPx = 6;  // Round(L), at least 6
  std::string boatSizeText;
  double gridStep = 1;  // km

  // Places of the moving markers.
  int timePointerTop = 0;                     // TimePointer in pnlTimeBar
  int windBarTop = 0;                         // pnlBAR on the wind graph (only moved when there is wind)
  int windMarkerLeft = 0, windMarkerTop = 0;  // windmk on the compass
  std::string compassWindText;                // Memo3
  std::string compassWindSpeedText;           // under it, when the wind file gives speeds: "12.3kn"
  std::vector<Point> overviewDots;            // boatDot left/top, 1..boatCount

  // Sizes of widgets outside the chart that the frame's arithmetic uses; the shell sets them.
  int windowHeight = 1000;  // the main window's outer height: the grid covers a quarter of it
  int timeBarHeight = 940;  // TimeBar picture height
  int compassSize = 100;    // compasst width and height
};

// Sizes the per-boat arrays for a freshly loaded race and forgets the cached search places.
void ResetFrameState(FrameState& state, int boatCount);

// The frame view as a chart view on a bitmap of the given size.
analysis::ChartView FrameView(const FrameState& state, int mapWidth, int mapHeight, bool northUp,
                              int windDirection);

// Wind at raceTime from the wind samples (the race's fixed wind at 5 knots without samples); moves the
// wind-graph line and the compass wind marker.
void ComputeFrameWind(FrameState& state, const race::RaceStore& store, double raceTime, bool northUp);

// Every boat's state at frame time t, and the extent of the shown boats.
void ComputeBoatStates(FrameState& state, const race::RaceStore& store, double t);

// The auto-trace view: the shown fleet (or, in the manual view, the whole race) filling 60 % of the chart
// height, divided by the zoom; also the boat length in pixels.
void ComputeFrameView(FrameState& state, const race::RaceStore& store, const analysis::ChartFit& fit,
                      const ViewOptions& options, double traceScale, int mapHeight);

// Kilometre grid step for the current scale: a quarter of the window height, rounded to a chart-like step.
double GridStep(double windowHeight, double framePxPerKm);
// The step ladder alone, for g km (a quarter of the window height to 0.1 km): 0.05 .. 0.5, 1, 2, 5, tens.
double GridStepFor(double g);

// Overview dot corners at the boats' current positions (inactive boats keep their last position).
void PlaceOverviewDots(FrameState& state, const race::RaceStore& store, const analysis::ChartFit& fit,
                       bool northUp);

}  // namespace view
