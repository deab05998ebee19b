// Speed and memory of reading a big race's tracks: 51 boats logged at 1 Hz for 8 hours (about 1.5 million
// fixes, some 75 MB of track text). LoadAllTracks must read it in under 0.5 s with peak memory under 2.5
// times the text.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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
                    static_cast<int>(lat / 60), std::fmod(lat, 60), static_cast<int>(lon / 60), std::fmod(lon, 60),
                    t / 3600, t / 60 % 60, t % 60, b % 7);
      track << line;
    }
    track.close();
    bytes += fs::file_size(folder / "gpsdat" / name);
  }
  return bytes;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void LoadAllTracksOfAScaleRace(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("regatix-bench-tracks-" + std::to_string(::getpid()));
  const std::uintmax_t bytes = WriteScaleRace(folder);
  const long peakBefore = PeakKilobytes();
  long fixes = 0;
  for (auto _ : state) {
    race::RaceStore store;
    store.programFolder = folder.string() + "/";
    race::ParseRaceFile(store, store.programFolder + "raceadmin/scale.txt");
    race::SizeTrackArrays(store);
    race::LoadAllTracks(store);
    fixes = 0;
    for (int b = 1; b <= store.boatCount; ++b) fixes += store.fixCount[b];
    benchmark::DoNotOptimize(fixes);
  }
  const long peakGrowth = PeakKilobytes() - peakBefore;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["fixes"] = static_cast<double>(fixes);
  state.counters["text_MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["peak_growth_MB"] = static_cast<double>(peakGrowth) * 1024 / 1e6;
  state.counters["peak_per_text"] = static_cast<double>(PeakKilobytes()) * 1024 / static_cast<double>(bytes);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(LoadAllTracksOfAScaleRace)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
