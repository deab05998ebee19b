// The "Google Earth" button's logic, without the toolkit.
#include "export/KmlButton.h"

#include <filesystem>

namespace kml {

void AskFocusQuestion(KmlSession& session, int unfocusedCount, const AskYesNo& ask) {
  if (unfocusedCount > 0) session.kmlHideUnfocused = ask() ? 1 : 0;
}

KmlExportResult Button3MouseDown(bool leftButton, const Button3Input& input, KmlSession& session,
                                 const AskYesNo& ask) {
  AskFocusQuestion(session, input.unfocusedCount, ask);
  KmlOptions options;
  options.englishTexts = input.englishTexts;
  options.kmlHideUnfocused = session.kmlHideUnfocused;
  options.iconFolder = input.store.programFolder + "ya/";
  options.dateTimeText = input.dateTimeText;

  KmlExportResult result;
  result.path = input.store.documentsFolder;
  if (!result.path.empty() && result.path.back() != '/') result.path += '/';
  // The documents folder may not exist yet (a fresh account, a removed folder): make it, as Retouch does.
  std::error_code ignored;
  if (!input.store.documentsFolder.empty())
    std::filesystem::create_directories(input.store.documentsFolder, ignored);
  result.path += kKmlFileName;
  result.error = leftButton
                     ? ExportPresentScene(result.path, input.store, input.frame, input.raceTime, options)
                     : ExportWholeRace(result.path, input.store, options);
  if (result.error.empty()) session.kmlPath = result.path;
  return result;
}

}  // namespace kml
