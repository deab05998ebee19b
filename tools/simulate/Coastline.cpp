// The drawn Ise Bay coastline and its two file forms.
#include "simulate/Coastline.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include "simulate/Geometry.h"
#include "simulate/Random.h"

namespace simulate {
namespace {

// Headlands and bays, roughly where a chart puts them.
const std::vector<std::vector<GeoPoint>> kOutline = {
    // The Mie shore from Nagoya south to Toba, round the Shima peninsula and west along the Kumano coast.
    {{35.08, 136.88}, {35.02, 136.80}, {34.97, 136.66}, {34.85, 136.60}, {34.72, 136.53}, {34.60, 136.56},
     {34.53, 136.70}, {34.51, 136.78}, {34.486, 136.845}, {34.470, 136.890}, {34.430, 136.905},
     {34.390, 136.920}, {34.370, 136.915}, {34.310, 136.900}, {34.272, 136.902}, {34.275, 136.840},
     {34.255, 136.750}, {34.220, 136.620}, {34.170, 136.500}, {34.100, 136.300}, {34.070, 136.220},
     {33.950, 136.170}, {33.820, 136.080}, {33.730, 136.000}, {33.630, 135.950}, {33.520, 135.880},
     {33.470, 135.800}, {33.437, 135.755}, {33.470, 135.720}, {33.550, 135.580}, {33.680, 135.380}},
    // The Chita peninsula, down its Ise Bay side to Morozaki and back up the Mikawa Bay side.
    {{35.05, 136.92}, {34.95, 136.85}, {34.88, 136.83}, {34.78, 136.89}, {34.700, 136.965},
     {34.720, 137.010}, {34.800, 137.000}, {34.880, 136.990}, {34.950, 137.020}},
    // The Atsumi peninsula from Toyohashi to Cape Irago and back along the open-sea shore.
    {{34.72, 137.32}, {34.68, 137.18}, {34.650, 137.080}, {34.600, 137.020}, {34.578, 137.010},
     {34.590, 137.060}, {34.620, 137.200}, {34.660, 137.400}},
    // Kamishima, Toshijima and Sugashima.
    {{34.551, 136.978}, {34.548, 136.992}, {34.540, 136.990}, {34.539, 136.978}, {34.551, 136.978}},
    {{34.528, 136.850}, {34.530, 136.880}, {34.520, 136.895}, {34.510, 136.885}, {34.514, 136.860},
     {34.528, 136.850}},
    {{34.500, 136.875}, {34.498, 136.895}, {34.485, 136.900}, {34.478, 136.887}, {34.488, 136.872},
     {34.500, 136.875}},
};

double MetresBetween(GeoPoint a, GeoPoint b) {
  const double dy = (b.lat - a.lat) * 60 * 1852;
  const double dx = (b.lon - a.lon) * 60 * 1852 * std::cos(Radians(a.lat));
  return std::hypot(dx, dy);
}

// Midpoint displacement: each segment gets a bend of about a fifth of its length, down to 150 m pieces.
void Wander(GeoPoint a, GeoPoint b, Random& random, Polyline& out) {
  const double length = MetresBetween(a, b);
  if (length < 150) {
    out.push_back(b);
    return;
  }
  const double bend = random.Gauss(0, 0.18) * length;
  const double nx = -(b.lat - a.lat), ny = (b.lon - a.lon) * std::cos(Radians(a.lat));
  const double norm = std::hypot(nx, ny);
  GeoPoint m{(a.lat + b.lat) / 2, (a.lon + b.lon) / 2};
  if (norm > 0) {
    m.lat += ny / norm * bend / (60 * 1852);
    m.lon += nx / norm * bend / (60 * 1852 * std::cos(Radians(a.lat)));
  }
  Wander(a, m, random, out);
  Wander(m, b, random, out);
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

std::vector<Polyline> TobaCoastline() {
  Random random(20260517);
  std::vector<Polyline> coast;
  for (const auto& outline : kOutline) {
    Polyline line{outline.front()};
    for (size_t i = 1; i < outline.size(); ++i) Wander(outline[i - 1], outline[i], random, line);
    coast.push_back(line);
  }
  return coast;
}

void TokyoToWgsShift(double latMinutes, double lonMinutes, double& latShift, double& lonShift) {
  const double a = 6377397.155, f = 1 / 299.152813, e2 = 2 * f - f * f;
  const double fw = 1 / 298.257222101, e2w = 2 * fw - fw * fw;
  const double phi = Radians(latMinutes / 60), lambda = Radians(lonMinutes / 60);
  const double n = a / std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi));
  const double x = n * std::cos(phi) * std::cos(lambda) - 148;
  const double y = n * std::cos(phi) * std::sin(lambda) + 508;
  const double z = n * (1 - e2) * std::sin(phi) + 680;
  double lambda2 = Degrees(std::atan(y / x));
  if (lambda2 > 180) lambda2 -= 180;
  if (lambda2 < 0) lambda2 += 180;
  const double phi2 = Degrees(std::atan(z / ((1 - e2w) * y / std::sin(Radians(lambda2)))));
  latShift = (phi2 - latMinutes / 60) * 60;
  lonShift = (lambda2 - lonMinutes / 60) * 60;
}

std::vector<std::pair<std::string, std::string>> CoastTiles(const std::vector<Polyline>& coast) {
  // Runs of points per second-level square (5' x 7.5'), Tokyo datum minutes.
  struct Run {
    std::vector<std::pair<double, double>> points;
  };
  std::map<long, std::vector<Run>> squares;  // key: latitude index * 100000 + longitude index
  auto square = [](double lat, double lon) {
    return static_cast<long>(std::floor(lat / 5)) * 100000 + static_cast<long>(std::floor(lon / 7.5));
  };
  for (const Polyline& line : coast) {
    std::vector<std::pair<double, double>> tokyo;
    for (const GeoPoint& p : line) {
      double lat = p.lat * 60, lon = p.lon * 60;
      for (int i = 0; i < 4; ++i) {  // the shift is taken at the Tokyo-datum point, so iterate to it
        double dLat = 0, dLon = 0;
        TokyoToWgsShift(lat, lon, dLat, dLon);
        lat = p.lat * 60 - dLat;
        lon = p.lon * 60 - dLon;
      }
      tokyo.emplace_back(lat, lon);
    }
    long current = square(tokyo[0].first, tokyo[0].second);
    Run run{{tokyo[0]}};
    for (size_t i = 1; i < tokyo.size(); ++i) {
      const auto [lat0, lon0] = tokyo[i - 1];
      const auto [lat1, lon1] = tokyo[i];
      const long next = square(lat1, lon1);
      if (next != current) {
        // End the run where the segment leaves the square, and begin the next one there.
        double t = 1;
        const double latEdge = std::floor(lat0 / 5) * 5 + (lat1 > lat0 ? 5 : 0);
        const double lonEdge = std::floor(lon0 / 7.5) * 7.5 + (lon1 > lon0 ? 7.5 : 0);
        if (std::floor(lat1 / 5) != std::floor(lat0 / 5)) t = std::min(t, (latEdge - lat0) / (lat1 - lat0));
        if (std::floor(lon1 / 7.5) != std::floor(lon0 / 7.5)) t = std::min(t, (lonEdge - lon0) / (lon1 - lon0));
        const std::pair<double, double> edge{lat0 + (lat1 - lat0) * t, lon0 + (lon1 - lon0) * t};
        run.points.push_back(edge);
        squares[current].push_back(run);
        run.points = {edge};
        current = next;
      }
      run.points.push_back(tokyo[i]);
    }
    squares[current].push_back(run);
  }

  std::map<std::string, std::string> files;
  char text[96];
  for (const auto& [key, runs] : squares) {
    const long latIndex = key / 100000, lonIndex = key % 100000;
    const long aa = latIndex / 8, c = latIndex % 8;
    const long bb = lonIndex / 8 - 100, d = lonIndex % 8;
    const double latBase = latIndex * 5.0, lonBase = lonIndex * 7.5;
    std::snprintf(text, sizeof text, "%02ld%02ld", aa, bb);
    std::string& file = files[text];
    std::snprintf(text, sizeof text, "M %02ld%02ld%ld%ld\r\n", aa, bb, c, d);
    file += text;
    for (const Run& run : runs) {
      if (run.points.size() < 2) continue;
      std::snprintf(text, sizeof text, "L%48s%6zu\r\n", "", run.points.size());
      file += text;
      for (size_t i = 0; i < run.points.size(); i += 7) {
        for (size_t j = i; j < i + 7; ++j) {
          long x = 0, y = 0;
          if (j < run.points.size()) {
            x = std::lround((run.points[j].second - lonBase) / 7.5 * 10000);
            y = std::lround((run.points[j].first - latBase) / 5 * 10000);
            x = std::min(std::max(x, 0L), 10000L);
            y = std::min(std::max(y, 0L), 10000L);
          }
          std::snprintf(text, sizeof text, "%5ld%5ld", x, y);
          file += text;
        }
        file += "\r\n";
      }
    }
  }
  return {files.begin(), files.end()};
}

std::string WideAreaCoast(const std::vector<Polyline>& coast) {
  std::string text;
  char line[64];
  for (const Polyline& polyline : coast) {
    // Every other point is plenty for a chart of the whole bay; the last one closes the line.
    for (size_t i = 0; i < polyline.size(); ++i) {
      if (i % 2 == 1 && i + 1 != polyline.size()) continue;
      std::snprintf(line, sizeof line, "%s%.4f,%.4f\r\n", i == 0 ? "R," : "", polyline[i].lat * 60,
                    polyline[i].lon * 60);
      text += line;
    }
  }
  return text;
}

void WriteTobaCoastline(const std::string& folder) {
  const std::vector<Polyline> coast = TobaCoastline();
  const std::filesystem::path base = std::filesystem::path(folder) / "coastline";
  for (const auto& [code, text] : CoastTiles(coast)) WriteText(base / (code + ".cst"), text);
  WriteText(base / "toba.cst", WideAreaCoast(coast));
}

}  // namespace simulate
