// Finding the files a race names inside the program's folders, safely and forgiving of letter case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace race {

// True for a plain file name: not empty, not "." or "..", no "/" or "\", no drive (":").
bool IsPlainName(std::string_view name);

// The regular file called name inside folder: the exact name first, then a name that differs only in
// ASCII letter case. Nothing when the name is not plain or no such file exists.
std::optional<std::filesystem::path> FindInFolder(const std::filesystem::path& folder, std::string_view name);

// The folder whose gpsdat/, winddat/, coastline/ and attachment/ hold the files of the race in raceFilePath:
// the folder around the race file's raceadmin/ (so a race folder of the user's own reads its own tracks),
// else programFolder. Ends in '/'.
std::string RaceDataFolder(const std::string& programFolder, const std::string& raceFilePath);

// The label used for a file in messages: its path below programFolder ("gpsdat/alpha.txt"), or the path
// as given when it lies elsewhere.
std::string FileLabel(const std::string& programFolder, const std::filesystem::path& path);

}  // namespace race
