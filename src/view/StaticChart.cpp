// The still chart drawn when Auto Trace is off.
#include "view/StaticChart.h"

#include <algorithm>

#include "analysis/FixInterval.h"
#include "race/Numbers.h"
#include "view/BoatGlyph.h"
#include "view/ChartProjector.h"
#include "view/Coastline.h"
#include "view/Compass.h"
#include "view/CourseMarks.h"
#include "view/DrawStyle.h"
#include "view/TimeBar.h"

namespace view {

namespace {

constexpr double kStillBoatLength = 16;  // pixels, whatever the zoom

// Boat positions at the replay time, from the fix intervals (the last interval of a track is not searched).
void PlaceStillBoats(FrameState& state, const race::RaceStore& store, double raceTime) {
  if (static_cast<int>(state.curLat.size()) < store.boatCount + 1) ResetFrameState(state, store.boatCount);
  for (int i = 1; i <= store.boatCount; ++i) {
    state.curLat[i] = state.curLon[i] = 0;
    const auto& times = store.trackTime[i];
    const int fixes = std::min<int>(store.fixCount[i], static_cast<int>(times.size()) - 1);
    if (const int j = analysis::FindFixInterval(times, fixes - 2, state.lastFixIndex[i], raceTime); j > 0) {
      const double f = times[j + 1] > times[j] ? (raceTime - times[j]) / (times[j + 1] - times[j]) : 0;
      state.curLat[i] = store.trackLat[i][j] + (store.trackLat[i][j + 1] - store.trackLat[i][j]) * f;
      state.curLon[i] = store.trackLon[i][j] + (store.trackLon[i][j + 1] - store.trackLon[i][j]) * f;
      state.curCourse[i] = store.trackCourse[i][j];
      state.curSpeed[i] = store.trackSpeed[i][j];
      double twa = state.windTrueDirNow - state.curCourse[i];
      if (twa > 180) twa -= 360;
      if (twa < -180) twa += 360;
      state.curTwa[i] = twa;
    }
  }
}

}  // namespace

analysis::ChartView StillView(const analysis::ChartFit& fit, const ManualView& manual, int mapWidth,
                              int mapHeight, bool northUp, int windDirection) {
  analysis::ChartView view;
  view.centreLat = manual.viewCentreLat;
  view.centreLon = manual.viewCentreLon;
  view.pxPerMinuteLat = fit.pxPerMinuteLat;
  view.pxPerMinuteLon = fit.pxPerMinuteLon;
  view.zoomFactor = manual.zoomFactor;
  view.mapWidth = mapWidth;
  view.mapHeight = mapHeight;
  view.northUp = northUp;
  view.windDirection = windDirection;
  return view;
}

std::string TimeOfDayText(const std::string& dateTimeText) {
  const auto space = dateTimeText.find(' ');
  if (space == std::string::npos) return dateTimeText;
  return dateTimeText.substr(space + 1, 20);
}

bool DrawStaticChart(Canvas& frame, const Scene& scene, const ManualView& manual, const Playback& playback,
                     FrameState& state, DateTimeTextFunction dateTimeText, CompassSurfaces* compass) {
  if (scene.options.autoTrace || !scene.options.trackPage) return false;
  const race::RaceStore& store = scene.store;
  const Colour sea = scene.sea.seaColour;
  const bool northUp = scene.options.northUp;
  const analysis::ChartView view =
      StillView(scene.fit, manual, frame.Width(), frame.Height(), northUp, store.windDirection);

  frame.SetBrush(sea);
  frame.Rectangle(0, 0, frame.Width(), frame.Height());

  const ChartProjector project(view);
  std::vector<Point> track;
  for (int i = store.boatCount; i >= 1; --i) {
    if (store.boatShown[i] <= 0) continue;
    project.TrackPixels(store, i, track);
    frame.SetPen(store.boatColour[i]);
    frame.Polyline(track);
  }

  for (int i = 1; i <= std::min(store.markCount, race::kMaxMarks); ++i) {
    const analysis::ChartPoint p = analysis::ProjectToChart(store.markLat[i], store.markLon[i], view);
    DrawMarkDot(frame, p.x, p.y);
    const std::string label = CoursePointLabel("MK", i);
    DrawCourseLabel(frame, sea, label, p.x, p.y);
    const int notice = playback.roundingNoticeIndex;
    if (notice > 0 && notice < static_cast<int>(store.courseMark.size()) &&
        store.courseMark[notice] == label) {
      const std::string& text = playback.roundingNoticeText;
      frame.SetFont(FontPixels(20), kRed, true, true);
      frame.TextOut(p.x - 14 * static_cast<int>(text.size()), p.y - 40, text);
    }
  }
  for (int i = 1; i <= std::min(store.lineCount, race::kMaxLines); ++i) {
    const analysis::ChartPoint a = analysis::ProjectToChart(store.lineLat1[i], store.lineLon1[i], view);
    const analysis::ChartPoint b = analysis::ProjectToChart(store.lineLat2[i], store.lineLon2[i], view);
    frame.SetPen(kYellow);
    frame.MoveTo(a.x, a.y);
    frame.LineTo(b.x, b.y);
    DrawMarkDot(frame, a.x, a.y);
    DrawMarkDot(frame, b.x, b.y);
    DrawLineEndLabel(frame, sea, CoursePointLabel("L", i), a, store, view);
    DrawLineEndLabel(frame, sea, CoursePointLabel("L", i), b, store, view);
  }

  frame.SetPen(kWhite);
  DrawCoastline(frame, store, view);

  state.timePointerTop = TimePointerTop(store, playback.raceTime, state.timeBarHeight);
  // The wind of the moment shown, not of the last replayed frame: the compass and the boats' wind angles
  // follow a jump made while the replay is stopped.
  ComputeFrameWind(state, store, playback.raceTime, northUp);
  PlaceStillBoats(state, store, playback.raceTime);

  for (int i = 1; i <= store.boatCount; ++i) {
    if (state.curLat[i] == 0 || state.curLon[i] == 0) continue;
    const double h = ScreenHeading(state.curCourse[i], northUp, store.windDirection);
    const std::array<Point, 9> hull =
        HullPoints(store, project.Exact(state.curLat[i], state.curLon[i]), kStillBoatLength, h);
    const std::vector<Point> outline(hull.begin(), hull.begin() + 8);
    frame.SetPen(scene.sea.seaStyle >= 3 ? kSilver : store.boatColour[i]);
    frame.SetBrush(store.boatColour[i]);
    frame.Polygon(outline);
    frame.SetPen(kWhite);
    frame.Polyline(outline);  // a white rim
  }
  for (int i = 1; i <= store.boatCount; ++i) {
    if (state.curLat[i] == 0 || state.curLon[i] == 0) continue;
    const analysis::Offset c = project.Exact(state.curLat[i], state.curLon[i]);
    frame.SetBrush(sea);
    frame.SetFont(FontPixels(9), kWhite, false, true);
    frame.TextOut(race::RoundToInt(c.x + 10), race::RoundToInt(c.y - 6), store.boatName[i]);
  }

  if (compass != nullptr) DrawCompass(compass->compass, compass->rose, CompassAngle(store, northUp));

  const std::string clock =
      TimeOfDayText(dateTimeText(store.startTime + race::Round(playback.raceTime) / 86400));
  frame.SetBrush(sea);
  frame.SetFont(FontPixels(12), kWhite, false, true);
  // 63 pixels from the right edge, moved left as far as a wider time text needs to stay on the chart.
  const int clockX = std::min(frame.Width() - 63, frame.Width() - frame.TextWidth(clock) - 4);
  frame.TextOut(clockX, frame.Height() - 25, clock);

  // Hand the still view to the frame view, so clicks on it convert back to positions.
  state.frameCentreLat = manual.viewCentreLat;
  state.frameCentreLon = manual.viewCentreLon;
  state.framePxPerMinuteLat = scene.fit.pxPerMinuteLat * manual.zoomFactor;
  state.framePxPerMinuteLon = scene.fit.pxPerMinuteLon * manual.zoomFactor;
  frame.SetFont(FontPixels(9), kBlack);
  return true;
}

}  // namespace view
