// Speed of the replay video: the sample's 10-boat race filmed at 1280 x 720, 25 frames a second, 10X, drawn
// by the replay's renderers and encoded to H.264. The figure that matters is "x_playing_time": seconds of
// video made per second of wall time, which must stay above 4; "x_per_cpu" is the same per CPU second of
// all the export's threads. The drawing alone is measured beside it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "BenchCanvas.h"
#include "analysis/PrepareRace.h"
#include "playback/WindowOverlays.h"
#include "shell/ReplayVideo.h"
#include "shell/TrackPageFrames.h"

namespace {

// CPU seconds of the whole process (the encoder's threads too) so far.
double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

constexpr double kFrom = 0;
constexpr double kTo = 300;  // 30 s of video at 10X

struct SampleRace {
  race::RaceStore store;
  analysis::ChartFit fit;
};

const SampleRace& Race() {
  static const SampleRace race = [] {
    SampleRace loaded;
    loaded.store.programFolder = REGATIX_SAMPLE_FOLDER "/";
    loaded.store.raceFilePath = loaded.store.programFolder + "raceadmin/toba-wl.txt";
    analysis::PrepareRace(loaded.store, loaded.fit, video::kDefaultVideoWidth, video::kDefaultVideoHeight);
    return loaded;
  }();
  return race;
}

video::VideoSettings Settings() {
  video::VideoSettings settings = video::WholeRaceVideo(Race().store);
  settings.from = kFrom;
  settings.to = kTo;
  return settings;
}

void EncodeSampleRace(benchmark::State& state) {
  const video::VideoSettings settings = Settings();
  const std::string path = (std::filesystem::temp_directory_path() / "regatix-bench-video.mp4").string();
  view::TrackPageRequest look;
  look.northUp = Race().store.northUp > 0;
  double wallSeconds = 0, cpuSeconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ProcessCpuSeconds();
    const video::VideoResult result = shell::ExportReplayVideo(path, Race().store, settings, look);
    wallSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cpuSeconds += ProcessCpuSeconds() - cpuStart;
    if (!result.error.empty()) state.SkipWithError(result.error.c_str());
  }
  const double videoSeconds = static_cast<double>(video::VideoFrameCount(settings)) / settings.fps;
  state.counters["video_s"] = videoSeconds;
  state.counters["x_playing_time"] = videoSeconds * static_cast<double>(state.iterations()) / wallSeconds;
  // The same per CPU second of all threads: what one core free for the export would give, whatever else
  // the machine is doing meanwhile.
  state.counters["x_per_cpu"] = videoSeconds * static_cast<double>(state.iterations()) / cpuSeconds;
  state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  std::filesystem::remove(path);
}
BENCHMARK(EncodeSampleRace)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// The same frames drawn and not encoded: what the encoder adds is the difference.
void DrawSampleRaceFrames(benchmark::State& state) {
  const video::VideoSettings settings = Settings();
  shell::TrackPageFrames frames(Race().store, Race().fit);
  const int count = video::VideoFrameCount(settings);
  for (auto _ : state) {
    for (int k = 0; k < count; ++k) {
      view::TrackPageRequest request;
      request.at = video::VideoFrameTime(settings, k);
      request.overlays = playback::WindowOverlaysAt(Race().store, request.at);
      benchmark::DoNotOptimize(frames.Draw(request).constBits());
    }
  }
  state.counters["frames"] = count;
}
BENCHMARK(DrawSampleRaceFrames)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
