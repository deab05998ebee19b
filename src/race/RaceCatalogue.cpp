// The race catalogue: the race files of raceadmin/ and the race shown first.
#include "race/RaceCatalogue.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "race/Fields.h"
#include "race/FolderLookup.h"
#include "race/InputError.h"
#include "race/TextInput.h"

namespace race {
namespace {

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

bool IsRaceFileName(const std::string& name) {
  return name.size() > 4 && Upper(name.substr(name.size() - 4)) == ".TXT";
}

std::filesystem::path AdminFolder(const std::string& programFolder) {
  return programFolder + "raceadmin";
}

void SortIgnoringCase(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string ua = Upper(a), ub = Upper(b);
    return ua != ub ? ua < ub : a < b;
  });
}

// The race files of one raceadmin/ folder, sorted: directory order differs between file systems, the
// catalogue should not.
std::vector<std::string> RaceFilesIn(const std::filesystem::path& admin) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(admin, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (IsRaceFileName(name) && it->is_regular_file(error)) names.push_back(name);
  }
  SortIgnoringCase(names);
  return names;
}

}  // namespace

void BuildRaceList(RaceCatalogue& catalogue, const std::string& programFolder) {
  std::vector<std::string> names = RaceFilesIn(AdminFolder(programFolder));
  if (!catalogue.userRacesFolder.empty()) {
    std::vector<std::string> folders;
    std::error_code error;
    for (std::filesystem::directory_iterator it(catalogue.userRacesFolder, error), end; !error && it != end;
         it.increment(error)) {
      if (it->is_directory(error)) folders.push_back(it->path().filename().string());
    }
    SortIgnoringCase(folders);
    for (const std::string& folder : folders) {
      for (const std::string& name : RaceFilesIn(catalogue.userRacesFolder + folder + "/raceadmin"))
        names.push_back(folder + '/' + name);
    }
  }
  if (names.size() > static_cast<std::size_t>(kMaxRaces)) names.resize(kMaxRaces);
  if (catalogue.raceList.size() < names.size() + 1) catalogue.raceList.resize(names.size() + 1);
  catalogue.raceListCount = static_cast<int>(names.size());
  for (int i = 1; i <= catalogue.raceListCount; ++i) catalogue.raceList[i] = names[i - 1];
}

std::string CatalogueRacePath(const RaceCatalogue& catalogue, const std::string& programFolder,
                              const std::string& entry) {
  const auto slash = entry.find('/');
  if (slash == std::string::npos) return IsPlainName(entry) ? programFolder + "raceadmin/" + entry : "";
  const std::string folder = entry.substr(0, slash), name = entry.substr(slash + 1);
  if (catalogue.userRacesFolder.empty() || !IsPlainName(folder) || !IsPlainName(name)) return "";
  return catalogue.userRacesFolder + folder + "/raceadmin/" + name;
}

std::string RaceCatalogue::PathOf(const std::string& programFolder, int k) const {
  return CatalogueRacePath(*this, programFolder, raceList[k]);
}

int RaceCatalogue::IndexOfPath(const std::string& programFolder, const std::string& path) const {
  for (int k = 1; k <= raceListCount; ++k) {
    if (PathOf(programFolder, k) == path) return k;
  }
  return 0;
}

bool ChooseFirstRace(RaceCatalogue& catalogue, RaceStore& store) {
  std::string name;
  if (const auto settings = FindInFolder(AdminFolder(store.programFolder), "racefile.st")) {
    std::ifstream in(*settings, std::ios::binary);
    TextLines lines(in, "raceadmin/racefile.st");
    std::string_view first;
    try {
      if (lines.Next(first)) name = std::string(TrimBlanks(first));
    } catch (const InputError&) {
      // A settings file that cannot be read names no race: the catalogue's first is shown.
    }
    // The named race may differ from the file in letter case only; a path or a race that is not there
    // counts as no name.
    const auto found = FindInFolder(AdminFolder(store.programFolder), name);
    name = found ? found->filename().string() : std::string();
  }
  if (name.empty() && catalogue.raceListCount > 0) name = catalogue.raceList[1];
  if (name.empty()) {
    store.raceFilePath.clear();
    return false;
  }
  store.raceFilePath = store.programFolder + "raceadmin/" + name;
  // The catalogue entry with the same file name (the whole name, not a part of it).
  for (int i = 1; i <= catalogue.raceListCount; ++i) {
    if (Upper(catalogue.raceList[i]) == Upper(name)) {
      catalogue.raceIndex = i;
      break;
    }
  }
  return true;
}

}  // namespace race
