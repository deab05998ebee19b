// Finding the files a race names inside the program's folders.
#include "race/FolderLookup.h"

#include <algorithm>

#include "race/LoadNotes.h"
#include "race/TextInput.h"

namespace race {
namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
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

bool StaysInside(const std::filesystem::path& folder, const std::filesystem::path& file) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path plainFolder = folder.has_filename() ? folder : folder.parent_path();
  const fs::path realFolder = fs::canonical(plainFolder, error);
  if (error) return false;
  const fs::path realParent =
      fs::canonical(plainFolder.parent_path().empty() ? "." : plainFolder.parent_path(), error);
  if (error || realFolder != realParent / plainFolder.filename()) return false;
  const fs::path realFile = fs::canonical(file, error);
  return !error && realFile.parent_path() == realFolder;
}

FolderIndex::FolderIndex(std::filesystem::path folder, RaceStore* notes)
    : folder_(std::move(folder)), notes_(notes) {}

std::optional<std::filesystem::path> FolderIndex::Find(std::string_view name) {
  if (!IsPlainName(name)) return std::nullopt;
  const auto exact = folder_ / std::string(name);
  if (IsRegularFile(exact)) return Inside(exact);
  // Race folders are often made on Windows, where names differ from the race file in case only.
  if (!listed_) {
    listed_ = true;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error)) {
      names_.push_back(it->path().filename().string());
    }
  }
  for (const std::string& found : names_) {
    if (EqualIgnoringCase(found, name) && IsRegularFile(folder_ / found)) return Inside(folder_ / found);
  }
  return std::nullopt;
}

std::string RaceDataFolder(const std::string& programFolder, const std::string& raceFilePath) {
  const std::filesystem::path admin = std::filesystem::path(raceFilePath).parent_path();
  if (admin.filename() != "raceadmin") return programFolder;
  return admin.parent_path().generic_string() + '/';
}

std::optional<std::filesystem::path> FolderIndex::Inside(const std::filesystem::path& path) {
  if (StaysInside(folder_, path)) return path;
  if (notes_) {
    const std::string folderName = folder_.filename().string();
    AddLoadNote(*notes_, WarningKind::kLinkOutside,
                {folderName + "/" + path.filename().string(), folderName});
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> FindInFolder(const std::filesystem::path& folder, std::string_view name,
                                                  RaceStore* notes) {
  return FolderIndex(folder, notes).Find(name);
}

std::string FileLabel(const std::string& programFolder, const std::filesystem::path& path) {
  const std::string text = path.generic_string();
  if (!programFolder.empty() && text.starts_with(programFolder)) return text.substr(programFolder.size());
  return text;
}

bool OpenFoundFile(RaceStore& store, std::ifstream& in, const std::filesystem::path& path) {
  std::string problem;
  if (OpenInput(in, path, problem)) return true;
  AddLoadNote(store, WarningKind::kUnreadableFile, {FileLabel(store.programFolder, path), problem});
  return false;
}

}  // namespace race
