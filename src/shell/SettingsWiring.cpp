// The window and its remembered choices: read at start-up (some before the first race loads, the rest
// after it, since a load resets them), written when the window closes.
#include <QFileInfo>
#include <QSettings>

#include "race/RaceCatalogue.h"
#include "shell/MainWindow.h"

namespace shell {

namespace {

// A check box set as the user would click it, so whatever listens to it follows.
void SetByClick(QCheckBox* box, const std::optional<bool>& checked) {
  if (checked && box->isChecked() != *checked) box->click();
}

}  // namespace

void TForm1::UseSettings(QSettings* settings) {
  settings_ = settings;
}

WindowSettings TForm1::RememberedSettings() const {
  return settings_ ? ReadSettings(*settings_) : WindowSettings{};
}

QString TForm1::DialogFolder() const {
  const QString last = QString::fromStdString(dialogFolder_);
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  return QString::fromStdString(state_.store->documentsFolder);
}

void TForm1::RememberDialogFolder(const QString& chosenFile) {
  dialogFolder_ = QFileInfo(chosenFile).absolutePath().toStdString();
}

void TForm1::RestoreBeforeFirstLoad(const WindowSettings& remembered) {
  dialogFolder_ = remembered.dialogFolder;
  if (!remembered.geometry.isEmpty() && restoreGeometry(remembered.geometry))
    pnlSPLITE->setGeometry(0, 0, width(), height());
  if (remembered.speed) state_.speedFactor = *remembered.speed;
  SetByClick(chkAutoNext, remembered.autoNext);
  // Only a user whose locale offers both languages has chosen one.
  if (remembered.english && platform_.UserLocaleId() == kJapaneseLocaleId) {
    if (*remembered.english)
      usaClick();
    else
      jpnClick();
  }
}

void TForm1::RestoreAfterFirstLoad(const WindowSettings& remembered) {
  if (remembered.zoom) ScrollBar2->setValue(*remembered.zoom);
  SetByClick(CheckBox1, remembered.autoTrace);
  SetByClick(CheckBox2, remembered.boatName);
  SetByClick(chkLL, remembered.layLines);
  SetByClick(ChkRefLine, remembered.compLine);
  SetByClick(ChkBigBoat, remembered.bigBoat);
}

void TForm1::SaveSettings() {
  if (!settings_) return;
  const race::RaceStore& store = Store();
  WindowSettings values = RememberedSettings();
  if (state_.englishTexts < 2) values.english = state_.englishTexts == 1;
  if (store.raceIndex >= 1 && store.raceIndex <= store.raceListCount &&
      race::CatalogueRacePath(store, store.raceList[store.raceIndex]) == store.raceFilePath)
    values.lastRace = store.raceList[store.raceIndex];
  values.geometry = saveGeometry();
  values.speed = state_.speedFactor;
  values.zoom = ScrollBar2->value();
  values.autoTrace = CheckBox1->isChecked();
  values.boatName = CheckBox2->isChecked();
  values.layLines = chkLL->isChecked();
  values.compLine = ChkRefLine->isChecked();
  values.bigBoat = ChkBigBoat->isChecked();
  values.autoNext = chkAutoNext->isChecked();
  values.dialogFolder = dialogFolder_;
  WriteSettings(*settings_, values);
}

}  // namespace shell
