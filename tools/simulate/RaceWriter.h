// Writes a sailed race as a program folder: the race definition file, the boats' tracks, the wind file, the
// truth file for tests, an optional attachment and raceadmin/racefile.st.
#pragma once

#include <string>
#include <vector>

#include "simulate/Options.h"
#include "simulate/Race.h"

namespace simulate {

struct WrittenRace {
  std::string raceFile;                 // raceadmin/NAME.txt, relative to the folder
  std::vector<std::string> trackFiles;  // gpsdat/ file names, boat order
  std::vector<std::string> boatNames;
  std::string windFile;       // winddat/ file name, empty without one
  std::string truthFile;      // truth/NAME.csv
  std::string manoeuvreFile;  // truth/NAME-manoeuvres.csv
};

// The fleet's names: those given, then names from the built-in list for the rest.
std::vector<std::string> BoatNames(const std::vector<std::string>& given, int count);

// The race definition records, UTF-8 with CR LF line ends.
std::string RaceFileText(const Options& options, const RaceRecord& race, const WrittenRace& files);

// The truth file: a header line, then one line per boat and course point:
// boat,file,name,status,point,designator,seconds,time (seconds after the gun, empty when not passed).
std::string TruthFileText(const Options& options, const RaceRecord& race, const WrittenRace& files);

// The manoeuvre truth: a header line, then one line per tack or gybe sailed while racing:
// boat,file,name,seconds,time,kind,duration,speed before,speed lowest,speed after,metres lost
// (seconds after the gun; kind "tack" or "gybe"; speeds in knots).
std::string ManoeuvreTruthText(const Options& options, const RaceRecord& race, const WrittenRace& files);

// Writes every file; throws std::runtime_error when a file cannot be written.
WrittenRace WriteRace(const Options& options, const RaceRecord& race);

}  // namespace simulate
