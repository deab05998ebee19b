// Shared by the reader fuzz targets: a scratch program folder made once per process, and a store holding a
// one-hour race (gun 10:00 local, GPS 9 hours behind) with its track arrays sized, as a reader finds it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "race/RaceFile.h"
#include "race/RaceStore.h"
#include "race/TrackLoader.h"

namespace fuzzing {

// The program folder, '/'-terminated, with the subfolders the readers look in.
inline const std::string& ProgramFolder() {
  static const std::string folder = [] {
    char name[] = "/tmp/regatix-fuzz-XXXXXX";
    const char* made = mkdtemp(name);
    if (!made) std::abort();
    for (const char* sub : {"raceadmin", "gpsdat", "winddat", "coastline", "attachment"}) {
      std::filesystem::create_directories(std::filesystem::path(made) / sub);
    }
    return std::string(made) + "/";
  }();
  return folder;
}

// Writes bytes to a file of the program folder (relative path), replacing it.
inline void Write(const std::string& relative, std::string_view bytes) {
  std::ofstream out(ProgramFolder() + relative, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A fresh store after the race file of a one-boat race with wind file wind.csv, track arrays sized.
inline race::RaceStore RaceStore() {
  static const race::RaceStore prepared = [] {
    Write("raceadmin/fuzz-race.txt", "ST,2008/05/17 10:00:00\r\nFT,2008/05/17 11:00:00\r\nTD,9\r\nWF,wind.csv\r\n");
    race::RaceStore store;
    store.programFolder = ProgramFolder();
    race::ParseRaceFile(store, store.programFolder + "raceadmin/fuzz-race.txt");
    store.boatCount = 1;
    race::SizeTrackArrays(store);
    return store;
  }();
  return prepared;
}

}  // namespace fuzzing
