// Finding the files a race names inside the program's folders.
#include "race/FolderLookup.h"

#include <algorithm>

namespace race {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

bool IsPlainName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("/\\:") == std::string_view::npos;
}

std::optional<std::filesystem::path> FindInFolder(const std::filesystem::path& folder, std::string_view name) {
  if (!IsPlainName(name)) return std::nullopt;
  const auto exact = folder / std::string(name);
  if (IsRegularFile(exact)) return exact;
  // Race folders are often made on Windows, where names differ from the race file in case only.
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) return std::nullopt;
  for (const auto& entry : entries) {
    const std::string found = entry.path().filename().string();
    if (EqualIgnoringCase(found, name) && IsRegularFile(entry.path())) return entry.path();
  }
  return std::nullopt;
}

std::string RaceDataFolder(const std::string& programFolder, const std::string& raceFilePath) {
  const std::filesystem::path admin = std::filesystem::path(raceFilePath).parent_path();
  if (admin.filename() != "raceadmin") return programFolder;
  return admin.parent_path().generic_string() + '/';
}

std::string FileLabel(const std::string& programFolder, const std::filesystem::path& path) {
  const std::string text = path.generic_string();
  if (!programFolder.empty() && text.starts_with(programFolder)) return text.substr(programFolder.size());
  return text;
}

}  // namespace race
