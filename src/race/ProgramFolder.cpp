// The program folder: command line and environment first, then where the program itself was put.
#include "race/ProgramFolder.h"

#include <cstdlib>

namespace race {

namespace {

std::string AsFolder(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) absolute = path;
  std::string text = absolute.lexically_normal().generic_string();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

bool IsFolder(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

std::string FindProgramFolder(const std::string& commandLineFolder,
                              const std::filesystem::path& executableFolder) {
  if (!commandLineFolder.empty()) return AsFolder(commandLineFolder);
  if (const char* home = std::getenv("REGATIX_HOME"); home != nullptr && *home != '\0') return AsFolder(home);
  // "/usr/bin/" and "/usr/bin" are the same folder; only the second has the right parent.
  const std::filesystem::path own =
      executableFolder.has_filename() ? executableFolder : executableFolder.parent_path();
  if (IsFolder(own / "raceadmin")) return AsFolder(own);
  const std::filesystem::path installed = own.parent_path() / "share" / "regatix";
  if (IsFolder(installed)) return AsFolder(installed);
  return AsFolder(own);
}

}  // namespace race
