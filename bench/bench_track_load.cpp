// Speed and memory of reading a big race's tracks: 51 boats logged at 1 Hz for 8 hours (about 1.5 million
// fixes, some 75 MB of track text). The load must take at most 6 times a bare read of the same files that
// counts their lines, and hold at most 28 bytes per fix.
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "TrackMemory.h"
#include "analysis/FixCourseAndSpeed.h"
#include "race/RaceFile.h"
#include "race/TrackLoader.h"

namespace {

namespace fs = std::filesystem;

constexpr int kBoats = 51;
constexpr int kSeconds = 8 * 3600;

// A program folder with the race file and 51 track files in the logger's text form, written line by line
// so the writing itself holds no track in memory. Returns the bytes of track text.
std::uintmax_t WriteScaleRace(const fs::path& folder) {
  fs::create_directories(folder / "raceadmin");
  fs::create_directories(folder / "gpsdat");
  std::ofstream race(folder / "raceadmin/scale.txt", std::ios::binary);
  race << "T1,Scale race\r\nST,2008/05/17 10:00:00\r\nFT,2008/05/17 18:00:00\r\nTD,9\r\nBT,5\r\n";
  std::uintmax_t bytes = 0;
  char line[96];
  for (int b = 1; b <= kBoats; ++b) {
    const std::string name = "boat" + std::to_string(b) + ".txt";
    race << "BN," << name << ",Boat " << b << "\r\n";
    std::ofstream track(folder / "gpsdat" / name, std::ios::binary);
    track << "H  LATITUDE    LONGITUDE    DATE      TIME     ALT  ;track\r\n";
    double lat = 35 * 60 + 17.5 + b * 0.01, lon = 139 * 60 + 49.2 - b * 0.01;
    for (int i = -300; i <= kSeconds; ++i) {
      const double course = (i / 600) % 2 == 0 ? 0.8 : -0.8;
      lat += 5.5 / 3600 * std::cos(course);
      lon += 5.5 / 3600 * std::sin(course) / 0.82;
      const int t = 3600 + i;  // GPS time: the gun is 01:00:00 UTC
      std::snprintf(line, sizeof line, "T  N%02d%08.5f E%03d%08.5f 17-MAY-08 %02d:%02d:%02d %d\r\n",
                    static_cast<int>(lat / 60), std::fmod(lat, 60), static_cast<int>(lon / 60),
                    std::fmod(lon, 60), t / 3600, t / 60 % 60, t % 60, b % 7);
      track << line;
    }
    track.close();
    bytes += fs::file_size(folder / "gpsdat" / name);
  }
  return bytes;
}

// The baseline: the same files read in 256 KB pieces and their lines counted, as `cat gpsdat/* | wc -l`.
long CountLines(const fs::path& folder) {
  static char buffer[1 << 18];
  long lines = 0;
  for (const auto& entry : fs::directory_iterator(folder / "gpsdat")) {
    std::FILE* file = std::fopen(entry.path().c_str(), "rb");
    if (!file) continue;
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
      lines += std::count(buffer, buffer + got, '\n');
    std::fclose(file);
  }
  return lines;
}

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The wall time of work, and the processor time it took added to cpuSeconds: on a machine shared with
// other work the processor times compare more steadily than the wall times.
double SecondsOf(const std::function<void()>& work, double& cpuSeconds) {
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = ProcessCpuSeconds();
  work();
  cpuSeconds += ProcessCpuSeconds() - cpuStart;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The load as the program does it (readers, then course and speed of every fix) timed against the bare read
// in the same run, so the ratio holds on a busy machine too.
void LoadAllTracksOfAScaleRace(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("regatix-bench-tracks-" + std::to_string(::getpid()));
  const std::uintmax_t bytes = WriteScaleRace(folder);
  double loadSeconds = 0, bareSeconds = 0, loadCpuSeconds = 0, bareCpuSeconds = 0, bytesPerFix = 0;
  long fixes = 0, lines = 0;
  for (auto _ : state) {
    bareSeconds += SecondsOf([&] { lines = CountLines(folder); }, bareCpuSeconds);
    race::RaceStore store;
    loadSeconds += SecondsOf(
        [&] {
          store.programFolder = folder.string() + "/";
          race::ParseRaceFile(store, store.programFolder + "raceadmin/scale.txt");
          race::SizeTrackArrays(store);
          race::LoadAllTracks(store);
          analysis::ComputeFixCourseAndSpeed(store, 0.82);
        },
        loadCpuSeconds);
    fixes = 0;
    for (int b = 1; b <= store.boatCount; ++b) fixes += store.fixCount[b];
    bytesPerFix = benchsupport::TrackBytesPerFix(store);
    benchmark::DoNotOptimize(fixes);
    benchmark::DoNotOptimize(lines);
  }
  const double runs = static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["fixes"] = static_cast<double>(fixes);
  state.counters["text_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["load_ms"] = loadSeconds / runs * 1e3;
  state.counters["bare_read_ms"] = bareSeconds / runs * 1e3;
  state.counters["load_per_bare_read"] = loadSeconds / bareSeconds;
  state.counters["cpu_load_per_bare_read"] = loadCpuSeconds / bareCpuSeconds;
  state.counters["bytes_per_fix"] = bytesPerFix;
  state.counters["peak_MB"] = benchsupport::PeakResidentMegabytes();
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(LoadAllTracksOfAScaleRace)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
