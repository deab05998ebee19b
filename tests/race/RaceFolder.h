// A scratch program folder for reader tests, and track file text built in code.
#pragma once

#include <cstdio>
#include <string>

#include "race/RaceFile.h"
#include "race/RaceStore.h"
#include "support/TempFolder.h"

namespace racetest {

// The race the track tests use: gun 10:00 local, finish 11:00, GPS time 9 hours behind (01:00 to 02:00 UTC).
inline const std::string kRaceTimes = "ST,2008/05/17 10:00:00\r\nFT,2008/05/17 11:00:00\r\nTD,9\r\n";

struct RaceFolder {
  testsupport::TempFolder folder;
  race::RaceStore store;

  RaceFolder() { store.programFolder = folder.folder(); }
  void Write(const std::string& relative, const std::string& text) const { folder.Write(relative, text); }
  // Writes raceadmin/<name> and parses it.
  void Parse(const std::string& raceText, const std::string& name = "race.txt") {
    Write("raceadmin/" + name, raceText);
    race::ParseRaceFile(store, store.programFolder + "raceadmin/" + name);
  }
};

// A fix line at the given GPS seconds after 01:00:00 on 17 May 2008, in the track file's form.
inline std::string Fix(int secondsAfterGpsStart, const std::string& lat = "N3512.3456",
                       const std::string& lon = "E13930.1234", const std::string& date = "17-MAY-08") {
  const int t = 3600 + secondsAfterGpsStart;
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", t / 3600, t / 60 % 60, t % 60);
  return "T  " + lat + " " + lon + " " + date + " " + time + " 12\r\n";
}

// count fixes from the gun on, spacing seconds apart, after the header a logger writes.
inline std::string Track(int count, int spacing = 1, int from = 0) {
  std::string text = "H  LATITUDE    LONGITUDE    DATE      TIME     ALT  ;track\r\n";
  for (int k = 0; k < count; ++k) text += Fix(from + k * spacing);
  return text;
}

}  // namespace racetest
