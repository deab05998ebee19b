// Mouse and key events of the main window for the playback logic: the chart, the overview, the time bar,
// the boat list and its header, and the Shift key of the range measurement.
#include <QKeyEvent>
#include <QMouseEvent>

#include "shell/MainWindow.h"
#include "shell/PlaybackWiring.h"
#include "shell/Texts.h"
#include "shell/Tips.h"

namespace shell {

namespace {

playback::Button ButtonOf(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return playback::Button::Left;
  if (button == Qt::RightButton) return playback::Button::Right;
  return playback::Button::Middle;
}

QPoint PointOf(QEvent* event) {
  return static_cast<QMouseEvent*>(event)->position().toPoint();
}

}  // namespace

bool PlaybackWiring::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (form_.Loading() || form_.frameBitmap == nullptr) return false;
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    if (!form_.isActiveWindow()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return false;
    if (type == QEvent::KeyPress) {
      playback::FormKeyDown(map_, key->key() == Qt::Key_Shift);
    } else {
      playback::FormKeyUp(map_);
    }
    return false;
  }
  if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) {
    return false;
  }
  const bool press = type != QEvent::MouseMove;
  const QPoint at = PointOf(event);
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (watched == &form_) {
    return press ? ChartMousePress(mouse->button(), at.x(), at.y()) : ChartMouseMove(at.x(), at.y());
  }
  if (watched == form_.TimeBar) {
    press ? TimeBarPress(at.y()) : TimeBarMove(at.y());
    return true;  // not on to pnlTimeBar, whose tidying would release the held clock text
  }
  if (watched == form_.BackTimeBar || watched == form_.pnlTimeBar) {
    if (press && watched == form_.BackTimeBar) {
      playback::BackTimeBarMouseDown(form_.State().playback, form_.Store(), at.y(),
                                     form_.BackTimeBar->height());
    } else if (!press) {
      SidePanelMove();
      form_.setWindowTitle(QString::fromStdString(form_.Store().raceCaption));
    }
    return false;
  }
  if (watched == form_.Image1 && press) {
    AppState& state = form_.State();
    if (playback::Image1MouseDown(state.manualView, state.options, form_.Store(), state.chartFit, at.x(),
                                  at.y())) {
      RedrawStillChart();
    }
    return true;
  }
  if (watched == form_.Label1) {
    if (press) {
      std::vector<bool> checks;
      form_.State().unfocusedCount = playback::Label1MouseDown(form_.Store(), checks);
      for (QCheckBox* check : form_.boatCheck) {
        if (check != nullptr) check->setChecked(true);
      }
      RenewFocusPicture();
      return true;
    }
    RestoreMapPicture();
    if (auto tip = playback::Label1MouseMove(form_.State().pointer, form_.State().tipsOn)) {
      form_.ShowTip(PointerTipOf(*tip, form_.State().englishTexts));
    }
    return true;  // not on to pnlBOATlist, which would hide the tip again
  }
  if (watched == form_.pnlBOATlist && !press) {
    SidePanelMove();
    return false;
  }
  if (press && watched->objectName() == QLatin1String("boatCheck")) {
    return BoatCheckPress(watched, mouse->button(), mouse->modifiers());
  }
  return false;
}

playback::ChartSituation PlaybackWiring::Situation() const {
  const AppState& state = form_.State();
  playback::ChartSituation chart;
  chart.mapWidth = state.mapWidth;
  chart.mapHeight = state.mapHeight;
  chart.activePage = state.activePage;
  chart.tipsOn = state.tipsOn;
  chart.frameView = view::FrameView(state.frame, state.mapWidth, state.mapHeight, state.options.northUp,
                                    form_.Store().windDirection);
  return chart;
}

