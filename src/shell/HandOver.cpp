// What the running window does with the command line of a later start: it comes to the front and shows
// the folder or race file named, or the race made from the tracks named.
#include <filesystem>

#include "shell/MainWindow.h"

namespace shell {

namespace {

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

// A race file sits in the raceadmin/ of its race folder, which holds its tracks.
bool IsRaceFile(const std::string& path) {
  const std::filesystem::path file(path);
  std::error_code error;
  return file.parent_path().filename() == "raceadmin" && std::filesystem::is_regular_file(file, error);
}

}  // namespace

void TForm1::TakeCommandLine(const StartOptions& options) {
  BringToFront();
  if (!options.folder.empty()) {
    session_->OpenProgramFolder(options.folder);
    return;
  }
  OpenPaths(options.open);
}

bool TForm1::OpenPaths(const std::vector<std::string>& paths) {
  // A race folder, or a race file inside one, is shown as it is; anything else is taken for tracks.
  for (const std::string& path : paths) {
    if (IsFolder(path + "/raceadmin")) return session_->OpenProgramFolder(path + '/');
    if (IsRaceFile(path))
      return session_->LoadRace(path, State().catalogue.IndexOfPath(Store().programFolder, path)) ==
             LoadResult::Loaded;
  }
  return !paths.empty() && session_->OpenTracks(paths) == LoadResult::Loaded;
}

}  // namespace shell
