#include "support/FleetTracks.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace testsupport {

std::string BoatGpx(const std::string& name, double lane) {
  std::string text =
      "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\">"
      "<trk><name>" +
      name + "</name><trkseg>\n";
  const double speed = 4;
  for (int t = 0; t <= kFleetGun + 900; t += 2) {
    const auto milling = [lane](double s) {
      return std::pair{lane + 50 * std::sin(s / 30 + lane / 25 * 2.5), -30 + 10 * std::sin(s / 50)};
    };
    auto [x, y] = milling(t);
    if (t >= kFleetGun) {
      const auto [x0, y0] = milling(kFleetGun);
      const double run = (t - kFleetGun) * speed;
      const double up = 1000 + lane * 0.1;
      if (run < up) {
        x = x0 + (5 - x0) * run / up, y = y0 + run;
      } else if (run < up + 1300) {
        x = 5 - (run - up) * 0.02, y = y0 + up - (run - up);
      } else {
        x = 5 - 26 + (run - up - 1300) * 0.05, y = y0 + up - 1300;  // drifting after the finish
      }
    }
    const double lat = kFleetLat + y / 1852 / 60,
                 lon = kFleetLon + x / (1852 * std::cos(kFleetLat * M_PI / 180)) / 60;
    char line[160];
    std::snprintf(line, sizeof line,
                  "<trkpt lat=\"%.7f\" lon=\"%.7f\"><time>2026-05-17T%02d:%02d:%02dZ</time></trkpt>\n", lat,
                  lon, 1 + t / 3600, t / 60 % 60, t % 60);
    text += line;
  }
  return text + "</trkseg></trk></gpx>\n";
}

std::vector<std::filesystem::path> WriteFleet(const TempFolder& folder, int boats) {
  std::vector<std::filesystem::path> files;
  for (int b = 0; b < boats; ++b) {
    files.push_back(
        folder.Write("in/boat" + std::to_string(b) + ".gpx", BoatGpx("Boat " + std::to_string(b), b * 25.0)));
  }
  return files;
}

}  // namespace testsupport
