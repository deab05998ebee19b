// The "Google Earth" button's logic, without the toolkit.
#include "export/KmlButton.h"

namespace kml {

std::string FocusQuestion(int englishTexts) {
  if (englishTexts > 0) return "Hide Unfocused Boat ?";
  return "フォーカスの外れた艇を隠しますか？\n（いいえの場合はフォーカスの外れた艇を細線で表示します）";
}

void AskFocusQuestion(KmlSession& session, int unfocusedCount, int englishTexts, const AskYesNo& ask) {
  if (unfocusedCount > 0) session.kmlHideUnfocused = ask(FocusQuestion(englishTexts)) ? 1 : 0;
}

KmlExportResult Button3MouseDown(bool leftButton, const Button3Input& input, KmlSession& session,
                                 const AskYesNo& ask) {
  AskFocusQuestion(session, input.unfocusedCount, input.englishTexts, ask);
  KmlOptions options;
  options.englishTexts = input.englishTexts;
  options.kmlHideUnfocused = session.kmlHideUnfocused;
  options.iconFolder = input.store.programFolder + "ya/";
  options.dateTimeText = input.dateTimeText;

  KmlExportResult result;
  result.path = input.store.documentsFolder;
  if (!result.path.empty() && result.path.back() != '/') result.path += '/';
  result.path += kKmlFileName;
  result.error = leftButton
                     ? ExportPresentScene(result.path, input.store, input.frame, input.raceTime, options)
                     : ExportWholeRace(result.path, input.store, options);
  if (result.error.empty()) session.kmlPath = result.path;
  return result;
}

std::string ExportFailureMessage(const KmlExportResult& result, int englishTexts) {
  if (englishTexts > 0) return "Cannot write " + result.path + ": " + result.error;
  return result.path + " に書き込めません: " + result.error;
}

}  // namespace kml
