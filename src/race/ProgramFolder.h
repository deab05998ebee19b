// Which folder the programs take as their program folder (help pages, KML icons and the races shown first).
#pragma once

#include <filesystem>
#include <string>

namespace race {

// The folder named on the command line (--folder, empty when not given), else $REGATIX_HOME, else the
// executable's own folder when it holds the race folders (a build tree), else the data folder of an
// installed program (<prefix>/share/regatix beside <prefix>/bin), else the executable's folder.
// The result is absolute, '/'-separated and ends in '/'.
std::string FindProgramFolder(const std::string& commandLineFolder,
                              const std::filesystem::path& executableFolder);

}  // namespace race
