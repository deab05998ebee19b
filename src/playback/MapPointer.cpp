// Pointer over the chart and the overview, clicks that zoom and recentre, and the Shift measuring mode.
#include "playback/MapPointer.h"

#include <cmath>

#include "race/Numbers.h"
#include "view/Compass.h"

namespace playback {

namespace {

std::string DegreesMinutes(double minutes, const char* positive, const char* negative) {
  const double size = std::fabs(minutes);
  const int degrees = race::Int(size / 60);
  const std::string rest = race::FormatGeneral(size - degrees * 60.0).substr(0, 6);
  return std::string(minutes > 0 ? positive : negative) + std::to_string(degrees) + ":" + rest;
}

}  // namespace

bool HasBasePoint(const MapPointer& map) {
  return map.basePointLat > -5400 && map.basePointLat != 0;
}

std::string LatitudeText(double minutes) {
  return DegreesMinutes(minutes, "N", "S");
}

std::string LongitudeText(double minutes) {
  return DegreesMinutes(minutes, "E", "W");
}

std::string RangeText(const analysis::RangeBearing& result) {
  return "R= " + std::to_string(race::RoundToInt(result.rangeMetres)) +
         "m / BRG= " + std::to_string(race::RoundToInt(result.rangeBearingMag)) + "deg(M)";
}

PointerMove FormMouseMove(MapPointer& map, view::Playback& playback, view::Pointer& pointer,
                          const view::ViewOptions& options, const race::RaceStore& store,
                          const analysis::ChartFit& fit, const ChartSituation& chart, int x, int y) {
  PointerMove move;
  const bool trackPage = chart.activePage == 1;
  const bool manual = trackPage && !options.autoTrace;
  move.restoreMap = manual;
  if (manual && chart.tipsOn == 1) move.tip = PointerTip::ManualView;

  pointer.windMarks = 0;
  if (x < chart.mapWidth / 3.0) {
    pointer.nameMode = 2;
  } else if (x <= 0.66 * chart.mapWidth) {
    pointer.nameMode = 1;
  } else {
    pointer.nameMode = 0;
  }
  pointer.redWakes = (y > chart.mapHeight - 100 && options.autoTrace) ? 1 : 0;
  playback.clockTextFrozen = 0;
  pointer.focusBoat = 0;
  move.copyGraphBack = !trackPage;

  const analysis::Position here = analysis::ChartToPosition(x, y, chart.frameView);
  if (trackPage) {
    move.caption = store.raceCaption + LatitudeText(here.lat) + "    " + LongitudeText(here.lon) + "      " +
                   store.raceNote;
  } else {
    move.caption = store.raceCaption + "     " + store.raceNote;
  }

  if (manual && map.shiftDown == 1) {
    RangeReadout readout;
    if (!HasBasePoint(map)) {
      readout.basePointWanted = true;
      readout.width = 180;
    } else {
      const analysis::RangeBearing result = analysis::RangeAndBearing(
          {map.basePointLat, map.basePointLon}, here, fit.cosMidLatitude, store.magneticVariation);
      readout.text = RangeText(result);
      readout.width = 200;
      readout.line = true;
      readout.fromX = map.basePointScreenX;
      readout.fromY = map.basePointScreenY;
      readout.toX = x;
      readout.toY = y;
    }
    readout.top = y - 20;
    readout.left = x + 10;
    move.readout = readout;
  }
  if (pointer.redWakes == 1) move.tip = PointerTip::RedWakes;
  return move;
}

ChartClick FormMouseDown(MapPointer& map, view::ManualView& manual, const view::ViewOptions& options,
                         const race::RaceStore& store, const analysis::ChartFit& fit,
                         const ChartSituation& chart, Button button, int x, int y) {
  ChartClick click;
  if (chart.activePage != 1) return click;
  if (options.autoTrace) {
    click.toggleWindGraph = store.windCount > 0;
    return click;
  }
  // Clicks convert through the still chart the user sees.
  const analysis::ChartView view =
      view::StillView(fit, manual, chart.mapWidth, chart.mapHeight, options.northUp, store.windDirection);
  const analysis::Position at = analysis::ChartToPosition(x, y, view);
  if (map.shiftDown == 1) {
    map.basePointLat = at.lat;
    map.basePointLon = at.lon;
    map.basePointScreenX = x;
    map.basePointScreenY = y;
    return click;
  }
  manual.viewCentreLat = at.lat;
  manual.viewCentreLon = at.lon;
  if (button == Button::Left) {
    manual.zoomFactor *= 1.5;
  } else {
    manual.zoomFactor /= 1.5;
  }
  click.redrawStillChart = true;
  return click;
}

bool Image1MouseDown(view::ManualView& manual, const view::ViewOptions& options, const race::RaceStore& store,
                     const analysis::ChartFit& fit, int x, int y) {
  if (!options.trackPage || options.autoTrace) return false;
  const analysis::Position at =
      analysis::ChartToPosition(x, y, view::OverviewView(fit, options.northUp, store.windDirection));
  manual.viewCentreLat = at.lat;
  manual.viewCentreLon = at.lon;
  return true;
}

void FormKeyDown(MapPointer& map, bool isShift) {
  map.shiftDown = isShift ? 1 : 0;
}

void FormKeyUp(MapPointer& map) {
  map.shiftDown = 0;
  map.basePointLat = kNoBaseLat;
  map.basePointLon = kNoBaseLon;
}

}  // namespace playback
