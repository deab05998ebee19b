// The playback clock on the main window: the two timers, the GO/STOP pad, SPEED, ZOOM, Auto Trace, the
// page buttons, EXIT, the score panel, flags, clock read-out and the boat list ticker.
#include "shell/PlaybackWiring.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <cmath>

#include "race/Numbers.h"
#include "shell/MainWindow.h"
#include "view/StaticChart.h"

namespace shell {

std::string LocaleDateTimeText(double dateTime) {
  const QDateTime base(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
  const QDateTime when = base.addMSecs(std::llround(dateTime * 86400.0) * 1000);
  const QLocale locale = QLocale::system();
  // Without a real locale the fixed form keeps the date in one word, as the still chart's time text expects.
  if (locale.language() == QLocale::C) return race::FormatDateTime(dateTime);
  QString timeFormat = locale.timeFormat(QLocale::LongFormat);
  timeFormat.remove(QLatin1Char('t'));  // no time zone name: race times are local times
  return (locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
          locale.toString(when.time(), timeFormat.trimmed()))
      .toStdString();
}

RubberBand::RubberBand(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void RubberBand::SetLine(QPoint from, QPoint to) {
  line_ = std::make_pair(from, to);
  show();
  raise();
  update();
}

void RubberBand::ClearLine() {
  if (!line_) return;
  line_.reset();
  hide();
}

void RubberBand::paintEvent(QPaintEvent*) {
  if (!line_) return;
  QPainter painter(this);
  painter.setPen(QPen(Qt::red, 2));
  painter.drawLine(line_->first, line_->second);
}

PlaybackWiring::PlaybackWiring(TForm1& form)
    : QObject(&form), form_(form), rubberBand_(new RubberBand(&form)) {
  setObjectName(QStringLiteral("playback"));
  ConnectControls();
  qApp->installEventFilter(this);
  form_.setMouseTracking(true);
  for (QWidget* widget :
       {static_cast<QWidget*>(form_.TimeBar), static_cast<QWidget*>(form_.BackTimeBar), form_.pnlTimeBar,
        form_.pnlBOATlist, static_cast<QWidget*>(form_.Label1), static_cast<QWidget*>(form_.Image1)}) {
    widget->setMouseTracking(true);
  }
}

void PlaybackWiring::ConnectControls() {
  TForm1& f = form_;
  connect(f.up_f, &CanvasImage::clicked, this, [this] { PadCommand(playback::up_fClick); });
  connect(f.dn_f, &CanvasImage::clicked, this, [this] { PadCommand(playback::dn_fClick); });
  connect(f.stop_f, &CanvasImage::clicked, this, [this] { PadCommand(playback::stop_fClick); });
  connect(f.up_t, &CanvasImage::clicked, this, [this] { PadCommand(playback::LitImageClick); });
  connect(f.dn_t, &CanvasImage::clicked, this, [this] { PadCommand(playback::LitImageClick); });
  connect(f.plus, &CanvasImage::clicked, this, [this] { StepCommand(1); });
  connect(f.minus, &CanvasImage::clicked, this, [this] { StepCommand(-1); });
  connect(f.ScrollBar1, &QScrollBar::valueChanged, this, [this](int position) {
    Pull();
    playback::ScrollBar1Change(clock_, position);
    form_.Memo2->setText(QString::fromStdString(playback::SpeedText(clock_.speedFactor)));
    Push();
  });
  connect(f.ScrollBar2, &QScrollBar::valueChanged, this,
          [this](int position) { form_.State().playback.traceScale = playback::TraceScaleAt(position); });
  connect(f.CheckBox1, &QCheckBox::clicked, this, [this](bool checked) { AutoTraceClicked(checked); });
  connect(f.CheckBox2, &QCheckBox::clicked, this, [this](bool checked) {
    form_.State().options.boatName = checked;
    playback::CheckBox2Click(form_.State().pointer, checked);
  });
  connect(f.RadioButton1, &QRadioButton::toggled, this, [this](bool checked) {
    Pull();
    if (checked) {
      playback::RadioButton1Click(clock_, form_.State().options);
      form_.ComboBox1->setEnabled(true);
      form_.Button4->setEnabled(true);
      form_.Panel1->show();
      if (form_.Store().windDataPresent > 0) form_.PnlWindGr->show();
      // A stopped replay stays stopped on coming back to the Track page.
      if (clock_.playState != playback::PlayState::Stopped) form_.Timer1->start(clock_.frameInterval);
    } else {
      playback::OtherPageClick(clock_, form_.State().options);
    }
    Push();
  });
  connect(f.Button1, &QPushButton::clicked, this, [this] {
    playback::Button1Click(clock_);
    form_.Timer1->stop();
    form_.Timer2->stop();
    form_.close();
  });
}

void PlaybackWiring::Pull() {
  const AppState& state = form_.State();
  clock_.speedFactor = state.speedFactor;
  clock_.frameInterval = state.frameInterval;
  clock_.timeStep = state.timeStep;
  clock_.playDirection = state.playDirection;
  clock_.activePage = state.activePage;
  clock_.finishedCount = state.finishedCount;
}

void PlaybackWiring::Push() {
  AppState& state = form_.State();
  state.speedFactor = clock_.speedFactor;
  state.frameInterval = clock_.frameInterval;
  state.timeStep = clock_.timeStep;
  state.playDirection = clock_.playDirection;
  state.activePage = clock_.activePage;
  state.finishedCount = clock_.finishedCount;
}

void PlaybackWiring::RaceLoaded() {
  Pull();
  playback::RaceLoaded(clock_, form_.State().playback, form_.Store());
  playback::FormKeyUp(map_);
  Push();
  rubberBand_->setGeometry(0, 0, form_.State().mapWidth, form_.State().mapHeight);
  rubberBand_->ClearLine();
  for (QCheckBox* check : form_.boatCheck) {
    if (check != nullptr) check->installEventFilter(this);
  }
  form_.ScrollBar2->setValue(form_.ScrollBar2->maximum());
  form_.State().playback.traceScale = 1.0;
  ApplyPlayState();
}

void PlaybackWiring::Timer1Timer() {
  if (form_.Loading()) return;
  Pull();
  AppState& state = form_.State();
  const playback::Effects advance = playback::Timer1Advance(clock_, state.playback, form_.Store());
  Push();
  if (!advance.loadRacePath.empty()) {
    form_.LoadRace(advance.loadRacePath, advance.loadRaceIndex);
    return;
  }
  if (!advance.presentFrame) return;
  form_.PresentFrame();
  playback::ScoreChange score;
  playback::Effects after = playback::Timer1AfterFrame(clock_, state.playback, form_.Store(), score);
  ApplyScore(score);
  ShowFlags();
  state.playback.clockSecond = view::ApplyAutoSea(state.sea, state.sun, state.playback.raceTime);
  if (state.sea.seaAuto > 0) {
    const QSignalBlocker blocker(form_.ScrollBar3);
    form_.ScrollBar3->setValue(race::RoundToInt(state.sea.seaBrightness));
  }
  Apply(after);
  Push();
}

void PlaybackWiring::Timer2Timer() {
  if (form_.Loading()) return;
  Pull();
  if (clock_.activePage != 1) return;
  if (clock_.playState != playback::PlayState::Stopped) form_.Timer1->start(clock_.frameInterval);
  form_.pnlSPLITE->hide();
  AppState& state = form_.State();
  const playback::Effects effects = playback::Timer2Tick(clock_, state.playback, form_.Store());
  UpdateTicker();
  ShowFlags();
  Push();
  Apply(effects);
}

// The flags follow every frame, not only the once-a-second tick: at high speeds a second of replay is
// minutes of race, and a flag must not stay up past the gun.
void PlaybackWiring::ShowFlags() {
  const playback::Flags flags = playback::FlagsAt(form_.State().playback.raceTime);
  if (form_.pnlFLAG->isVisible() != flags.panelVisible) form_.pnlFLAG->setVisible(flags.panelVisible);
  if (flags.panelVisible) form_.pnlFLAG->raise();
  if (form_.blue_p->isVisible() != flags.blueVisible) form_.blue_p->setVisible(flags.blueVisible);
}

void PlaybackWiring::Apply(const playback::Effects& effects) {
  Platform& platform = form_.Services();
  for (int k = 0; k < effects.beeps; ++k) platform.Beep();
  // Sounds that fall on one tick would only be heard as one.
  if (effects.guns > 0) platform.PlayStartGun();
  if (effects.presentFrame) form_.PresentFrame();
  if (effects.redrawStillChart) RedrawStillChart();
  if (effects.showClock) ShowClock(effects.clockSeconds);
  if (!effects.loadRacePath.empty()) form_.LoadRace(effects.loadRacePath, effects.loadRaceIndex);
}

void PlaybackWiring::ResetPadImages() {
  for (CanvasImage* unlit : {form_.up_f, form_.stop_f, form_.dn_f}) unlit->show();
  for (CanvasImage* lit : {form_.up_t, form_.stop_t, form_.dn_t}) lit->hide();
}

void PlaybackWiring::ApplyPlayState() {
  ResetPadImages();
  CanvasImage* lit = form_.stop_t;
  if (clock_.playState == playback::PlayState::Forward) lit = form_.up_t;
  if (clock_.playState == playback::PlayState::Backward) lit = form_.dn_t;
  lit->show();
  lit->raise();
  if (clock_.playState == playback::PlayState::Stopped) {
    form_.Timer1->stop();
    form_.Timer2->stop();
  } else {
    if (!form_.Timer1->isActive() && form_.pnlSPLITE->isHidden()) form_.Timer1->start(clock_.frameInterval);
    if (!form_.Timer2->isActive()) form_.Timer2->start(1000);
  }
  const QSignalBlocker blocker(form_.CheckBox1);
  form_.CheckBox1->setChecked(form_.State().options.autoTrace);
}

void PlaybackWiring::PadCommand(playback::Effects (*command)(playback::Clock&, view::ViewOptions&)) {
  if (form_.Loading()) return;
  Pull();
  const playback::Effects effects = command(clock_, form_.State().options);
  Push();
  ApplyPlayState();
  Apply(effects);
}

void PlaybackWiring::StepCommand(int seconds) {
  if (form_.Loading()) return;
  Pull();
  AppState& state = form_.State();
  const playback::Effects effects =
      seconds > 0 ? playback::plusClick(clock_, state.playback, state.options, form_.Store())
                  : playback::minusClick(clock_, state.playback, state.options, form_.Store());
  int guns = 0;  // a step is silent; the panel just matches the new time
  ApplyScore(playback::SignalFinishes(clock_, state.playback.raceTime, form_.Store(), guns));
  Push();
  ApplyPlayState();
  Apply(effects);
}

void PlaybackWiring::AutoTraceClicked(bool checked) {
  if (form_.Loading()) return;
  Pull();
  AppState& state = form_.State();
  const playback::Effects effects =
      playback::CheckBox1Click(clock_, state.options, state.manualView, state.frame, state.chartFit, checked);
  Push();
  ApplyPlayState();
  Apply(effects);
}

void PlaybackWiring::ApplyScore(const playback::ScoreChange& score) {
  const auto label = [this](int b) -> QLabel* {
    return b < static_cast<int>(form_.scoreLabel.size()) ? form_.scoreLabel[b] : nullptr;
  };
  for (int b : score.hidden) {
    if (QLabel* l = label(b)) l->hide();
  }
  for (int b : score.shown) {
    if (QLabel* l = label(b)) l->show();
  }
  if (score.finishedCount > 0) {
    form_.pnlScore->resize(form_.pnlScore->width(), score.finishedCount * 15 + 6);
    form_.pnlScore->show();
    form_.pnlScore->raise();
  } else {
    form_.pnlScore->hide();
  }
}

void PlaybackWiring::ShowClock(double raceSeconds) {
  const double when = form_.Store().startTime + raceSeconds / 86400.0;
  form_.Memo1->setText(QString::fromStdString(LocaleDateTimeText(when)));
}

void PlaybackWiring::RedrawStillChart() {
  if (!form_.frameBitmap) return;
  AppState& state = form_.State();
  const view::Scene scene{form_.Store(), state.chartFit, state.sea, state.options, state.pointer};
  view::CompassSurfaces compass{form_.compasst->Canvas(), form_.compasss->Canvas()};
  view::DrawStaticChart(*form_.frameBitmap, scene, state.manualView, state.playback, state.frame,
                        LocaleDateTimeText, &compass);
  form_.compasst->update();
  form_.repaint(0, 0, state.mapWidth, state.mapHeight);
}

void PlaybackWiring::UpdateTicker() {
  AppState& state = form_.State();
  const race::RaceStore& store = form_.Store();
  const std::vector<playback::TickerRow> rows = playback::UpdateTicker(state.playback, state.frame, store);
  for (int b = 1; b < static_cast<int>(rows.size()); ++b) {
    if (b >= static_cast<int>(form_.boatBar.size()) || form_.boatBar[b] == nullptr) continue;
    CanvasImage* bar = form_.boatBar[b];
    const int width = std::max(1, rows[b].barWidth);
    bar->SetImageSize(width, 12);
    QtCanvas& canvas = bar->Canvas();
    canvas.Fill(store.boatColour[b]);
    if (!rows[b].speedText.empty()) {
      canvas.SetFont(10, view::Rgb(255, 255, 255));
      canvas.TextOut(1, 1, rows[b].speedText);
    }
    bar->update();
    if (b < static_cast<int>(form_.boatMemo.size()) && form_.boatMemo[b] != nullptr) {
      form_.boatMemo[b]->setText(QString::fromStdString(rows[b].twaText));
    }
  }
}

}  // namespace shell
