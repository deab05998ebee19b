// Putting the boats on one flat chart and sampling them on a common clock.
#include "inference/Fleet.h"

#include <algorithm>
#include <numbers>

namespace inference {

namespace {
constexpr double kMetresPerMinute = 1852.0;
constexpr double kDegrees = 180.0 / std::numbers::pi;
}  // namespace

Point Fleet::ToLocal(double lat, double lon) const {
  return {(lon - originLon) * kMetresPerMinute * cosLat, (lat - originLat) * kMetresPerMinute};
}

void Fleet::ToMinutes(Point p, double& lat, double& lon) const {
  lat = originLat + p.y / kMetresPerMinute;
  lon = originLon + p.x / (kMetresPerMinute * cosLat);
}

Fleet MakeFleet(const std::vector<race::WholeTrack>& tracks, const std::vector<std::filesystem::path>& files,
                const std::vector<std::string>& names) {
  Fleet fleet;
  double minLat = 1e9, maxLat = -1e9, minLon = 1e9, maxLon = -1e9;
  for (const auto& track : tracks) {
    for (const auto& fix : track.fixes) {
      minLat = std::min(minLat, fix.lat), maxLat = std::max(maxLat, fix.lat);
      minLon = std::min(minLon, fix.lon), maxLon = std::max(maxLon, fix.lon);
    }
  }
  fleet.originLat = (minLat + maxLat) / 2;
  fleet.originLon = (minLon + maxLon) / 2;
  fleet.cosLat = std::cos(fleet.originLat / 60.0 / kDegrees);
  for (std::size_t b = 0; b < tracks.size(); ++b) {
    FleetBoat boat;
    boat.name = names[b];
    boat.file = files[b];
    boat.time.reserve(tracks[b].fixes.size());
    boat.at.reserve(tracks[b].fixes.size());
    for (const auto& fix : tracks[b].fixes) {
      boat.time.push_back(fix.gpsTime * 86400.0);
      boat.at.push_back(fleet.ToLocal(fix.lat, fix.lon));
    }
    fleet.boats.push_back(std::move(boat));
  }
  return fleet;
}

FleetGrid SampleFleet(const Fleet& fleet, double t0, double t1) {
  FleetGrid grid;
  grid.t0 = std::floor(t0);
  grid.count = std::max(0, static_cast<int>(std::ceil(t1 - grid.t0)) + 1);
  for (const auto& boat : fleet.boats) {
    std::vector<Point> at(grid.count);
    std::vector<char> has(grid.count, 0);
    std::size_t k = 0;
    for (int i = 0; i < grid.count && !boat.time.empty(); ++i) {
      const double t = grid.t0 + i;
      while (k + 1 < boat.time.size() && boat.time[k + 1] < t) ++k;
      if (k + 1 >= boat.time.size() || t < boat.time[k]) {
        if (t == boat.time.back()) at[i] = boat.at.back(), has[i] = 1;
        continue;
      }
      const double span = boat.time[k + 1] - boat.time[k];
      if (span > kMaxGapSeconds) continue;
      const double f = span > 0 ? (t - boat.time[k]) / span : 0;
      at[i] = {boat.at[k].x + f * (boat.at[k + 1].x - boat.at[k].x),
               boat.at[k].y + f * (boat.at[k + 1].y - boat.at[k].y)};
      has[i] = 1;
    }
    grid.at.push_back(std::move(at));
    grid.has.push_back(std::move(has));
  }
  return grid;
}

double BearingOf(Point a, Point b) {
  const double degrees = std::atan2(b.x - a.x, b.y - a.y) * kDegrees;
  return degrees < 0 ? degrees + 360 : degrees;
}

double TurnBetween(double a, double b) {
  double d = std::fmod(b - a, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

}  // namespace inference
