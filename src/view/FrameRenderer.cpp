// DrawFrame and the chart layers under the boats: grid, coastline, scale bar, marks and lines.
#include "view/FrameRenderer.h"

#include "race/Numbers.h"
#include "view/Coastline.h"
#include "view/CourseMarks.h"
#include "view/DrawStyle.h"
#include "view/LayLines.h"
#include "view/TimeBar.h"

namespace view {

namespace {

constexpr int kLabelPoints = 9;
constexpr int kNoticePoints = 20;

// The rounding notice next to the course point just rounded: 4 pixels per character left, 40 above.
void DrawRoundingNotice(Canvas& frame, const Scene& scene, const Playback& playback, const std::string& label,
                        int x, int y) {
  const int index = playback.roundingNoticeIndex;
  if (index <= 0 || index >= static_cast<int>(scene.store.courseMark.size())) return;
  if (scene.store.courseMark[index] != label) return;
  const std::string& text = playback.roundingNoticeText;
  frame.SetFont(FontPixels(kNoticePoints), kRed, true, true);
  frame.TextOut(x - 4 * static_cast<int>(text.size()), y - 40, text);
  frame.SetFont(FontPixels(kLabelPoints), kRed, false, true);
}

}  // namespace

void FillSea(Canvas& frame, Colour seaColour) {
  frame.SetBrush(seaColour);
  frame.Rectangle(0, 0, frame.Width() + 1, frame.Height() + 1);
}

void DrawGrid(Canvas& frame, const FrameState& state, const analysis::ChartView& view, Colour gridColour) {
  const double step = state.gridStep;
  // The anchor takes the step as minutes, so a grid line runs near the view centre.
  const double gLat = race::Int(state.frameCentreLat / step + 0.5) * step;
  const double gLon = race::Int(state.frameCentreLon / step + 0.5) * step;
  const analysis::ChartPoint anchor = analysis::ProjectToChart(gLat, gLon, view);
  const double s = step * state.framePxPerKm;
  const int w = frame.Width();
  const int h = frame.Height();
  frame.SetPen(gridColour, 1);
  auto across = [&](double y) {
    frame.MoveTo(0, race::RoundToInt(y));
    frame.LineTo(w, race::RoundToInt(y));
  };
  auto down = [&](double x) {
    frame.MoveTo(race::RoundToInt(x), 0);
    frame.LineTo(race::RoundToInt(x), h);
  };
  for (int k = 0; k <= 100; ++k) {
    const double y = anchor.y + k * s;
    if (y > h) break;
    if (y > 0) across(y);
  }
  for (int k = 1; k <= 100; ++k) {
    const double y = anchor.y - k * s;
    if (y < 0) break;
    if (y < h) across(y);
  }
  for (int k = 0; k <= 100; ++k) {
    const double x = anchor.x + k * s;
    if (x > w) break;
    if (x > 0) down(x);
  }
  for (int k = 1; k <= 100; ++k) {
    const double x = anchor.x - k * s;
    if (x < 0) break;
    if (x < w) down(x);
  }
}

void DrawScaleBar(Canvas& frame, const FrameState& state, Colour seaColour) {
  const int x0 = 20;
  const int y = frame.Height() - 10;
  const int x1 = race::RoundToInt(state.gridStep * state.framePxPerKm + 20);
  frame.SetPen(kWhite);
  frame.MoveTo(x0, y - 5);
  frame.LineTo(x0, y + 5);
  frame.MoveTo(x1, y - 5);
  frame.LineTo(x1, y + 5);
  frame.MoveTo(x0, y);
  frame.LineTo(x1, y);
  const std::string label = state.gridStep < 1 ? race::FormatGeneral(state.gridStep * 1000) + "M"
                                               : race::FormatGeneral(state.gridStep) + "Km";
  frame.SetBrush(seaColour);
  frame.SetFont(FontPixels(kLabelPoints), kWhite, false, true);
  frame.TextOut(x0 + 30, y - 15, label);
}

void DrawMarksAndLines(Canvas& frame, const Scene& scene, const Playback& playback, const FrameState& state,
                       const analysis::ChartView& view) {
  const race::RaceStore& store = scene.store;
  const Colour sea = scene.sea.seaColour;
  const bool layLines = scene.options.layLines;
  for (int i = 1; i <= std::min(store.markCount, race::kMaxMarks); ++i) {
    const analysis::ChartPoint p = analysis::ProjectToChart(store.markLat[i], store.markLon[i], view);
    if (layLines) DrawLayLines(frame, store, p.x, p.y, state.windTrueDirNow, view.northUp);
    frame.SetPen(kBlack, 1);
    DrawMarkDot(frame, p.x, p.y);
    const std::string label = CoursePointLabel("MK", i);
    DrawCourseLabel(frame, sea, label, p.x, p.y);
    DrawRoundingNotice(frame, scene, playback, label, p.x, p.y);
  }
  for (int i = 1; i <= std::min(store.lineCount, race::kMaxLines); ++i) {
    const analysis::ChartPoint a = analysis::ProjectToChart(store.lineLat1[i], store.lineLon1[i], view);
    if (layLines) DrawLayLines(frame, store, a.x, a.y, state.windTrueDirNow, view.northUp);
    const analysis::ChartPoint b = analysis::ProjectToChart(store.lineLat2[i], store.lineLon2[i], view);
    if (layLines) DrawLayLines(frame, store, b.x, b.y, state.windTrueDirNow, view.northUp);
    frame.SetPen(kYellow);
    frame.MoveTo(a.x, a.y);
    frame.LineTo(b.x, b.y);
    DrawMarkDot(frame, a.x, a.y);
    DrawMarkDot(frame, b.x, b.y);
    const std::string label = CoursePointLabel("L", i);
    DrawLineEndLabel(frame, sea, label, a, store, view);
    DrawLineEndLabel(frame, sea, label, b, store, view);
    // A line's notice stands over the middle of the line.
    DrawRoundingNotice(frame, scene, playback, label, (a.x + b.x) / 2, (a.y + b.y) / 2);
  }
}

void DrawFrame(Canvas& frame, double t, const Scene& scene, Playback& playback, FrameState& state) {
  const race::RaceStore& store = scene.store;
  const bool northUp = scene.options.northUp;
  ComputeFrameWind(state, store, playback.raceTime, northUp);
  ComputeBoatStates(state, store, t);
  if (playback.clockTextFrozen == 0) PlaceOverviewDots(state, store, scene.fit, northUp);
  state.timePointerTop = TimePointerTop(store, playback.raceTime, state.timeBarHeight);
  ComputeFrameView(state, store, scene.fit, scene.options, playback.traceScale, frame.Height());
  const analysis::ChartView view =
      FrameView(state, frame.Width(), frame.Height(), northUp, store.windDirection);

  state.gridStep = GridStep(state.windowHeight, state.framePxPerKm);
  DrawGrid(frame, state, view, scene.sea.gridColour);
  if (store.coastCount > 0) {
    frame.SetPen(kWhite, 1);
    DrawCoastline(frame, store, view);
  }
  DrawScaleBar(frame, state, scene.sea.seaColour);
  DrawMarksAndLines(frame, scene, playback, state, view);
  DrawBoatsLayer(frame, scene, playback, state, view);
  DrawRaceClock(frame, playback.raceTime);
  ++playback.framesThisSecond;
  DrawAnalogClock(frame, playback.clockSecond, scene.sea.seaBrightness);
}

}  // namespace view
