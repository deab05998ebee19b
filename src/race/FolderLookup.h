// Finding the files a race names inside the program's folders, safely and forgiving of letter case.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "race/RaceStore.h"

namespace race {

// True for a plain file name: not empty, not "." or "..", no "/" or "\", no drive (":").
bool IsPlainName(std::string_view name);

// True when file, links resolved, lies directly in folder, and folder is no link to elsewhere itself:
// a race folder must not lead the program to read (or open) files outside it.
bool StaysInside(const std::filesystem::path& folder, const std::filesystem::path& file);

// The files of one folder, listed at most once however many names are looked up (a race file may name
// thousands of missing files).
class FolderIndex {
 public:
  // notes, when given, is the store whose warnings get a line for each name that leads outside the folder.
  explicit FolderIndex(std::filesystem::path folder, RaceStore* notes = nullptr);

  // The regular file called name inside the folder: the exact name first, then a name that differs only in
  // ASCII letter case. Nothing when the name is not plain, no such file exists, or it is a link that leads
  // outside the folder.
  std::optional<std::filesystem::path> Find(std::string_view name);

 private:
  std::optional<std::filesystem::path> Inside(const std::filesystem::path& path);

  std::filesystem::path folder_;
  RaceStore* notes_;
  bool listed_ = false;
  std::vector<std::string> names_;
};

// One lookup, as FolderIndex::Find.
std::optional<std::filesystem::path> FindInFolder(const std::filesystem::path& folder, std::string_view name,
                                                  RaceStore* notes = nullptr);

// The folder whose gpsdat/, winddat/, coastline/ and attachment/ hold the files of the race in raceFilePath:
// the folder around the race file's raceadmin/ (so a race folder of the user's own reads its own tracks),
// else programFolder. Ends in '/'.
std::string RaceDataFolder(const std::string& programFolder, const std::string& raceFilePath);

// The folder whose gpsdat/, winddat/, coastline/ and attachment/ hold the files of the race in raceFilePath:
// the folder around the race file's raceadmin/ (so a race folder of the user's own reads its own tracks),
// else programFolder. Ends in '/'.
std::string RaceDataFolder(const std::string& programFolder, const std::string& raceFilePath);

// The label used for a file in messages: its path below programFolder ("gpsdat/alpha.txt"), or the path
// as given when it lies elsewhere.
std::string FileLabel(const std::string& programFolder, const std::filesystem::path& path);

// Opens a file a lookup found. When it cannot be read, the store's warnings say so and the result is false.
bool OpenFoundFile(RaceStore& store, std::ifstream& in, const std::filesystem::path& path);

}  // namespace race
