// The control panel following the session: play state on the pad, speed, zoom, sea colour, orientation
// and page after each change and each load, captions in the current language, the tips of its controls,
// and its two file commands (Retouch, Attachment).
#include <QDir>
#include <QMouseEvent>
#include <filesystem>

#include "race/Numbers.h"
#include "shell/ControlPanel.h"
#include "shell/HelpAndLinks.h"
#include "shell/Retouch.h"
#include "view/WindowLayout.h"

namespace shell {

void ControlPanel::ConnectSession() {
  connect(&session_, &RaceSession::playStateChanged, this, &ControlPanel::ShowPlayState);
  connect(&session_, &RaceSession::seaChanged, this, &ControlPanel::ShowSea);
  connect(&session_, &RaceSession::raceListChanged, this, &ControlPanel::FillRaceList);
  connect(&session_, &RaceSession::raceLoaded, this, &ControlPanel::ShowRaceLoaded);
  connect(&session_, &RaceSession::languageChanged, this, &ControlPanel::ApplyLanguage);
  connect(&session_, &RaceSession::speedChanged, this, [this](int position, const QString& text) {
    const QSignalBlocker blocker(ScrollBar1);
    ScrollBar1->setValue(position);
    Memo2->setText(text);
  });
  connect(&session_, &RaceSession::zoomChanged, this, [this](int position) {
    const QSignalBlocker blocker(ScrollBar2);
    ScrollBar2->setValue(position);
  });
  connect(&session_, &RaceSession::orientationChanged, this, [this] {
    const QSignalBlocker n(RadioN), w(RadioW);
    (session_.State().options.northUp ? RadioN : RadioW)->setChecked(true);
  });
  connect(&session_, &RaceSession::optionsChanged, this, [this] {
    const view::ViewOptions& options = session_.State().options;
    const std::pair<QCheckBox*, bool> boxes[] = {
        {CheckBox1, options.autoTrace},     {chkLL, options.layLines},
        {ChkRefLine, options.compLine},     {CheckBox2, options.boatName},
        {ChkBigBoat, options.bigBoat},      {chkTacks, options.manoeuvreMarks},
        {chkSpeedTail, options.speedTails}, {chkLongTail, options.longTails}};
    for (const auto& [box, on] : boxes) {
      const QSignalBlocker blocker(box);
      box->setChecked(on);
    }
  });
  connect(&session_, &RaceSession::pageChanged, this, [this](int page) {
    ComboBox1->setEnabled(page == kTrackPage);
    Button4->setEnabled(page == kTrackPage);
  });
}

void ControlPanel::ShowPlayState() {
  const playback::PlayState state = session_.State().clock.playState;
  up_t->setVisible(state == playback::PlayState::Forward);
  dn_t->setVisible(state == playback::PlayState::Backward);
  stop_t->setVisible(state == playback::PlayState::Stopped);
  for (CanvasImage* lit : {up_t, dn_t, stop_t}) lit->raise();
  const QSignalBlocker blocker(CheckBox1);
  CheckBox1->setChecked(session_.State().options.autoTrace);
}

void ControlPanel::ShowSea() {
  const view::Sea& sea = session_.State().sea;
  const QSignalBlocker bar(ScrollBar3), box(CheckBox3);
  ScrollBar3->setValue(race::RoundToInt(sea.seaBrightness));
  CheckBox3->setChecked(sea.seaAuto > 0);
}

void ControlPanel::PaintSeaSwatches() {
  const view::Sea& sea = session_.State().sea;
  for (int k = 0; k < 5; ++k) {
    CanvasImage* swatch = seaSwatch[k];
    swatch->SetImageSize(swatch->width(), swatch->height());
    QtCanvas& canvas = swatch->Canvas();
    canvas.SetPen(view::Rgb(0, 0, 0));
    canvas.SetBrush(sea.seaPreset[k + 1]);
    canvas.Rectangle(0, 0, swatch->width(), swatch->height());
    swatch->update();
  }
}

void ControlPanel::FillRaceList() {
  const race::RaceCatalogue& catalogue = session_.Catalogue();
  ComboBox1->clear();
  for (int i = 1; i <= catalogue.raceListCount; ++i)
    ComboBox1->addItem(QString::fromStdString(catalogue.raceList[i]));
  ShowCatalogueEntry();
}

void ControlPanel::ShowCatalogueEntry() {
  // By catalogue entry, not by name: a race of the user's own may share its file name with one of the
  // program's.
  const int k = session_.Catalogue().raceIndex;
  if (k >= 1 && k <= ComboBox1->count()) ComboBox1->setCurrentIndex(k - 1);
}

void ControlPanel::ShowRaceLoaded() {
  const AppState& state = session_.State();
  ShowCatalogueEntry();
  {
    const QSignalBlocker page(RadioButton1);
    RadioButton1->setChecked(true);
    ComboBox1->setEnabled(true);
    Button4->setEnabled(true);
  }
  {
    const QSignalBlocker zoom(ScrollBar2);
    ScrollBar2->setValue(ScrollBar2->maximum());
  }
  {
    const QSignalBlocker n(RadioN), w(RadioW);
    (state.options.northUp ? RadioN : RadioW)->setChecked(true);
  }
  {
    const QSignalBlocker speed(ScrollBar1);
    ScrollBar1->setValue(view::SpeedBarPosition(state.clock.speedFactor));
  }
  ShowPlayState();
  ShowSea();
}

void ControlPanel::ApplyLanguage() {
  const int language = session_.State().englishTexts;
  const auto set = [language](auto* control, TextId id) {
    control->setText(QString::fromStdString(Text(id, language)));
  };
  set(Label5, TextId::Label5);
  GroupBox1->setTitle(QString::fromStdString(Text(TextId::GroupBox1, language)));
  set(RadioN, TextId::RadioN);
  set(RadioW, TextId::RadioW);
  set(chkAutoNext, TextId::chkAutoNext);
  set(Button4, TextId::Button4);
  set(RadioButton1, TextId::RadioButton1);
  set(RadioButton2, TextId::RadioButton2);
  set(RadioButton3, TextId::RadioButton3);
  set(CheckBox1, TextId::CheckBox1);
  set(chkLL, TextId::chkLL);
  set(ChkRefLine, TextId::ChkRefLine);
  set(CheckBox2, TextId::CheckBox2);
  set(ChkBigBoat, TextId::ChkBigBoat);
  set(chkHint, TextId::chkHint);
  set(Button2, TextId::Button2);
  set(Button5, TextId::Button5);
  set(btnOpenTracks, TextId::OpenTracksButton);
  set(btnEditRace, TextId::EditRaceButton);
  set(chkTacks, TextId::chkTacks);
  set(chkSpeedTail, TextId::chkSpeedTail);
  set(chkLongTail, TextId::chkLongTail);
  set(lblSmooth, TextId::lblSmooth);
  FillSmoothingList();
  // One flag offers the other language; in English without a switch neither shows.
  jpn->setVisible(language == 1);
  usa->setVisible(language == 0);
  FitCaptions();
}

void ControlPanel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (event->buttons() != Qt::NoButton) return;
  const std::pair<QWidget*, TipControl> tipped[] = {{chkAutoNext, TipControl::chkAutoNext},
                                                    {Button4, TipControl::Button4},
                                                    {ChkBigBoat, TipControl::ChkBigBoat},
                                                    {Button2, TipControl::Button2},
                                                    {Button3, TipControl::Button3}};
  QWidget* under = childAt(event->position().toPoint());
  for (const auto& [widget, control] : tipped) {
    if (under != widget) continue;
    AppState& state = session_.State();
    if (control == TipControl::ChkBigBoat) state.pointer.focusBoat = 0;
    const TipSituation situation{state.englishTexts, state.tipsOn, state.options.autoTrace};
    if (const auto tip = ControlTip(control, situation, session_.Store())) session_.RequestTip(*tip);
    return;
  }
  if (under == nullptr) session_.ReleasePointer();
}

void ControlPanel::button2Click() {
  session_.Services().Beep();
  if (const auto file = NextAttachment(session_.Store())) session_.Services().OpenWithDesktop(*file);
}

void ControlPanel::Button5Click() {
  Platform& platform = session_.Services();
  const std::string& documents = session_.Store().documentsFolder;
  const std::string path = RetouchPath(documents);
  QDir().mkpath(QString::fromStdString(documents));
  const bool track = session_.State().clock.activePage == kTrackPage;
  // The replay's picture is drawn afresh for the present time before it is written.
  if (track && session_.State().options.autoTrace) session_.PresentFrame();
  const QtCanvas* picture = track ? session_.FramePicture() : session_.GraphPicture();
  const std::string reason = WriteWindowsBitmap(picture ? picture->Image() : QImage(), path);
  if (!reason.empty()) {
    // The user's image program is not started on an old or half-written file.
    platform.ShowMessage(Text(TextId::CannotWriteFile, session_.State().englishTexts, {path, reason}));
    return;
  }
  platform.OpenWithDesktop(path);
}

}  // namespace shell
