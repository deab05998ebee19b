// The chart's own pointer, wheel and keys: position read-out, labels and tips by pointer place, zoom and
// recentring clicks of the still chart, range and bearing with Shift, and the replay keys.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "shell/ChartWidget.h"

namespace shell {

playback::ChartSituation ChartWidget::Situation() const {
  const AppState& state = session_.State();
  playback::ChartSituation chart;
  chart.mapWidth = state.mapWidth;
  chart.mapHeight = state.mapHeight;
  chart.activePage = state.clock.activePage;
  chart.tipsOn = state.tipsOn;
  chart.frameView = view::FrameView(state.frame, state.mapWidth, state.mapHeight, state.options.northUp,
                                    session_.Store().windDirection);
  return chart;
}

bool ChartWidget::EditPointer(QMouseEvent* event) {
  if (!session_.Editing() || session_.State().clock.activePage != kTrackPage) return false;
  const QPoint at = event->position().toPoint();
  if (event->type() == QEvent::MouseButtonPress && event->button() == Qt::LeftButton)
    draggedHandle_ = session_.EditHandleAt(at);
  if (draggedHandle_ >= 0 && (event->buttons() & Qt::LeftButton)) {
    setCursor(Qt::ClosedHandCursor);
    if (event->type() == QEvent::MouseMove) {
      session_.MoveEditHandle(draggedHandle_, at);
      update();
    }
    return true;
  }
  draggedHandle_ = -1;
  if (session_.EditHandleAt(at) >= 0) {
    setCursor(Qt::OpenHandCursor);
  } else {
    unsetCursor();
  }
  return false;
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  if (session_.Loading() || !session_.RaceShown()) return;
  if (EditPointer(event)) return;
  lblWindAt->hide();
  const QPoint at = event->position().toPoint();
  AppState& state = session_.State();
  const view::Pointer before = state.pointer;
  const playback::PointerMove move =
      playback::FormMouseMove(session_.Map(), state.playback, state.pointer, state.options, session_.Store(),
                              state.chartFit, Situation(), at.x(), at.y());
  if (move.restoreMap) rubberBand_->ClearLine();
  emit pointerOverChart();
  window()->setWindowTitle(QString::fromStdString(move.caption));
  if (move.readout) {
    const playback::RangeReadout& r = *move.readout;
    const std::string text = r.basePointWanted ? session_.Tr(TextId::ClickBasePoint) : r.text;
    Memo6->setText(QString::fromStdString(text));
    const int width = std::max(r.width, Memo6->fontMetrics().horizontalAdvance(Memo6->text()) + 8);
    Memo6->setGeometry(r.left, r.top, width, std::max(r.height, Memo6->fontMetrics().height() + 2));
    Memo6->show();
    Memo6->raise();
    if (r.line) rubberBand_->SetLine({r.fromX, r.fromY}, {r.toX, r.toY});
  } else {
    Memo6->hide();
  }
  if (move.tip) {
    ShowTip(PointerTipOf(*move.tip, state.englishTexts));
  } else {
    HideTip();
  }
  // A stopped replay shows labels and wakes for the pointer's place at once.
  const view::Pointer& now = state.pointer;
  const bool changed = now.focusBoat != before.focusBoat || now.nameMode != before.nameMode ||
                       now.windMarks != before.windMarks || now.redWakes != before.redWakes;
  if (changed && state.clock.playState == playback::PlayState::Stopped && state.options.autoTrace &&
      state.clock.activePage == kTrackPage) {
    session_.PresentFrame();
  }
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (session_.Loading() || !session_.RaceShown()) return;
  if (EditPointer(event)) return;
  const QPoint at = event->position().toPoint();
  AppState& state = session_.State();
  if (at.x() >= state.mapWidth || at.y() >= state.mapHeight) return;
  const playback::ChartClick click =
      playback::FormMouseDown(session_.Map(), state.manualView, state.options, session_.Store(),
                              state.chartFit, Situation(), PointerButton(event->button()), at.x(), at.y());
  if (click.toggleWindGraph && state.clock.activePage == kTrackPage) {
    PnlWindGr->setVisible(!PnlWindGr->isVisible() && session_.Store().windDataPresent > 0);
  }
  if (click.redrawStillChart) session_.RedrawStillChart();
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && draggedHandle_ >= 0) {
    draggedHandle_ = -1;
    setCursor(Qt::OpenHandCursor);
  }
  QWidget::mouseReleaseEvent(event);
}

void ChartWidget::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y() / 120;
  const QPoint at = event->position().toPoint();
  if (steps != 0) session_.ZoomAbout(steps, at.x(), at.y());
  event->accept();
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
  const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
  if (!event->isAutoRepeat()) playback::FormKeyDown(session_.Map(), event->key() == Qt::Key_Shift);
  const QPoint pointer = mapFromGlobal(QCursor::pos());
  const QPoint about = rect().contains(pointer) ? pointer : rect().center();
  switch (event->key()) {
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) session_.TogglePlay();
      break;
    case Qt::Key_Right:
      session_.Step(shift ? 10 : 1);
      break;
    case Qt::Key_Left:
      session_.Step(shift ? -10 : -1);
      break;
    case Qt::Key_Home:
      session_.BackToStart();
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      session_.ZoomAbout(1, about.x(), about.y());
      break;
    case Qt::Key_Minus:
      session_.ZoomAbout(-1, about.x(), about.y());
      break;
    case Qt::Key_PageUp:
      session_.ChangeSpeed(1);
      break;
    case Qt::Key_PageDown:
      session_.ChangeSpeed(-1);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void ChartWidget::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) playback::FormKeyUp(session_.Map());
  QWidget::keyReleaseEvent(event);
}

}  // namespace shell
