// The window and its remembered choices: read at start-up (some before the first race loads, the rest
// after it, since a load resets them), written when the window closes. Restoring goes through the race
// session's commands, so the controls follow as they do for the user's own changes.
#include <QSettings>

#include "shell/MainWindow.h"
#include "view/WindowLayout.h"

namespace shell {

void TForm1::UseSettings(QSettings* settings) {
  settings_ = settings;
}

WindowSettings TForm1::RememberedSettings() const {
  return settings_ ? ReadSettings(*settings_) : WindowSettings{};
}

void TForm1::RestoreBeforeFirstLoad(const WindowSettings& remembered) {
  RaceSession& session = Session();
  if (!remembered.dialogFolder.empty()) session.RememberDialogFolder(remembered.dialogFolder + "/");
  if (!remembered.geometry.isEmpty() && restoreGeometry(remembered.geometry)) LayoutWindow();
  if (remembered.speed) session.SetSpeedPosition(view::SpeedBarPosition(*remembered.speed));
  if (remembered.autoNext) {
    session.SetAutoNext(*remembered.autoNext);
    controls->chkAutoNext->setChecked(*remembered.autoNext);
  }
  // Only a user whose locale offers both languages has chosen one.
  if (remembered.english && platform_.UserLocaleId() == kJapaneseLocaleId)
    session.SetLanguage(*remembered.english ? 1 : 0);
}

void TForm1::RestoreAfterFirstLoad(const WindowSettings& remembered) {
  RaceSession& session = Session();
  if (remembered.zoom) session.SetZoomPosition(*remembered.zoom);
  const view::ViewOptions& options = State().options;
  if (remembered.autoTrace && *remembered.autoTrace != options.autoTrace)
    session.SetAutoTrace(*remembered.autoTrace);
  if (remembered.boatName) session.SetBoatNames(*remembered.boatName);
  if (remembered.layLines) session.SetLayLines(*remembered.layLines);
  if (remembered.compLine) session.SetCompLine(*remembered.compLine);
  if (remembered.bigBoat) session.SetBigBoat(*remembered.bigBoat);
}

void TForm1::SaveSettings() {
  if (!settings_) return;
  const AppState& state = State();
  const race::RaceCatalogue& catalogue = state.catalogue;
  WindowSettings values = RememberedSettings();
  if (state.englishTexts < 2) values.english = state.englishTexts == 1;
  if (catalogue.raceIndex >= 1 && catalogue.raceIndex <= catalogue.raceListCount &&
      catalogue.PathOf(Store().programFolder, catalogue.raceIndex) == Store().raceFilePath)
    values.lastRace = catalogue.raceList[catalogue.raceIndex];
  values.geometry = saveGeometry();
  values.speed = state.clock.speedFactor;
  values.zoom = controls->ScrollBar2->value();  // the bar, whose top tenth is one zoom
  values.autoTrace = state.options.autoTrace;
  values.boatName = state.options.boatName;
  values.layLines = state.options.layLines;
  values.compLine = state.options.compLine;
  values.bigBoat = state.options.bigBoat;
  values.autoNext = catalogue.autoNext == 1;
  values.dialogFolder = session_->DialogFolder() == Store().documentsFolder ? "" : session_->DialogFolder();
  WriteSettings(*settings_, values);
}

}  // namespace shell
