// The race catalogue: the race files of raceadmin/ and the race shown first.
#include "race/RaceCatalogue.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "race/Fields.h"
#include "race/FolderLookup.h"
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

std::filesystem::path AdminFolder(const RaceStore& store) {
  return store.programFolder + "raceadmin";
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

void BuildRaceList(RaceStore& store) {
  std::vector<std::string> names = RaceFilesIn(AdminFolder(store));
  if (!store.userRacesFolder.empty()) {
    std::vector<std::string> folders;
    std::error_code error;
    for (std::filesystem::directory_iterator it(store.userRacesFolder, error), end; !error && it != end;
         it.increment(error)) {
      if (it->is_directory(error)) folders.push_back(it->path().filename().string());
    }
    SortIgnoringCase(folders);
    for (const std::string& folder : folders) {
      for (const std::string& name : RaceFilesIn(store.userRacesFolder + folder + "/raceadmin"))
        names.push_back(folder + '/' + name);
    }
  }
  if (names.size() > static_cast<std::size_t>(kMaxRaces)) names.resize(kMaxRaces);
  if (store.raceList.size() < names.size() + 1) store.raceList.resize(names.size() + 1);
  store.raceListCount = static_cast<int>(names.size());
  for (int i = 1; i <= store.raceListCount; ++i) store.raceList[i] = names[i - 1];
}

std::string CatalogueRacePath(const RaceStore& store, const std::string& entry) {
  const auto slash = entry.find('/');
  if (slash == std::string::npos) return IsPlainName(entry) ? store.programFolder + "raceadmin/" + entry : "";
  const std::string folder = entry.substr(0, slash), name = entry.substr(slash + 1);
  if (store.userRacesFolder.empty() || !IsPlainName(folder) || !IsPlainName(name)) return "";
  return store.userRacesFolder + folder + "/raceadmin/" + name;
}

bool ChooseFirstRace(RaceStore& store) {
  std::string name;
  if (const auto settings = FindInFolder(AdminFolder(store), "racefile.st")) {
    if (const auto text = ReadTextFile(*settings)) {
      LineReader lines(*text);
      std::string_view first;
      if (lines.Next(first)) name = std::string(TrimBlanks(first));
    }
    // The named race may differ from the file in letter case only.
    if (const auto found = FindInFolder(AdminFolder(store), name)) name = found->filename().string();
  } else if (store.raceListCount > 0) {
    name = store.raceList[1];
  }
  if (!IsPlainName(name)) {  // a path in the settings file could lead out of raceadmin/
    store.raceFilePath.clear();
    return false;
  }
  store.raceFilePath = store.programFolder + "raceadmin/" + name;
  // The catalogue entry with the same file name (the whole name, not a part of it).
  for (int i = 1; i <= store.raceListCount; ++i) {
    if (Upper(store.raceList[i]) == Upper(name)) {
      store.raceIndex = i;
      break;
    }
  }
  return true;
}

}  // namespace race
