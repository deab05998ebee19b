// Speed of the chart pictures: one replay frame (as the window starts, and crowded with names, speeds,
// comparison and lay lines) and the still chart of a 51-boat, 8-hour race with a 50,000-point coastline,
// each against a bare fill and copy of the same 1285 x 970 bitmap. Goals: the crowded frame at most 4 times
// the fill and copy; the still chart at most 25 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>

#include "BenchCanvas.h"
#include "RatioReporter.h"
#include "analysis/ChartFit.h"
#include "race/Coastline.h"
#include "race/Numbers.h"
#include "view/BoatGlyph.h"
#include "view/FrameRenderer.h"
#include "view/StaticChart.h"

namespace {

constexpr int kBoats = 51;
constexpr int kSeconds = 8 * 3600;
constexpr int kCoastPoints = 50000;

// Boats beating up and running down a 2-mile course in a loose pack, one fix a second.
race::RaceStore ScaleRace() {
  race::RaceStore store;
  store.boatLength = 8;
  store.windDirection = 10;
  store.layAngle1 = 45;
  store.layAngle2 = 150;
  store.timelineStart = -190;
  store.timelineEnd = kSeconds + 30;
  store.windAxisColour = view::Rgb(98, 162, 225);
  store.layColourPort = view::Rgb(225, 128, 128);
  store.layColourStarboard = view::Rgb(0, 225, 0);
  view::SelectHullOutline(store);
  store.boatCount = kBoats;
  race::ForEachTrackChannel(store, [&](auto& channel) { channel.assign(kBoats + 2, {}); });
  for (int b = 1; b <= kBoats; ++b) {
    store.boatName[b] = "Boat " + std::to_string(b);
    store.boatColour[b] = view::Rgb(40 + 4 * b, 255 - 4 * b, (97 * b) % 256);
    store.boatShown[b] = 1;
    store.fixInterval[b] = 1;
    store.fixCount[b] = kSeconds + 1;
    race::ForEachTrackChannel(store, [&](auto& channel) { channel[b].resize(kSeconds + 2); });
    for (int j = 1; j <= kSeconds + 1; ++j) {
      const double t = j - 1;
      const double lap = 2 * std::numbers::pi * (t + 20 * b) / 3600;
      store.trackTime[b][j] = t;
      store.trackLat[b][j] = 2100 + 1 - std::cos(lap) + 0.002 * b;
      store.trackLon[b][j] = 8200 + 0.3 * std::sin(2 * std::numbers::pi * t / 600 + b) + 0.004 * b;
      store.trackCourse[b][j] = std::fmod(t / 10 + 7 * b, 360);
      store.trackSpeed[b][j] = 5 + std::sin(t / 100 + b);
    }
  }
  store.markCount = 4;
  for (int m = 1; m <= 4; ++m) {
    store.markLat[m] = 2100 + 0.6 * m;
    store.markLon[m] = 8200 + 0.1 * m;
  }
  store.lineCount = 2;
  for (int l = 1; l <= 2; ++l) {
    store.lineLat1[l] = store.lineLat2[l] = 2100 + l;
    store.lineLon1[l] = 8199.9;
    store.lineLon2[l] = 8200.1;
  }
  // A wiggly shore round the course, in polylines of 500 points.
  store.coastCount = kCoastPoints;
  store.coastLat.resize(kCoastPoints + 1);
  store.coastLon.resize(kCoastPoints + 1);
  for (int k = 1; k <= kCoastPoints; ++k) {
    const double a = 2 * std::numbers::pi * k / kCoastPoints;
    const double r = 4 + 0.2 * std::sin(k / 7.0);
    store.coastLat[k] = 2101 + r * std::cos(a) + (k % 500 == 1 ? 20000 : 0);
    store.coastLon[k] = 8200 + 1.2 * r * std::sin(a);
  }
  race::IndexCoastline(store);  // as the coastline readers leave it
  return store;
}

struct World {
  race::RaceStore store = ScaleRace();
  analysis::ChartFit fit = analysis::FitChart(store, kMapWidth, kMapHeight);
  view::Sea sea;
  view::ViewOptions options;
  view::Pointer pointer;
  view::Playback playback;
  view::FrameState state;
  view::ManualView manual;
  BenchCanvas frame{kMapWidth, kMapHeight};
  BenchCanvas window{kMapWidth, kMapHeight};
  World() {
    options.layLines = true;
    options.compLine = true;
    pointer.nameMode = 1;
    view::ResetFrameState(state, store.boatCount);
    manual = {fit.midLat, fit.midLon, 1.0};
  }
};

World& TheWorld() {
  static World world;
  return world;
}

void BM_FillAndCopy(benchmark::State& bench) {
  World& w = TheWorld();
  for (auto _ : bench) {
    view::FillSea(w.frame, w.sea.seaColour);
    w.window.CopyFrom(w.frame, 0, 0);
  }
}

// One replay frame a tick, as the playback clock draws it, with the chart options set by `look`.
void DrawFrames(benchmark::State& bench, void (*look)(view::ViewOptions&, view::Pointer&)) {
  World& w = TheWorld();
  view::ViewOptions options;
  view::Pointer pointer;
  look(options, pointer);
  const view::Scene scene{w.store, w.fit, w.sea, options, pointer};
  double t = 3600;
  for (auto _ : bench) {
    w.playback.raceTime = t;
    view::FillSea(w.frame, w.sea.seaColour);
    view::DrawFrame(w.frame, t, scene, w.playback, w.state);
    w.window.CopyFrom(w.frame, 0, 0);
    t += 0.25;  // a 5X replay at 20 frames a second
  }
}

// The window as it starts: no labels, no comparison or lay lines.
void BM_DrawFrameDefaults(benchmark::State& bench) {
  DrawFrames(bench, [](view::ViewOptions&, view::Pointer&) {});
}

// Everything a crowded frame can carry: names with speeds, comparison lines, lay lines.
void BM_DrawFrameNamesAndLines(benchmark::State& bench) {
  DrawFrames(bench, [](view::ViewOptions& options, view::Pointer& pointer) {
    options.layLines = true;
    options.compLine = true;
    pointer.nameMode = 2;
  });
}

void BM_DrawStaticChart(benchmark::State& bench) {
  World& w = TheWorld();
  view::ViewOptions still = w.options;
  still.autoTrace = false;
  const view::Scene scene{w.store, w.fit, w.sea, still, w.pointer};
  w.playback.raceTime = 7200;
  for (auto _ : bench) {
    view::DrawStaticChart(w.frame, scene, w.manual, w.playback, w.state, race::FormatDateTime);
    w.window.CopyFrom(w.frame, 0, 0);
  }
}

BENCHMARK(BM_FillAndCopy)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawFrameDefaults)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawFrameNamesAndLines)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawStaticChart)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
#ifdef REGATIX_WITH_IMAGES
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);  // text drawing needs the font database
#endif
  return RunWithRatios(argc, argv, "BM_FillAndCopy");
}
