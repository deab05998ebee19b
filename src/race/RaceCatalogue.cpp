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

std::filesystem::path AdminFolder(const std::string& programFolder) {
  return programFolder + "raceadmin";
}

}  // namespace

void BuildRaceList(RaceCatalogue& catalogue, const std::string& programFolder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(AdminFolder(programFolder), error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (IsRaceFileName(name) && it->is_regular_file(error)) names.push_back(name);
  }
  // Directory order differs between file systems; the catalogue should not.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string ua = Upper(a), ub = Upper(b);
    return ua != ub ? ua < ub : a < b;
  });
  if (names.size() > static_cast<std::size_t>(kMaxRaces)) names.resize(kMaxRaces);
  if (catalogue.raceList.size() < names.size() + 1) catalogue.raceList.resize(names.size() + 1);
  catalogue.raceListCount = static_cast<int>(names.size());
  for (int i = 1; i <= catalogue.raceListCount; ++i) catalogue.raceList[i] = names[i - 1];
}

int AddRace(RaceCatalogue& catalogue, const std::string& racePath) {
  for (int k = 1; k <= catalogue.raceListCount; ++k)
    if (catalogue.raceList[k] == racePath) return k;
  if (catalogue.raceListCount >= kMaxRaces) return 0;
  const int k = ++catalogue.raceListCount;
  if (catalogue.raceList.size() < static_cast<std::size_t>(k) + 1) catalogue.raceList.resize(k + 1);
  catalogue.raceList[k] = racePath;
  return k;
}

bool ChooseFirstRace(RaceCatalogue& catalogue, RaceStore& store) {
  std::string name;
  if (const auto settings = FindInFolder(AdminFolder(store.programFolder), "racefile.st")) {
    if (const auto text = ReadTextFile(*settings)) {
      LineReader lines(*text);
      std::string_view first;
      if (lines.Next(first)) name = std::string(TrimBlanks(first));
    }
    // The named race may differ from the file in letter case only.
    if (const auto found = FindInFolder(AdminFolder(store.programFolder), name))
      name = found->filename().string();
  } else if (catalogue.raceListCount > 0) {
    name = catalogue.raceList[1];
  }
  if (!IsPlainName(name)) {  // a path in the settings file could lead out of raceadmin/
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
