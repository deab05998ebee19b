// regatix-simulate: sails a race of its own and writes it as a program folder Regatix can load.
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "simulate/Options.h"
#include "simulate/Race.h"
#include "simulate/RaceWriter.h"

int main(int argc, char** argv) {
  try {
    const simulate::Options options = simulate::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
      std::fputs(simulate::UsageText().c_str(), stdout);
      return 0;
    }
    const simulate::RaceRecord race = simulate::SimulateRace(options.race);
    const simulate::WrittenRace files = simulate::WriteRace(options, race);
    int finished = 0;
    for (const auto& boat : race.boats) finished += boat.finished ? 1 : 0;
    std::printf("%s: %zu boats, %d finished, %zu course points, %.0f s from the gun to FT\n", files.raceFile.c_str(),
                race.boats.size(), finished, race.course.points.size(), race.finishSeconds);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "regatix-simulate: %s\n", e.what());
    std::fputs(simulate::UsageText().c_str(), stderr);
    return 1;
  }
}
