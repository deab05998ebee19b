// The batch command's race maker: races from logger tracks, said plainly on the console.
#include <ostream>

#include "app/BatchCommand.h"
#include "inference/RaceMaker.h"
#include "race/UserFolders.h"

namespace app {

bool RunMakeRace(const BatchRequest& request, std::ostream& out, std::ostream& err) {
  std::vector<std::filesystem::path> paths(request.makeRace.begin(), request.makeRace.end());
  const std::filesystem::path folder =
      request.out.empty() ? race::UserRacesFolder() : std::filesystem::path(request.out);
  const auto result = inference::MakeRaces(paths, folder);
  for (const auto& message : result.messages) err << inference::NoteText(message) << '\n';
  for (const auto& made : result.races) {
    out << made.raceFile.generic_string() << "  (" << made.boatCount << " boats)\n";
    const std::string name = made.raceFile.filename().string();
    for (const auto& found : made.found) out << name << ": " << inference::NoteText(found) << '\n';
    for (const auto& missing : made.notFound) err << name << ": " << inference::NoteText(missing) << '\n';
  }
  return !result.races.empty();
}

}  // namespace app
