// The time bar: drawn for each race and each new height, its pointer following the replay, and the
// pointer and clicks handed to the session.
#include "shell/TimeBarPanel.h"

#include <QMouseEvent>

#include "shell/PointerPanel.h"
#include "view/TimeBar.h"

namespace shell {

TimeBarPanel::TimeBarPanel(RaceSession& session, QWidget* parent) : QWidget(parent), session_(session) {
  SetPanelFace(this, "pnlTimeBar", QColor(40, 40, 60));
  BackTimeBar = new CanvasImage(this, QStringLiteral("BackTimeBar"));
  TimeBar = new CanvasImage(this, QStringLiteral("TimeBar"));
  TimePointer = new QWidget(this);
  TimePointer->setObjectName(QStringLiteral("TimePointer"));
  QPalette red = TimePointer->palette();
  red.setColor(QPalette::Window, Qt::red);
  TimePointer->setPalette(red);
  TimePointer->setAutoFillBackground(true);
  TimePointer->setAttribute(Qt::WA_TransparentForMouseEvents);
  TimePointer->setGeometry(1, 26, 48, 3);
  for (CanvasImage* image : {BackTimeBar, TimeBar}) image->setMouseTracking(true);

  connect(TimeBar, &CanvasImage::pointerMoved, this,
          [this](QPoint at) { session_.PreviewBarMoment(at.y(), TimeBar->height()); });
  connect(TimeBar, &CanvasImage::pressed, this, [this](Qt::MouseButton, QPoint at, Qt::KeyboardModifiers) {
    session_.JumpToBar(at.y(), TimeBar->height());
  });
  connect(BackTimeBar, &CanvasImage::pointerMoved, &session_, &RaceSession::ReleasePointer);
  connect(BackTimeBar, &CanvasImage::pressed, this,
          [this](Qt::MouseButton, QPoint at, Qt::KeyboardModifiers) {
            session_.PressBelowBar(at.y(), BackTimeBar->height());
          });
  connect(&session_, &RaceSession::raceLoaded, this, &TimeBarPanel::DrawBar);
  connect(&session_, &RaceSession::frameReady, this, &TimeBarPanel::PlacePointer);
}

void TimeBarPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  DrawBar();
}

void TimeBarPanel::DrawBar() {
  BackTimeBar->SetImageSize(width(), std::max(1, height()));
  TimeBar->SetImageSize(view::kTimeBarWidth30, std::max(1, height() - 60));
  TimeBar->move(11, view::kTimeBarTop);
  session_.State().frame.timeBarHeight = TimeBar->height();
  if (session_.RaceShown()) {
    view::DrawTimeBar(TimeBar->Canvas(), BackTimeBar->Canvas(), session_.Store(), session_.State().sun);
  }
  BackTimeBar->update();
  TimeBar->update();
  PlacePointer();
}

void TimeBarPanel::PlacePointer() {
  if (!session_.RaceShown()) return;
  // From the replay time, so the pointer is right after a resize as well as after a frame.
  const int top =
      view::TimePointerTop(session_.Store(), session_.State().playback.raceTime, TimeBar->height());
  TimePointer->move(TimePointer->x(), top);
  TimePointer->raise();
}

void TimeBarPanel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  session_.ReleasePointer();
}

}  // namespace shell
