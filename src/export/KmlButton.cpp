// The "Google Earth" button's logic, without the toolkit.
#include "export/KmlButton.h"

#include <filesystem>

namespace kml {

void AskFocusQuestion(KmlSession& session, int unfocusedCount, const AskYesNo& ask) {
  if (unfocusedCount > 0) session.kmlHideUnfocused = ask() ? 1 : 0;
}

namespace {

// The focus question, then one of the exports into ZELMap5.kml in the documents folder.
template <typename Export>
KmlExportResult ExportToDocuments(const Button3Input& input, KmlSession& session, const AskYesNo& ask,
                                  Export exportTo) {
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
  result.error = exportTo(result.path, options);
  if (result.error.empty()) session.kmlPath = result.path;
  return result;
}

}  // namespace

KmlExportResult Button3MouseDown(bool leftButton, const Button3Input& input, KmlSession& session,
                                 const AskYesNo& ask) {
  return ExportToDocuments(input, session, ask, [&](const std::string& path, const KmlOptions& options) {
    return leftButton ? ExportPresentScene(path, input.store, input.frame, input.raceTime, options)
                      : ExportWholeRace(path, input.store, options);
  });
}

KmlExportResult ExportRaceWithTime(const Button3Input& input, KmlSession& session, const AskYesNo& ask) {
  return ExportToDocuments(input, session, ask, [&](const std::string& path, const KmlOptions& options) {
    return ExportTimedRace(path, input.store, options);
  });
}

}  // namespace kml
