// The boat layers of the frame: wakes, comparison lines, labels, focus halos and the glyphs on top.
#include <cmath>

#include "race/Numbers.h"
#include "view/BoatGlyph.h"
#include "view/ChartProjector.h"
#include "view/DrawStyle.h"
#include "view/FrameRenderer.h"
#include "view/LayLines.h"
#include "view/Wakes.h"

namespace view {

namespace {

constexpr int kLabelPoints = 9;

Point FixPoint(const race::RaceStore& store, int boat, int fix, const ChartProjector& project) {
  if (fix < 1) fix = 1;
  return project.Pixel(store.trackLat[boat][fix], store.trackLon[boat][fix]);
}

std::string SpeedText(double knots) {
  return race::FormatGeneral(race::Round(knots * 100) / 100) + "Kts";
}

// Red for a boat faster than the fleet's mean on its point of sail, while the red wakes are asked for.
Colour WakeColour(const Scene& scene, const Playback& playback, const FrameState& state, int boat, int fix) {
  if (scene.pointer.redWakes <= 0) return kWhite;
  const double mean =
      std::fabs(state.curTwa[boat]) < 90 ? playback.upwindMeanSpeed : playback.downwindMeanSpeed;
  return scene.store.trackSpeed[boat][fix] > mean ? kRed : kWhite;
}

void DrawHalo(Canvas& frame, const FrameState& state, Point p) {
  const int r = race::RoundToInt(state.boatLenPx * 0.5 + 3);
  frame.SetPen(kHaloColour);
  frame.SetBrush(kHaloColour);
  frame.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
}

// Seconds between a boat's fixes, for stepping its wake back in time. fixInterval is whole seconds and
// stays 1 for loggers faster than that; their wake steps by the true spacing, so it spans the same time.
double FixSpacing(const race::RaceStore& store, int boat) {
  const int interval = std::max(store.fixInterval[boat], 1);
  const int n = store.fixCount[boat];
  if (interval > 1 || n < 2) return interval;
  const auto& t = store.trackTime[boat];
  const double mean = (t[n] - t[1]) / (n - 1);
  return mean > 0 && mean < 1 ? mean : 1.0;
}

}  // namespace

void DrawBoatsLayer(Canvas& frame, const Scene& scene, const Playback& playback, FrameState& state,
                    const analysis::ChartView& view) {
  const race::RaceStore& store = scene.store;
  const Colour sea = scene.sea.seaColour;
  const ChartProjector project(view);
  const int labelOffset = race::RoundToInt(state.boatLenPx / 2) + 7;

  double reference = view.northUp ? state.windTrueDirNow : state.windTrueDirNow - store.windDirection;
  if (reference < 0) reference += 360;

  for (int i = store.boatCount; i >= 1; --i) {
    if (state.boatActive[i] == 0) continue;
    const int s =
        std::max(race::RoundToInt(race::Int(10000 / state.framePxPerMinuteLat / FixSpacing(store, i))), 1);
    const int j = state.lastFixIndex[i];
    const Point p = project.Pixel(state.curLat[i], state.curLon[i]);
    const Colour wake = WakeColour(scene, playback, state, i, j);
    const int segments = scene.options.longTails ? kLongWakeSegments : kWakeSegments;
    if (scene.options.speedTails || scene.options.longTails) {
      DrawOptionWake(frame, store, i, j, s, segments, p, scene.options.speedTails, wake, sea, project);
    } else {
      const Point f[4] = {FixPoint(store, i, j, project), FixPoint(store, i, j - s, project),
                          FixPoint(store, i, j - 2 * s, project), FixPoint(store, i, j - 3 * s, project)};
      frame.SetPen(wake, 1, PenStyle::Solid);
      frame.Polyline({p, f[0], f[1], f[2], f[3]});
      frame.SetBrush(sea);
      for (int k = 0; k < 3; ++k) frame.Ellipse(f[k].x - 1, f[k].y - 1, f[k].x + 2, f[k].y + 2);
    }
    if (scene.options.manoeuvreMarks && scene.manoeuvres != nullptr &&
        i < static_cast<int>(scene.manoeuvres->size())) {
      const double from = store.trackTime[i][std::max(1, j - (segments - 1) * s)];
      DrawManoeuvreMarks(frame, store, i, (*scene.manoeuvres)[i], from, store.trackTime[i][j + 1], project);
    }

    if (scene.options.compLine) {
      // 1200 pixels through the boat square to the wind: boats level on the wind share one line.
      const analysis::Offset a = analysis::PolarOffset(reference + 90);
      const analysis::Offset b = analysis::PolarOffset(reference - 90);
      frame.SetPen(store.boatColour[i]);
      frame.MoveTo(race::RoundToInt(p.x + a.x), race::RoundToInt(p.y + a.y));
      frame.LineTo(race::RoundToInt(p.x + b.x), race::RoundToInt(p.y + b.y));
    }

    if (scene.pointer.nameMode > 0) {
      std::string text = store.boatName[i];
      if (scene.pointer.nameMode > 1) text += "  " + SpeedText(store.trackSpeed[i][j]);
      frame.SetBrush(sea);
      frame.SetFont(FontPixels(kLabelPoints), wake, false, true);
      frame.TextOut(p.x + labelOffset, p.y - 6, text);
    }
  }

  if (scene.options.speedTails) DrawSpeedLegend(frame, store.maxBoatSpeed, sea);

  const int focus = scene.pointer.focusBoat;
  if (focus > 0 && focus <= store.boatCount && state.boatActive[focus] != 0) {
    const Point p = project.Pixel(state.curLat[focus], state.curLon[focus]);
    state.curSpeed[focus] = race::Round(store.trackSpeed[focus][state.lastFixIndex[focus]] * 100) / 100;
    DrawHalo(frame, state, p);
    frame.SetBrush(kWhite);
    frame.SetFont(FontPixels(kLabelPoints), store.boatColour[focus], false, true);
    frame.TextOut(p.x + labelOffset, p.y - 6,
                  store.boatName[focus] + "  " + SpeedText(state.curSpeed[focus]));
  }
  const int picked = scene.pointer.pickedBoat;
  if (picked > 0 && picked != focus && picked <= store.boatCount && state.boatActive[picked] != 0) {
    const Point p = project.Pixel(state.curLat[picked], state.curLon[picked]);
    state.curSpeed[picked] = race::Round(store.trackSpeed[picked][state.lastFixIndex[picked]] * 100) / 100;
    DrawHalo(frame, state, p);
  }

  WindPointer pointer;
  GlyphStyle style;
  style.lengthPx = state.boatLenPx;
  style.seaBrightness = scene.sea.seaBrightness;
  style.northUp = view.northUp;
  style.windDirection = store.windDirection;
  if (scene.pointer.windMarks > 0) {
    pointer = WindPointerOffsets(state.windTrueDirNow, state.boatLenPx, view.northUp, store.windDirection);
    style.pointer = &pointer;
  }
  for (int i = store.boatCount; i >= 1; --i) {
    if (state.boatActive[i] == 0) continue;
    DrawBoatGlyph(frame, store, i, project.Exact(state.curLat[i], state.curLon[i]), state.curCourse[i],
                  state.curSpeed[i], state.curTwa[i], style);
  }
}

}  // namespace view
