// Where the user's own data lives, following the XDG base directory rules.
#pragma once

#include <filesystem>

namespace race {

// The folder that holds the user's own races, one race folder each:
// $XDG_DATA_HOME/regatix/races, else $HOME/.local/share/regatix/races. Not created here.
std::filesystem::path UserRacesFolder();

}  // namespace race
