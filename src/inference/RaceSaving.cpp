// Saving an edited race in place or as a copy of its own.
#include "inference/RaceSaving.h"

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "inference/RaceMaker.h"
#include "race/FolderLookup.h"
#include "race/RaceFile.h"

namespace inference {

namespace fs = std::filesystem;

namespace {

std::string ReadWhole(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) throw std::runtime_error(file.string() + ": cannot read the race file");
  return text.str();
}

// Written beside the file and renamed over it, so a failure leaves the old file as it was.
void ReplaceFile(const fs::path& file, const std::string& text) {
  const fs::path partial = file.parent_path() / ("." + file.filename().string() + ".partial");
  {
    std::ofstream out(partial, std::ios::binary);
    out << text;
    if (!out.flush()) {
      out.close();
      std::error_code ignored;
      fs::remove(partial, ignored);
      throw std::runtime_error(file.string() + ": cannot write the race file");
    }
  }
  fs::rename(partial, file);
}

bool LiesUnder(const fs::path& file, const fs::path& folder) {
  if (folder.empty()) return false;
  const fs::path relative = fs::weakly_canonical(file).lexically_relative(fs::weakly_canonical(folder));
  return !relative.empty() && *relative.begin() != "..";
}

// The files the race names (tracks, wind, attachments) that exist, and the coastline it is drawn over, each
// to the same place in the copy.
std::vector<FolderCopy> FilesOfRace(const std::string& programFolder, const std::string& raceFilePath) {
  race::RaceStore store;
  store.programFolder = programFolder;
  store.raceFilePath = raceFilePath;
  race::ParseRaceFile(store, raceFilePath);
  const fs::path data = race::RaceDataFolder(programFolder, raceFilePath);
  std::vector<FolderCopy> copies;
  std::set<fs::path> taken;
  const auto add = [&](const std::string& folder, const std::string& name) {
    const auto found = race::FindInFolder(data / folder, name);
    const fs::path to = fs::path(folder) / name;
    if (found && taken.insert(to).second) copies.push_back({*found, to});
  };
  for (int b = 1; b <= store.boatCount; ++b) add("gpsdat", store.boatFile[b]);
  if (!store.windFile.empty()) add("winddat", store.windFile);
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(data / "coastline", error))
    if (entry.is_regular_file(error)) add("coastline", entry.path().filename().string());
  for (int a = 1; a <= store.attachmentCount; ++a) add("attachment", store.attachment[a]);
  return copies;
}

}  // namespace

SavedRace SaveEditedRace(const std::string& programFolder, const std::string& raceFilePath,
                         const fs::path& userRacesFolder, const RaceCourse& course) {
  const std::string text = WithCourse(ReadWhole(raceFilePath), course);
  if (LiesUnder(raceFilePath, userRacesFolder)) {
    ReplaceFile(raceFilePath, text);
    return {raceFilePath, false};
  }
  SavedRace saved{{}, true};
  fs::create_directories(userRacesFolder);
  const fs::path folder = FreshFolder(userRacesFolder, fs::path(raceFilePath).stem().string());
  WriteRaceFolder(folder, text, FilesOfRace(programFolder, raceFilePath));
  saved.raceFile = folder / "raceadmin" / (folder.filename().string() + ".txt");
  return saved;
}

}  // namespace inference
