// The user's data folders from the environment, as the XDG base directory rules say.
#include "race/UserFolders.h"

#include <cstdlib>

namespace race {

namespace {

// An unset or relative XDG variable is to be ignored.
std::filesystem::path AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return {};
  std::filesystem::path path(value);
  return path.is_absolute() ? path : std::filesystem::path();
}

}  // namespace

std::filesystem::path UserRacesFolder() {
  std::filesystem::path data = AbsoluteFromEnvironment("XDG_DATA_HOME");
  if (data.empty()) data = AbsoluteFromEnvironment("HOME") / ".local" / "share";
  return data / "regatix" / "races";
}

}  // namespace race
