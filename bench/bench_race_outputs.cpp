// What the program makes from a big race beyond loading it, each measured beside the load itself: the Graph
// page, the whole-race KML and the Track page picture (the batch command's --chart) of 51 boats sailing
// about 8 hours logged each second (some 1.4 million fixes), and the peak memory of --chart against that of
// the load alone. Goals: the Graph page at most 0.15 s and the KML at most 0.25 s beyond the load, and
// --chart no more memory than the load.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BenchCanvas.h"
#include "RatioReporter.h"
#include "analysis/PrepareRace.h"
#include "export/KmlExport.h"
#include "simulate/Options.h"
#include "simulate/Race.h"
#include "simulate/RaceWriter.h"
#include "view/BoatGlyph.h"

#ifdef REGATIX_WITH_IMAGES
#include "pages/GraphPage.h"
#include "shell/TrackPageFrames.h"
#include "view/SeaColour.h"
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kClientHeight = 1000;

// The race folder, sailed by the simulator once per run and removed at the end.
struct ScaleRaceFolder {
  fs::path folder = fs::temp_directory_path() / ("regatix-bench-outputs-" + std::to_string(::getpid()));
  ScaleRaceFolder() {
    simulate::Options options;
    options.folder = folder.string();
    options.raceName = "scale51";
    options.race.boats = 51;
    options.race.targetMinutes = 480;
    options.race.seed = 7;
    simulate::WriteRace(options, simulate::SimulateRace(options.race));
  }
  ~ScaleRaceFolder() {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
  std::string ProgramFolder() const { return folder.string() + "/"; }
};

const ScaleRaceFolder& Folder() {
  static const ScaleRaceFolder folder;
  return folder;
}

struct Loaded {
  race::RaceStore store;
  analysis::ChartFit fit;
};

void LoadInto(Loaded& race) {
  race.store.programFolder = Folder().ProgramFolder();
  race.store.raceFilePath = race.store.programFolder + "raceadmin/scale51.txt";
  analysis::PrepareRace(race.store, race.fit, kMapWidth, kClientHeight);
  view::SelectHullOutline(race.store);
}

const Loaded& Race() {
  static const Loaded race = [] {
    Loaded loaded;
    LoadInto(loaded);
    return loaded;
  }();
  return race;
}

// The baseline: the race file, tracks and analysis, as every output needs them first.
void BM_LoadRace(benchmark::State& state) {
  Folder();
  long fixes = 0;
  for (auto _ : state) {
    Loaded race;
    LoadInto(race);
    fixes = 0;
    for (int b = 1; b <= race.store.boatCount; ++b) fixes += race.store.fixCount[b];
  }
  state.counters["fixes"] = static_cast<double>(fixes);
}
BENCHMARK(BM_LoadRace)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

void BM_WholeRaceKml(benchmark::State& state) {
  const Loaded& race = Race();
  const fs::path path = Folder().folder / "race.kml";
  kml::KmlOptions options;
  options.iconFolder = race.store.programFolder + "ya/";
  for (auto _ : state) {
    const std::string error = kml::ExportWholeRace(path.string(), race.store, options);
    if (!error.empty()) state.SkipWithError(error.c_str());
  }
  state.counters["MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
}
BENCHMARK(BM_WholeRaceKml)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

#ifdef REGATIX_WITH_IMAGES
void BM_GraphPage(benchmark::State& state) {
  const Loaded& race = Race();
  BenchCanvas graphBitmap(kMapWidth, kClientHeight);
  for (auto _ : state) {
    pages::DrawGraphPage(graphBitmap, race.store, kMapWidth, kClientHeight, view::Sea{}.seaColour);
    benchmark::DoNotOptimize(graphBitmap.Image().constBits());
  }
}
BENCHMARK(BM_GraphPage)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// The --chart picture two hours into the race: the replay frame, or the still chart with --manual.
void TrackPagePicture(benchmark::State& state, bool manual) {
  const Loaded& race = Race();
  shell::TrackPageFrames frames(race.store, race.fit);
  view::TrackPageRequest request;
  request.at = 7200;
  request.manual = manual;
  for (auto _ : state) benchmark::DoNotOptimize(frames.Draw(request).constBits());
}
void BM_ChartPicture(benchmark::State& state) {
  TrackPagePicture(state, false);
}
void BM_StillChartPicture(benchmark::State& state) {
  TrackPagePicture(state, true);
}
BENCHMARK(BM_ChartPicture)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_StillChartPicture)->Unit(benchmark::kMillisecond)->Repetitions(3);

#ifdef REGATIX_BATCH_PROGRAM
// Peak resident megabytes of one run of the batch command with these outputs.
double BatchPeakMegabytes(const std::vector<std::string>& outputs) {
  std::vector<std::string> words = {REGATIX_BATCH_PROGRAM, "--folder", Folder().ProgramFolder(), "--race",
                                    "scale51.txt"};
  words.insert(words.end(), outputs.begin(), outputs.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0)
    return -1;
  return static_cast<double>(usage.ru_maxrss) * 1024 / 1e6;
}

// The load alone against the load and --chart, each in a process of its own.
void BM_ChartPeakMemory(benchmark::State& state) {
  double load = 0, chart = 0;
  for (auto _ : state) {
    load = BatchPeakMegabytes({});
    chart = BatchPeakMegabytes({"--chart", (Folder().folder / "chart.png").string(), "--at", "7200"});
  }
  if (load <= 0 || chart <= 0) state.SkipWithError("the batch command failed");
  state.counters["load_MB"] = load;
  state.counters["chart_MB"] = chart;
  state.counters["chart_per_load"] = chart / load;
}
BENCHMARK(BM_ChartPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
#endif
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef REGATIX_WITH_IMAGES
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
#endif
  return RunWithRatios(argc, argv, "BM_LoadRace");
}
