// Speed of the KML exports for a 51-boat, 8-hour race logged at 1 Hz: the whole race into a file (the
// figure that matters: it must stay well under 2 s), the same into memory, the present scene, and the race
// with time into a file (under 1 s).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <random>
#include <sstream>
#include <string>

#include "export/KmlExport.h"
#include "view/FrameState.h"

namespace {

constexpr int kBoats = 51;
constexpr int kSeconds = 8 * 3600;

// Boats zig-zagging over a few miles of water off Enoshima, with metre-sized logger noise so the
// coordinates carry their full digits as real tracks do.
race::RaceStore ScaleRace() {
  race::RaceStore store;
  store.raceCaption = "Regatix  Long Distance Race.       ";
  store.startTime = 39585.4375;  // 2008/05/17 10:30
  store.timelineStart = -190;
  store.timelineEnd = kSeconds + 30;
  store.boatCount = kBoats;
  race::ForEachTrackChannel(store, [&](auto& channel) { channel.assign(kBoats + 2, {}); });
  std::mt19937_64 random(51);
  std::normal_distribution<double> noise(0, 0.002);  // minutes of arc, about 4 m
  for (int b = 1; b <= kBoats; ++b) {
    store.boatName[b] = "Boat " + std::to_string(b);
    store.kmlColour[b] = "FF00" + std::to_string(10 + b) + "FF";
    store.boatShown[b] = 1;
    const int fixes = kSeconds + 1;
    store.fixCount[b] = fixes;
    race::ForEachTrackChannel(store, [&](auto& channel) { channel[b].assign(fixes + 1, 0.0); });
    double lat = 2117.5 + b * 0.01, lon = 8389.2 - b * 0.01;
    for (int i = 1; i <= fixes; ++i) {
      const double course = (i / 600) % 2 == 0 ? 45.0 + b % 7 : 315.0 - b % 5;
      const double speed = 5.5 + 0.5 * std::sin(i / 97.0 + b);
      lat += speed / 3600 * std::cos(course * std::numbers::pi / 180);
      lon += speed / 3600 * std::sin(course * std::numbers::pi / 180) / 0.82;
      store.trackTime[b][i] = i - 1;
      store.trackLat[b][i] = lat + noise(random);
      store.trackLon[b][i] = lon + noise(random);
      store.trackSpeed[b][i] = speed;
      store.trackCourse[b][i] = std::round(course);
    }
  }
  store.markCount = 3;
  store.lineCount = 2;
  for (int m = 1; m <= 3; ++m) store.markLat[m] = 2118 + m, store.markLon[m] = 8390 - m;
  for (int j = 1; j <= 2; ++j) {
    store.lineLat1[j] = 2117 + j, store.lineLon1[j] = 8389;
    store.lineLat2[j] = 2117 + j, store.lineLon2[j] = 8389.3;
  }
  return store;
}

const race::RaceStore& Race() {
  static const race::RaceStore store = ScaleRace();
  return store;
}

kml::KmlOptions Options() {
  kml::KmlOptions options;
  options.iconFolder = "/usr/share/regatix/ya/";
  return options;
}

// One of the race exports into a file in the temp folder, its size as a counter.
using RaceExport = std::string (*)(const std::string&, const race::RaceStore&, const kml::KmlOptions&);
void RaceToFile(benchmark::State& state, RaceExport exportRace, const char* name) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  for (auto _ : state) {
    const std::string error = exportRace(path, Race(), Options());
    if (!error.empty()) state.SkipWithError(error.c_str());
  }
  state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  std::filesystem::remove(path);
}

void BM_WholeRaceToFile(benchmark::State& state) {
  RaceToFile(state, kml::ExportWholeRace, "regatix-bench-ZELMap5.kml");
}
BENCHMARK(BM_WholeRaceToFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WholeRaceToMemory(benchmark::State& state) {
  const race::RaceStore& store = Race();
  for (auto _ : state) {
    std::ostringstream out;
    kml::WriteWholeRace(out, store, Options());
    benchmark::DoNotOptimize(out.tellp());
  }
}
BENCHMARK(BM_WholeRaceToMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TimedRaceToFile(benchmark::State& state) {
  RaceToFile(state, kml::ExportTimedRace, "regatix-bench-timed.kml");
}
BENCHMARK(BM_TimedRaceToFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PresentScene(benchmark::State& state) {
  const race::RaceStore& store = Race();
  view::FrameState frame;
  view::ResetFrameState(frame, store.boatCount);
  view::ComputeBoatStates(frame, store, 14400.5);
  for (auto _ : state) {
    std::ostringstream out;
    kml::WritePresentScene(out, store, frame, 14400.5, Options());
    benchmark::DoNotOptimize(out.tellp());
  }
}
BENCHMARK(BM_PresentScene)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
