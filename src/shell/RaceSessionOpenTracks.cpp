// Open tracks: races made from the user's logger tracks, written under the user's own races folder, added to
// the race list and shown at once. One message says what was skipped or could not be found; when the tracks
// left something unfound (a single boat shows no start, course or finish) the editor opens on the new race.
#include <stdexcept>

#include "inference/RaceMaker.h"
#include "race/UserFolders.h"
#include "shell/RaceSession.h"

namespace shell {

namespace {

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

}  // namespace

const std::string& RaceSession::UserRacesFolder() {
  std::string& folder = state_.catalogue.userRacesFolder;
  if (folder.empty()) folder = race::UserRacesFolder().generic_string() + '/';
  return folder;
}

void RaceSession::ChooseAndOpenTracks() {
  if (loading_) return;
  const std::vector<std::string> files =
      platform_.ChooseFilesToOpen(Tr(TextId::OpenTracksTitle), Tr(TextId::OpenTracksFilter));
  if (!files.empty()) OpenTracks(files);
}

LoadResult RaceSession::OpenTracks(const std::vector<std::string>& paths) {
  if (loading_) return LoadResult::HeldOff;
  // The made races go where the race list looks for the user's own races.
  race::RaceCatalogue& catalogue = state_.catalogue;
  inference::MakeRacesResult made;
  try {
    made = inference::MakeRaces({paths.begin(), paths.end()}, UserRacesFolder());
  } catch (const std::runtime_error& error) {
    made.messages.push_back({inference::NoteKind::kCannotWrite,
                             {error.what()}});  // the races written before the failure are still listed
  }
  const int english = state_.englishTexts;
  std::vector<std::string> notes;
  for (const inference::InferenceNote& message : made.messages)
    notes.push_back(inference::NoteText(message, english));
  // Each race by its name, what it was made of, then what its tracks did not show: the lines to check.
  for (const inference::MadeRace& race : made.races) {
    notes.push_back(race.folder.filename().string() + ":");
    for (const inference::InferenceNote& found : race.found)
      notes.push_back("  " + inference::NoteText(found, english));
    for (const inference::InferenceNote& missing : race.notFound)
      notes.push_back("  " + inference::NoteText(missing, english));
  }
  if (made.races.empty()) {
    platform_.ShowMessage(Text(TextId::NoRaceMade, state_.englishTexts, {Lines(notes)}));
    return LoadResult::Failed;
  }

  // The new races join the list where the user's own races are listed.
  race::BuildRaceList(catalogue, Store().programFolder);
  const std::string shown = made.races.front().raceFile.generic_string();
  const int first = catalogue.IndexOfPath(Store().programFolder, shown);
  emit raceListChanged();
  const LoadResult result = LoadRace(shown, first);
  // What the tracks did not show is put right in the editor, on the race just made.
  const bool incomplete = !made.races.front().notFound.empty() && result == LoadResult::Loaded;
  if (incomplete) {
    StartEditing();  // already beside the message that points to it
    platform_.ShowMessage(Text(TextId::EditIncompleteRace, state_.englishTexts, {Lines(notes)}));
  } else if (!notes.empty()) {
    platform_.ShowMessage(Text(TextId::RaceMadeNotes, state_.englishTexts, {Lines(notes)}));
  }
  return result;
}

}  // namespace shell
