// Test fixtures on disk: a scratch folder that removes itself, and the paths the test run was given.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Folder path with a trailing '/', the form the program keeps folders in.
  std::string folder() const { return path_.string() + "/"; }
  // Writes text to a file below the folder, creating the folders on the way.
  std::filesystem::path Write(const std::string& relative, const std::string& text) const;

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);

// The real races kept beside the project, or empty when this checkout has none.
std::filesystem::path SharedRacesFolder();
std::filesystem::path SourceFolder();

}  // namespace testsupport
