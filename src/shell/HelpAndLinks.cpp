// Choosing the help page and the next attachment to open.
#include "shell/HelpAndLinks.h"

#include <filesystem>
#include <system_error>

#include "race/FolderLookup.h"

namespace shell {

namespace fs = std::filesystem;

std::optional<std::string> HelpPage(const std::string& programFolder, int englishTexts) {
  const std::string english = programFolder + "help-e/index.html";
  const std::string japanese = programFolder + "help/index.html";
  const std::string order[] = {englishTexts > 0 ? english : japanese, englishTexts > 0 ? japanese : english};
  std::error_code error;
  for (const std::string& page : order) {
    // A help folder or page that is a link could hand the desktop anything to open.
    if (fs::is_regular_file(page, error) && race::StaysInside(fs::path(page).parent_path(), page))
      return page;
  }
  return std::nullopt;
}

std::optional<std::string> NextAttachment(race::RaceStore& store) {
  if (store.attachmentCount < 1) return std::nullopt;
  store.attachmentIndex = store.attachmentIndex >= store.attachmentCount ? 1 : store.attachmentIndex + 1;
  const fs::path folder =
      fs::path(race::RaceDataFolder(store.programFolder, store.raceFilePath)) / "attachment";
  const std::optional<fs::path> file = race::FindInFolder(folder, store.attachment[store.attachmentIndex]);
  std::error_code error;
  // A link could lead out of the folder to anything the desktop would run.
  if (!file || fs::is_symlink(*file, error) || !fs::is_regular_file(fs::symlink_status(*file, error)))
    return std::nullopt;
  return file->generic_string();
}

}  // namespace shell
