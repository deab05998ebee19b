// Speed of the logger track formats: a boat logged at 10 Hz for 8 hours (288,000 points, some 40 MB of GPX)
// must load in under a second on one core. The same voyage as NMEA RMC sentences is measured beside it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "race/GpxTrackReader.h"
#include "race/NmeaTrackReader.h"
#include "race/RaceFile.h"
#include "race/TrackLoader.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTenthsOfSeconds = 8 * 3600 * 10;
constexpr int kLeadTenths = 300 * 10;  // logging starts five minutes before the gun

fs::path BenchFolder() {
  return fs::temp_directory_path() / ("regatix-bench-loggers-" + std::to_string(::getpid()));
}

// Walks the voyage tenth of a second by tenth, calling write(tenth, lat degrees, lon degrees).
template <typename Write>
void Voyage(Write write) {
  double lat = 35.29, lon = 139.82;
  for (int i = -kLeadTenths; i < kTenthsOfSeconds - kLeadTenths; ++i) {
    const double course = (i / 6000) % 2 == 0 ? 0.8 : -0.8;
    lat += 5.5 / 36000 / 60 * std::cos(course);
    lon += 5.5 / 36000 / 60 * std::sin(course) / 0.82;
    write(i, lat, lon);
  }
}

// GPS clock text pieces for a tenth of a second counted from the gun at 01:00:00 UTC.
struct Clock {
  int hour, minute, second, tenth;
  explicit Clock(int tenths) {
    const int t = 36000 + tenths;
    hour = t / 36000, minute = t / 600 % 60, second = t / 10 % 60, tenth = t % 10;
  }
};

// The program folder: a race of one boat whose track is big.gpx, and big.nmea beside it. Returns the GPX
// bytes.
std::uintmax_t WriteLoggerRace(const fs::path& folder) {
  fs::create_directories(folder / "raceadmin");
  fs::create_directories(folder / "gpsdat");
  std::ofstream(folder / "raceadmin/gpx.txt", std::ios::binary)
      << "T1,Logger race\r\nST,2008/05/17 10:00:00\r\nFT,2008/05/17 18:00:00\r\nTD,9\r\nBN,big.gpx,Phone\r\n";
  std::ofstream gpx(folder / "gpsdat/big.gpx", std::ios::binary);
  std::ofstream nmea(folder / "gpsdat/big.nmea", std::ios::binary);
  gpx << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<gpx version=\"1.1\" creator=\"bench\" "
         "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk><trkseg>\n";
  char line[256];
  Voyage([&](int i, double lat, double lon) {
    const Clock c(i);
    std::snprintf(
        line, sizeof line,
        "<trkpt lat=\"%.7f\" lon=\"%.7f\"><ele>%.1f</ele>"
        "<time>2008-05-17T%02d:%02d:%02d.%dZ</time><sat>9</sat><hdop>0.9</hdop><pdop>1.4</pdop></trkpt>\n",
        lat, lon, 1.5 + (i % 7) * 0.1, c.hour, c.minute, c.second, c.tenth);
    gpx << line;
    const int latDegrees = static_cast<int>(lat), lonDegrees = static_cast<int>(lon);
    int n = std::snprintf(line, sizeof line,
                          "GPRMC,%02d%02d%02d.%d0,A,%02d%08.5f,N,%03d%08.5f,E,5.5,45.8,170508,,,A", c.hour,
                          c.minute, c.second, c.tenth, latDegrees, (lat - latDegrees) * 60, lonDegrees,
                          (lon - lonDegrees) * 60);
    unsigned sum = 0;
    for (int k = 0; k < n; ++k) sum ^= static_cast<unsigned char>(line[k]);
    std::snprintf(line + n, sizeof line - n, "*%02X", sum);
    nmea << '$' << line << "\r\n";
  });
  gpx << "</trkseg></trk>\n</gpx>\n";
  gpx.close();
  return fs::file_size(folder / "gpsdat/big.gpx");
}

struct LoggerRace {
  fs::path folder = BenchFolder();
  std::uintmax_t gpxBytes = WriteLoggerRace(folder);
  ~LoggerRace() {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
};

const LoggerRace& Race() {
  static const LoggerRace race;
  return race;
}

// The GPX reader alone, from file to fixes handed on.
void ReadTenHertzGpx(benchmark::State& state) {
  const auto& race = Race();
  long points = 0;
  for (auto _ : state) {
    std::ifstream in(race.folder / "gpsdat/big.gpx", std::ios::binary);
    points = 0;
    race::ReadGpxTrack(in, "gpsdat/big.gpx", [&points](const race::TrackFix&) { ++points; });
    benchmark::DoNotOptimize(points);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * race.gpxBytes));
  state.counters["points"] = static_cast<double>(points);
  state.counters["gpx_MB"] = static_cast<double>(race.gpxBytes) / 1e6;
}
BENCHMARK(ReadTenHertzGpx)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole track load of the race: reader, window rules and the growing fix arrays.
void LoadTenHertzGpxRace(benchmark::State& state) {
  const auto& race = Race();
  int fixes = 0;
  for (auto _ : state) {
    race::RaceStore store;
    store.programFolder = race.folder.string() + "/";
    race::ParseRaceFile(store, store.programFolder + "raceadmin/gpx.txt");
    race::SizeTrackArrays(store);
    race::LoadAllTracks(store);
    fixes = store.fixCount[1];
    benchmark::DoNotOptimize(fixes);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * race.gpxBytes));
  state.counters["fixes"] = fixes;
}
BENCHMARK(LoadTenHertzGpxRace)->Unit(benchmark::kMillisecond)->Iterations(3);

void ReadTenHertzNmea(benchmark::State& state) {
  const auto& race = Race();
  long points = 0;
  for (auto _ : state) {
    std::ifstream in(race.folder / "gpsdat/big.nmea", std::ios::binary);
    points = 0;
    race::ReadNmeaTrack(in, "gpsdat/big.nmea", [&points](const race::TrackFix&) { ++points; });
    benchmark::DoNotOptimize(points);
  }
  const auto bytes = fs::file_size(race.folder / "gpsdat/big.nmea");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["points"] = static_cast<double>(points);
  state.counters["nmea_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(ReadTenHertzNmea)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
