// Shared fixtures of the simulator tests.
#include "SimulateSupport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/TempFolder.h"

namespace simtest {

simulate::Options SmallRace(const std::string& folder, std::uint64_t seed) {
  simulate::Options o;
  o.folder = folder;
  o.raceName = "small";
  o.race.boats = 10;
  o.race.laps = 2;
  o.race.targetMinutes = 20;
  o.race.seed = seed;
  o.race.wind.direction = 200;
  o.race.wind.speed = 10;
  o.title1 = "Test Cup";
  o.title2 = "Race 1";
  return o;
}

std::vector<TruthRow> ReadTruth(const std::string& path) {
  std::vector<TruthRow> rows;
  std::istringstream in(testsupport::ReadFile(path));
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "boat,file,name,status,point,designator,seconds,time\r");
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> f;
    std::string field;
    std::istringstream fields(line);
    while (std::getline(fields, field, ',')) f.push_back(field);
    if (f.size() == 6) f.push_back("");  // a point not passed ends in two empty fields
    if (f.size() == 7) f.push_back("");
    EXPECT_EQ(f.size(), 8u) << line;
    if (f.size() != 8) continue;
    TruthRow r;
    r.boat = std::stoi(f[0]);
    r.file = f[1];
    r.name = f[2];
    r.status = f[3];
    r.point = std::stoi(f[4]);
    r.designator = f[5];
    r.passed = !f[6].empty();
    if (r.passed) r.seconds = std::stod(f[6]);
    rows.push_back(r);
  }
  return rows;
}

}  // namespace simtest
