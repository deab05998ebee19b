// The biggest race the program is made for: 200 boats, each logging GPX at 10 Hz for 3 hours (21.6 million
// fixes). The load (readers, then course and speed) should take at most 8 s of CPU and 700 MB resident.
// The files are written once into a temporary folder (some 1.8 GB) and removed afterwards;
// REGATIX_BENCH_FLEET_BOATS sets a smaller fleet for a quick look. The load runs with one worker reading the
// files and with two; peak_MB is the highest the process has held so far.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "TrackMemory.h"
#include "analysis/FixCourseAndSpeed.h"
#include "race/RaceFile.h"
#include "race/TrackLoader.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTenths = 3 * 3600 * 10;

int FleetSize() {
  const char* boats = std::getenv("REGATIX_BENCH_FLEET_BOATS");
  const int n = boats ? std::atoi(boats) : 0;
  return n > 0 && n <= race::kMaxBoats ? n : race::kMaxBoats;
}

// Writes the race file and the boats' GPX files; returns the bytes of GPX.
std::uintmax_t WriteFleet(const fs::path& folder, int boats) {
  fs::create_directories(folder / "raceadmin");
  fs::create_directories(folder / "gpsdat");
  std::ofstream race(folder / "raceadmin/fleet.txt", std::ios::binary);
  race << "T1,Big fleet\r\nST,2008/05/17 10:00:00\r\nFT,2008/05/17 13:00:00\r\nTD,9\r\n";
  std::uintmax_t bytes = 0;
  char line[160];
  for (int b = 1; b <= boats; ++b) {
    const std::string name = "boat" + std::to_string(b) + ".gpx";
    race << "BN," << name << ",Boat " << b << "\r\n";
    std::ofstream gpx(folder / "gpsdat" / name, std::ios::binary);
    gpx << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"bench\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk><trkseg>\n";
    double lat = 35.29 + b * 1e-4, lon = 139.82 - b * 1e-4;
    for (int i = 0; i < kTenths; ++i) {
      const double course = (i / 6000 + b) % 2 == 0 ? 0.8 : -0.8;
      lat += 5.5 / 36000 / 60 * std::cos(course);
      lon += 5.5 / 36000 / 60 * std::sin(course) / 0.82;
      const int t = 3600 * 10 + i;  // tenths of a second of GPS time from 00:00 UTC; the gun is at 01:00
      std::snprintf(line, sizeof line,
                    "<trkpt lat=\"%.7f\" lon=\"%.7f\"><time>2008-05-17T%02d:%02d:%02d.%dZ</time></trkpt>\n",
                    lat, lon, t / 36000, t / 600 % 60, t / 10 % 60, t % 10);
      gpx << line;
    }
    gpx << "</trkseg></trk>\n</gpx>\n";
    gpx.close();
    bytes += fs::file_size(folder / "gpsdat" / name);
  }
  return bytes;
}

// The fleet's folder, written at the first benchmark and removed when the program ends.
struct Fleet {
  fs::path folder = fs::temp_directory_path() / ("regatix-bench-fleet-" + std::to_string(::getpid()));
  std::uintmax_t bytes = WriteFleet(folder, FleetSize());
  ~Fleet() {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
};

const Fleet& TheFleet() {
  static const Fleet fleet;
  return fleet;
}

// Loads the fleet with state.range(0) workers reading the files; cpu_s counts the CPU time of all of them.
void LoadBigFleet(benchmark::State& state) {
  const Fleet& fleet = TheFleet();
  double cpu = 0, bytesPerFix = 0;
  long fixes = 0;
  for (auto _ : state) {
    const double before = benchsupport::CpuSeconds();
    race::RaceStore store;
    store.programFolder = fleet.folder.string() + "/";
    race::ParseRaceFile(store, store.programFolder + "raceadmin/fleet.txt");
    race::SizeTrackArrays(store);
    race::LoadAllTracks(store, {}, static_cast<int>(state.range(0)));
    analysis::ComputeFixCourseAndSpeed(store, 0.82);
    cpu += benchsupport::CpuSeconds() - before;
    fixes = 0;
    for (int b = 1; b <= store.boatCount; ++b) fixes += store.fixCount[b];
    bytesPerFix = benchsupport::TrackBytesPerFix(store);
    benchmark::DoNotOptimize(fixes);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fleet.bytes));
  state.counters["boats"] = FleetSize();
  state.counters["fixes"] = static_cast<double>(fixes);
  state.counters["gpx_MB"] = static_cast<double>(fleet.bytes) / 1e6;
  state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
  state.counters["peak_MB"] = benchsupport::PeakResidentMegabytes();
  state.counters["bytes_per_fix"] = bytesPerFix;
}
BENCHMARK(LoadBigFleet)
    ->ArgName("workers")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
