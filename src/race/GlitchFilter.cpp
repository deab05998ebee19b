// Dropping impossible fixes from a boat's track.
#include "race/GlitchFilter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "race/LoadNotes.h"
#include "race/Numbers.h"

namespace race {
namespace {

constexpr double kMetresPerMinute = 1852;
constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;
constexpr double kNullIslandMinutes = 0.001;  // a couple of metres: loggers write exact zeros
constexpr int kListedPerBoat = 3;

// A boat's fixes as doubles: each is read several times while judging, and reading a compact column divides.
struct Track {
  const double* time;
  const double* lat;
  const double* lon;
};

bool AtNullIsland(const Track& t, int i) {
  return std::fabs(t.lat[i]) < kNullIslandMinutes && std::fabs(t.lon[i]) < kNullIslandMinutes;
}

// The speed in knots it takes to sail from fix a to fix b; fixes less than a second apart count as a second.
double KnotsBetween(const Track& t, int a, int b) {
  const double dLat = t.lat[b] - t.lat[a];
  double dLon = std::fabs(t.lon[b] - t.lon[a]);
  if (dLon > 180 * 60) dLon = 360 * 60 - dLon;  // the short way across the date line
  constexpr double kRadiansPerMinute = 3.14159265358979323846 / (180 * 60);
  const double cosLat = std::cos((t.lat[a] + t.lat[b]) / 2 * kRadiansPerMinute);
  const double metres = std::hypot(dLat, dLon * cosLat) * kMetresPerMinute;
  const double seconds = std::max(std::fabs(t.time[b] - t.time[a]), 1.0);
  return metres / seconds / kMetresPerSecondPerKnot;
}

bool Impossible(const Track& t, int a, int b) {
  // Most fixes lie well within reach even measured without the narrowing of longitude: no cosine needed.
  const double dLat = t.lat[b] - t.lat[a], dLon = t.lon[b] - t.lon[a];
  const double reach = kMaxPlausibleKnots * kMetresPerSecondPerKnot *
                       std::max(std::fabs(t.time[b] - t.time[a]), 1.0) / kMetresPerMinute;
  if (dLat * dLat + dLon * dLon <= reach * reach) return false;
  return KnotsBetween(t, a, b) > kMaxPlausibleKnots;
}

}  // namespace

void DropGlitches(RaceStore& store, int slot, int& n) {
  if (n <= 0) return;
  auto& time = store.trackTime[slot];
  auto& lat = store.trackLat[slot];
  auto& lon = store.trackLon[slot];
  std::vector<double> times, lats, lons;
  const auto last = static_cast<std::size_t>(n);
  const Track t{time.Decoded(last, times), lat.Decoded(last, lats), lon.Decoded(last, lons)};
  // Fixes at 0°N 0°E are no neighbours to judge the others by: they go first.
  std::vector<unsigned char> glitch(n + 1);
  std::vector<std::pair<int, double>> speeds;  // the fixes dropped for their speed, with it
  bool any = false;
  for (int i = 1; i <= n; ++i) any |= (glitch[i] = AtNullIsland(t, i));
  const auto nextReal = [&](int i) {
    for (++i; i <= n && glitch[i]; ++i) {
    }
    return i <= n ? i : 0;
  };
  int kept = 0;  // the last fix kept
  for (int i = 1; i <= n; ++i) {
    if (glitch[i]) continue;
    // Nearly every fix lies within reach of the last one kept and needs no look ahead.
    if (kept > 0 && !Impossible(t, kept, i)) {
      kept = i;
      continue;
    }
    const int next = nextReal(i);
    if (kept > 0) {
      glitch[i] = next == 0 || Impossible(t, i, next);
    } else if (next > 0) {
      // The first fix: a glitch when its neighbour agrees with the fix after it but not with it.
      const int after = nextReal(next);
      glitch[i] = Impossible(t, i, next) && after > 0 && !Impossible(t, next, after);
    }
    if (glitch[i]) {
      any = true;
      speeds.emplace_back(i, KnotsBetween(t, kept > 0 ? kept : next, i));
    } else {
      kept = i;
    }
  }

  if (!any) return;
  int count = 0, dropped = 0;
  for (int i = 1; i <= n; ++i) {
    if (!glitch[i]) {
      ++count;
      time[count] = time[i], lat[count] = lat[i], lon[count] = lon[i];
      continue;
    }
    if (++dropped > kListedPerBoat) continue;
    const auto speed =
        std::find_if(speeds.begin(), speeds.end(), [i](const auto& s) { return s.first == i; });
    const double localTime = store.startTime + (t.time[i] - store.boatTimeOffset[slot]) / 86400.0;
    const std::string at = FormatDateTime(localTime);
    if (speed == speeds.end()) {
      AddLoadNote(store, WarningKind::kGlitchAtOrigin, {store.boatName[slot], at});
    } else {
      AddLoadNote(store, WarningKind::kGlitchSpeed, {store.boatName[slot], at, FormatInteger(speed->second)});
    }
  }
  if (dropped > kListedPerBoat) {
    AddLoadNote(store, WarningKind::kMoreGlitches,
                {store.boatName[slot], std::to_string(dropped - kListedPerBoat)});
  }
  n = count;
}

}  // namespace race
