// Speed of one frame tick of the playback clock (step the replay time, draw the frame, copy it to a
// window-sized picture, signal the finishes) on a real race folder. Make a 51-boat race with
//   regatix-simulate --out /tmp/race51 --boats 51 --minutes 90 --coast toba --name fleet51 --seed 7
// and run with REGATIX_BENCH_FOLDER=/tmp/race51 REGATIX_BENCH_RACE=fleet51.txt (defaults: those values).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "BenchCanvas.h"
#include "analysis/PrepareRace.h"
#include "playback/BoatList.h"
#include "playback/Clock.h"
#include "view/FrameRenderer.h"

#ifdef REGATIX_WITH_IMAGES
#include <QPainter>
#endif

namespace {

std::string Env(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

struct LoadedRace {
  race::RaceStore store;
  analysis::ChartFit fit;
  bool loaded = false;
};

LoadedRace& Race() {
  static LoadedRace race = [] {
    LoadedRace r;
    std::string folder = Env("REGATIX_BENCH_FOLDER", "/tmp/race51");
    if (folder.back() != '/') folder += '/';
    r.store.programFolder = folder;
    r.store.raceFilePath = folder + "raceadmin/" + Env("REGATIX_BENCH_RACE", "fleet51.txt");
    if (!std::filesystem::exists(r.store.raceFilePath)) return r;
    analysis::PrepareRace(r.store, r.fit, kMapWidth, kMapHeight);
    r.loaded = true;
    return r;
  }();
  return race;
}

void BM_Timer1Tick(benchmark::State& state) {
  LoadedRace& race = Race();
  if (!race.loaded) {
    state.SkipWithError("no race folder: see the comment at the top of bench_playback.cpp");
    return;
  }
  const race::RaceStore& store = race.store;
  playback::Clock clock;
  view::Playback playback;
  playback::RaceLoaded(clock, playback, store);
  clock.timeStep = 100.0 / 20;  // 100X at 20 frames a second
  view::Sea sea;
  view::ViewOptions options;
  options.boatName = true;
  view::Pointer pointer;
  pointer.nameMode = 2;
  view::FrameState frame;
  view::ResetFrameState(frame, store.boatCount);
  BenchCanvas frameBitmap(kMapWidth, kMapHeight);
  const view::Scene scene{store, race.fit, sea, options, pointer};
#ifdef REGATIX_WITH_IMAGES
  QImage window(kMapWidth + 315, kMapHeight, QImage::Format_RGB32);
#endif
  for (auto _ : state) {
    const playback::Effects advance = playback::Timer1Advance(clock, playback, store);
    benchmark::DoNotOptimize(advance.presentFrame);
    view::FillSea(frameBitmap, sea.seaColour);
    view::DrawFrame(frameBitmap, playback.raceTime, scene, playback, frame);
#ifdef REGATIX_WITH_IMAGES
    {
      QPainter painter(&window);
      painter.drawImage(QPoint(0, 0), frameBitmap.Image(), QRect(0, 0, kMapWidth, kMapHeight));
    }
#endif
    playback::ScoreChange score;
    benchmark::DoNotOptimize(playback::Timer1AfterFrame(clock, playback, store, score).guns);
  }
  state.counters["boats"] = store.boatCount;
}
BENCHMARK(BM_Timer1Tick)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The once-a-second tick with the ticker, for comparison.
void BM_Timer2Tick(benchmark::State& state) {
  LoadedRace& race = Race();
  if (!race.loaded) {
    state.SkipWithError("no race folder");
    return;
  }
  playback::Clock clock;
  view::Playback playback;
  playback::RaceLoaded(clock, playback, race.store);
  view::FrameState frame;
  view::ResetFrameState(frame, race.store.boatCount);
  view::ComputeBoatStates(frame, race.store, 1800);
  playback.raceTime = 1800;
  for (auto _ : state) {
    playback::Timer2Tick(clock, playback, race.store);
    benchmark::DoNotOptimize(playback::UpdateTicker(playback, frame, race.store).size());
  }
}
BENCHMARK(BM_Timer2Tick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
#ifdef REGATIX_WITH_IMAGES
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