bool PlaybackWiring::ChartMouseMove(int x, int y) {
  AppState& state = form_.State();
  const playback::PointerMove move = playback::FormMouseMove(
      map_, state.playback, state.pointer, state.options, form_.Store(), state.chartFit, Situation(), x, y);
  if (move.restoreMap) RestoreMapPicture();
  form_.pnlLOGO->show();
  form_.pnlCTRL->show();
  form_.setWindowTitle(QString::fromStdString(move.caption));
  if (move.readout) {
    const playback::RangeReadout& r = *move.readout;
    const std::string text = r.basePointWanted ? Text(TextId::ClickBasePoint, state.englishTexts) : r.text;
    form_.Memo6->setText(QString::fromStdString(text));
    form_.Memo6->setGeometry(r.left, r.top, r.width, r.height);
    form_.Memo6->show();
    form_.Memo6->raise();
    if (r.line) rubberBand_->SetLine({r.fromX, r.fromY}, {r.toX, r.toY});
  } else {
    form_.Memo6->hide();
  }
  if (move.tip) {
    form_.ShowTip(PointerTipOf(*move.tip, state.englishTexts));
  } else {
    form_.HideTip();
  }
  return false;
}

bool PlaybackWiring::ChartMousePress(Qt::MouseButton button, int x, int y) {
  AppState& state = form_.State();
  if (x >= state.mapWidth || y >= state.mapHeight) return false;
  const playback::ChartClick click =
      playback::FormMouseDown(map_, state.manualView, state.options, form_.Store(), state.chartFit,
                              Situation(), ButtonOf(button), x, y);
  if (click.toggleWindGraph) form_.PnlWindGr->setVisible(!form_.PnlWindGr->isVisible());
  if (click.redrawStillChart) RedrawStillChart();
  return false;
}

void PlaybackWiring::TimeBarMove(int y) {
  AppState& state = form_.State();
  form_.Memo6->hide();
  const playback::Hover hover =
      playback::TimeBarMouseMove(state.playback, state.pointer, form_.Store(), state.chartFit, state.options,
                                 y, form_.TimeBar->height(), state.tipsOn);
  ShowClock(hover.clockSeconds);
  for (int b = 1; b < static_cast<int>(hover.dots.size()); ++b) {
    if (!hover.dots[b] || b >= static_cast<int>(form_.boatDot.size())) continue;
    // Kept in the frame state too, so the frame ticks leave the previewed dots where they are.
    if (b < static_cast<int>(state.frame.overviewDots.size())) state.frame.overviewDots[b] = *hover.dots[b];
    form_.boatDot[b]->move(form_.Image1->x() + hover.dots[b]->x, form_.Image1->y() + hover.dots[b]->y);
  }
  if (hover.tip) {
    const std::string moment = LocaleDateTimeText(form_.Store().startTime + hover.clockSeconds / 86400.0);
    form_.ShowTip(PointerTipOf(*hover.tip, state.englishTexts, moment));
  }
}

void PlaybackWiring::TimeBarPress(int y) {
  Pull();
  AppState& state = form_.State();
  playback::ScoreChange score;
  const playback::Effects effects = playback::TimeBarMouseDown(
      clock_, state.playback, form_.Store(), state.options, y, form_.TimeBar->height(), score);
  ApplyScore(score);
  Push();
  Apply(effects);
}

void PlaybackWiring::SidePanelMove() {
  AppState& state = form_.State();
  RestoreMapPicture();
  form_.HideTip();
  form_.Memo6->hide();
  playback::ReleasePointer(state.playback, state.pointer, state.options);
}

bool PlaybackWiring::BoatCheckPress(QObject* check, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  const int b = check->property("tag").toInt();
  race::RaceStore& store = form_.Store();
  std::vector<bool> checks(static_cast<size_t>(store.boatCount) + 1, true);
  for (int i = 1; i <= store.boatCount && i < static_cast<int>(form_.boatCheck.size()); ++i) {
    checks[i] = form_.boatCheck[i] != nullptr && form_.boatCheck[i]->isChecked();
  }
  form_.State().unfocusedCount = playback::sBoatMouseDown(
      store, checks, form_.State().pointer, b, ButtonOf(button), (modifiers & Qt::ShiftModifier) != 0);
  for (int i = 1; i <= store.boatCount && i < static_cast<int>(form_.boatCheck.size()); ++i) {
    if (form_.boatCheck[i] != nullptr) form_.boatCheck[i]->setChecked(checks[i]);
  }
  RenewFocusPicture();
  return true;  // the box shows the state set here, not a toggle of its own
}

void PlaybackWiring::RenewFocusPicture() {
  const AppState& state = form_.State();
  if (state.activePage == 1 && !state.options.autoTrace) RedrawStillChart();
}

void PlaybackWiring::RestoreMapPicture() {
  rubberBand_->ClearLine();
}

}  // namespace shell
