// Speed of making a race from tracks alone: 51 boats logged at 1 Hz for 8 hours round a windward-leeward
// course with tacks (some 1.5 million fixes, made in memory). Inference must take under 2 s.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "inference/Fleet.h"
#include "inference/RaceInference.h"
#include "race/DateTime.h"

namespace {

constexpr int kBoats = 51;
constexpr int kPreStart = 300;
constexpr int kSeconds = 8 * 3600;

// Each boat mills behind the line, then beats up to a mark 2 km to windward (north) in tacks of a few minutes
// and runs back down to the leeward mark, lap after lap.
std::vector<race::WholeTrack> ScaleFleet() {
  const double gun = *race::EncodeDateTime(2026, 5, 17, 1);
  const double metresPerMinute = 1852, cosLat = std::cos(34.5 * std::numbers::pi / 180);
  std::vector<race::WholeTrack> tracks(kBoats);
  for (int b = 0; b < kBoats; ++b) {
    double x = (b - kBoats / 2) * 8.0, y = -60;
    const double speed = 2.8 + 0.01 * b;
    bool up = true;
    int tackSide = b % 2 ? 1 : -1, sinceTack = 0;
    for (int t = -kPreStart; t <= kSeconds; ++t) {
      double heading = 0;  // radians, clockwise from north
      if (t < 0) {
        heading = (t / 40 + b) % 2 ? std::numbers::pi / 2 : -std::numbers::pi / 2;
        x += std::sin(heading) * 1.0, y += std::cos(heading) * 0.2 * ((t / 40) % 2 ? 1 : -1);
      } else {
        const double markY = up ? 2000 : 0;
        const double dx = -x, dy = markY - y;
        if (std::hypot(dx, dy) < 8) up = !up;
        if (up && y < 1850) {
          if (++sinceTack > 150 + 7 * (b % 5) || std::fabs(x) > 120) {
            tackSide = x > 120 ? -1 : x < -120 ? 1 : -tackSide;
            sinceTack = 0;
          }
          heading = tackSide * std::numbers::pi / 4;
        } else {
          heading = std::atan2(dx, dy);
        }
        x += std::sin(heading) * speed, y += std::cos(heading) * speed;
      }
      tracks[b].fixes.push_back({gun + t / 86400.0, 34.5 * 60 + y / metresPerMinute,
                                 136.9 * 60 + x / (metresPerMinute * cosLat), 0});
    }
  }
  return tracks;
}

void InferAnEightHourRaceOf51Boats(benchmark::State& state) {
  const auto tracks = ScaleFleet();
  std::vector<std::filesystem::path> files(kBoats, "boat.gpx");
  std::vector<std::string> names(kBoats, "Boat");
  for (auto _ : state) {
    const inference::Fleet fleet = inference::MakeFleet(tracks, files, names);
    const inference::InferredRace race = inference::InferRace(fleet);
    benchmark::DoNotOptimize(race.gunUtc);
    state.counters["marks"] = static_cast<double>(race.marks.size());
    state.counters["coursePoints"] = static_cast<double>(race.course.size());
  }
}
BENCHMARK(InferAnEightHourRaceOf51Boats)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
