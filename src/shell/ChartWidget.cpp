// The chart area: its overlays, what it does when the session has a new race, frame or score, and the
// painting of the picture.
#include "shell/ChartWidget.h"

#include <QDateTime>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "race/Numbers.h"
#include "shell/BoatResultText.h"
#include "shell/Pictures.h"
#include "shell/PointerPanel.h"
#include "view/Compass.h"
#include "view/ReplayPanels.h"
#include "view/StaticChart.h"
#include "view/TimeBar.h"

namespace shell {

namespace {

QWidget* MakePanel(QWidget* parent, const char* name, QColor face) {
  return new PointerPanel(parent, name, face);
}

// A memo of the form: a read-only text box.
QLabel* MakeMemo(QWidget* parent, const char* name, const QString& style) {
  auto* memo = new QLabel(parent);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setAutoFillBackground(true);
  memo->setFrameShape(QFrame::Box);
  memo->setStyleSheet(style);
  return memo;
}

QString WithLineFeeds(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

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

ChartWidget::ChartWidget(RaceSession& session, QWidget* parent)
    : QWidget(parent), session_(session), rubberBand_(new RubberBand(this)) {
  setObjectName(QStringLiteral("chart"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  CreateOverlays();
  connect(&session_, &RaceSession::raceLoaded, this, &ChartWidget::RaceLoaded);
  connect(&session_, &RaceSession::frameReady, this, &ChartWidget::FrameReady);
  connect(&session_, &RaceSession::graphReady, this, [this] {
    ClearHighlight();
    update();
  });
  connect(&session_, &RaceSession::momentChanged, this, &ChartWidget::ShowFlags);
  connect(&session_, &RaceSession::scoreChanged, this, [this](const playback::ScoreChange& score) {
    pnlScore->Apply(score, session_.State().clock.activePage == kTrackPage);
  });
  connect(&session_, &RaceSession::orientationChanged, this, &ChartWidget::DrawCompassRose);
  connect(&session_, &RaceSession::tipRequested, this, &ChartWidget::ShowTip);
  connect(&session_, &RaceSession::tipHidden, this, &ChartWidget::HideTip);
  connect(&session_, &RaceSession::pointerReleased, this, &ChartWidget::PointerReleased);
  connect(&session_, &RaceSession::editingChanged, this, [this] {
    draggedHandle_ = -1;
    unsetCursor();
    update();
  });
  connect(&session_, &RaceSession::pageChanged, this, [this](int page) {
    const bool track = page == kTrackPage;
    Panel1->setVisible(track);
    PnlWindGr->setVisible(track && session_.Store().windDataPresent > 0);
    // The start flags belong to the replay; the Track page's next moment puts them back.
    if (!track) pnlFLAG->hide();
    ClearHighlight();
  });
}

void ChartWidget::CreateOverlays() {
  Panel1 = MakePanel(this, "Panel1", Qt::black);
  Panel1->setGeometry(5, 5, view::kCompassSize, view::kCompassSize);
  compasss = new CanvasImage(Panel1, QStringLiteral("compasss"));
  compasss->SetPicture(Picture(QStringLiteral("compass")));
  compasss->hide();
  compasst = new CanvasImage(Panel1, QStringLiteral("compasst"), view::kCompassSize, view::kCompassSize);
  compasst->Canvas().Fill(0);
  compasst->setMouseTracking(true);
  connect(compasst, &CanvasImage::pointerMoved, this,
          [this](QPoint at) { session_.HoverCompass(at.x(), at.y(), compasst->width()); });
  Memo3 = MakeMemo(Panel1, "Memo3", QStringLiteral("background: black; color: white;"));
  Memo3->setFrameShape(QFrame::NoFrame);
  Memo3->setAlignment(Qt::AlignCenter);
  Memo3->setGeometry(32, 42, 36, 16);
  Memo3->setAttribute(Qt::WA_TransparentForMouseEvents);
  Memo3->hide();
  windmk = new Shape(Panel1, QStringLiteral("windmk"), view::Rgb(255, 0, 0), view::Rgb(255, 0, 0), 5);
  windmk->setGeometry(46, 0, 8, 8);
  windmk->setAttribute(Qt::WA_TransparentForMouseEvents);
  windmk->hide();

  PnlWindGr = MakePanel(this, "PnlWindGr", Qt::black);
  PnlWindGr->setGeometry(Panel1->x(), Panel1->y() + 105, 100, 100);
  Image10 = new CanvasImage(PnlWindGr, QStringLiteral("Image10"), 100, 100);
  Image10->setMouseTracking(true);
  lblWindAt = MakeMemo(PnlWindGr, "lblWindAt", QStringLiteral("background: rgb(255,255,200); color: black;"));
  lblWindAt->setAttribute(Qt::WA_TransparentForMouseEvents);
  lblWindAt->setAlignment(Qt::AlignCenter);
  lblWindAt->hide();
  connect(Image10, &CanvasImage::pointerMoved, this, [this](QPoint at) {
    ShowWindReading(at);
    session_.State().pointer.windMarks = 1;
    const AppState& state = session_.State();
    const TipSituation situation{state.englishTexts, state.tipsOn, state.options.autoTrace};
    if (const auto tip = ControlTip(TipControl::Image10, situation, session_.Store())) ShowTip(*tip);
  });
  pnlBAR = MakePanel(PnlWindGr, "pnlBAR", Qt::red);
  pnlBAR->setGeometry(5, 95, 90, 1);
  PnlWindGr->hide();

  pnlScore = new ScorePanel(this);
  connect(pnlScore, &PointerPanel::pointerMoved, pnlScore, &ScorePanel::StepAside);
  pnlFLAG = MakePanel(this, "pnlFLAG", QColor(212, 208, 200));
  blue_p = new CanvasImage(pnlFLAG, QStringLiteral("blue_p"));
  blue_p->SetPicture(Picture(QStringLiteral("blue_p")));
  pnlFLAG->move(Panel1->x() + 110, Panel1->y());
  pnlFLAG->resize(blue_p->size());
  pnlFLAG->hide();

  hintbox = MakeMemo(this, "hintbox", QStringLiteral("background: rgb(255,255,160); color: black;"));
  hintbox->setAlignment(Qt::AlignCenter);
  hintbox->setWordWrap(false);
  hintbox->setMargin(0);
  hintbox->setAttribute(Qt::WA_TransparentForMouseEvents);
  hintbox->hide();
  Memo6 = MakeMemo(this, "Memo6", QStringLiteral("background: rgb(255,255,225); color: black;"));
  Memo6->setAttribute(Qt::WA_TransparentForMouseEvents);
  Memo6->hide();
}

void ChartWidget::RaceLoaded() {
  const race::RaceStore& store = session_.Store();
  ClearHighlight();
  rubberBand_->ClearLine();
  Memo6->hide();
  DrawCompassRose();
  pnlScore->CreateLabels(store, session_.State().englishTexts);
  Panel1->show();
  if (store.windDataPresent > 0) {
    view::DrawWindGraph(Image10->Canvas(), store);
    Image10->update();
    PnlWindGr->show();
  } else {
    PnlWindGr->hide();
  }
}

// The time of day, knots and degrees at the pointer's row, in the half of the graph the pointer is not in.
void ChartWidget::ShowWindReading(QPoint at) {
  const race::RaceStore& store = session_.Store();
  const std::optional<view::WindReading> reading = view::WindGraphReading(store, at.y());
  if (!reading) {
    lblWindAt->hide();
    return;
  }
  const QDateTime when = QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC)
                             .addSecs(std::llround(store.startTime * 86400.0 + reading->raceSeconds));
  lblWindAt->setText(QString::fromStdString(
      Text(TextId::WindReading, session_.State().englishTexts,
           {when.toString(QStringLiteral("HH:mm:ss")).toStdString(),
            race::FormatGeneral(race::Round(reading->knots * 10) / 10), std::to_string(reading->degrees)})));
  const int height = lblWindAt->fontMetrics().height() * 2 + 4;
  lblWindAt->setGeometry(2, at.y() < 50 ? 96 - height : 4, 96, height);
  lblWindAt->show();
  lblWindAt->raise();
}

void ChartWidget::DrawCompassRose() {
  const AppState& state = session_.State();
  view::DrawCompass(compasst->Canvas(), compasss->Canvas(),
                    view::CompassAngle(session_.Store(), state.options.northUp));
  compasst->update();
}

void ChartWidget::FrameReady() {
  ClearHighlight();
  const view::FrameState& frame = session_.State().frame;
  if (session_.Store().windCount > 0) pnlBAR->move(5, frame.windBarTop);
  // The wind of the moment drawn, in the replay and in the still chart alike.
  windmk->move(frame.windMarkerLeft, frame.windMarkerTop);
  windmk->show();
  windmk->raise();
  // The wind file's speed, when it gives one, under the direction.
  const bool speed = !frame.compassWindSpeedText.empty();
  Memo3->setText(QString::fromStdString(frame.compassWindText +
                                        (speed ? "\n" + frame.compassWindSpeedText : std::string())));
  Memo3->setGeometry(speed ? QRect(26, 35, 48, 30) : QRect(32, 42, 36, 16));
  Memo3->show();
  Memo3->raise();
  ShowFlags();
  // The whole picture in one block, so a frame never shows half drawn.
  repaint();
}

// The flags follow every frame, not only the once-a-second tick: at high speeds a second of replay is
// minutes of race, and a flag must not stay up past the gun. The flag box shows only while a flag is up.
void ChartWidget::ShowFlags() {
  const bool track = session_.State().clock.activePage == kTrackPage;
  const playback::Flags flags = playback::FlagsAt(session_.State().playback.raceTime);
  const bool up = track && flags.blueVisible;
  if (pnlFLAG->isVisible() != up) pnlFLAG->setVisible(up);
  if (up) pnlFLAG->raise();
}

void ChartWidget::ShowTip(const Tip& tip) {
  const QString lines = WithLineFeeds(tip.text);
  // The box has the tip's own size, grown where this display's font would cut a line off.
  const QSize needed = hintbox->fontMetrics().size(0, lines) + QSize(8, 4);
  const int boxWidth = std::max(tip.width, needed.width());
  const int boxHeight = std::max(tip.height, needed.height());
  session_.State().hintText = tip.text;
  hintbox->setGeometry(width() - boxWidth - 5, 5, boxWidth, boxHeight);
  hintbox->setText(lines);
  hintbox->show();
  hintbox->raise();
}

void ChartWidget::HideTip() {
  hintbox->hide();
}

void ChartWidget::PointerReleased() {
  Memo6->hide();
  lblWindAt->hide();
  rubberBand_->ClearLine();
  window()->setWindowTitle(QString::fromStdString(session_.Store().raceCaption));
}

bool ChartWidget::HighlightShown() const {
  return windowPicture_ && windowPicturePage_ != 0 && windowPicturePage_ == session_.State().clock.activePage;
}

void ChartWidget::ClearHighlight() {
  if (windowPicturePage_ == 0) return;
  windowPicturePage_ = 0;
  update();
}

void ChartWidget::HighlightBoat(int boat) {
  QtCanvas* frame = session_.FramePicture();
  QtCanvas* graph = session_.GraphPicture();
  QtCanvas* hover = session_.HoverBackground();
  if (frame == nullptr || graph == nullptr || hover == nullptr) return;
  const AppState& state = session_.State();
  if (!windowPicture_ || windowPicture_->Width() != state.mapWidth ||
      windowPicture_->Height() != state.mapHeight) {
    windowPicture_ = std::make_unique<QtCanvas>(state.mapWidth, state.mapHeight);
  }
  const race::RaceStore& store = session_.Store();
  if (state.clock.activePage == kGraphPage) {
    pages::HighlightBoatOnGraph(*windowPicture_, *graph, store, state.mapWidth, state.mapHeight, boat);
  } else {
    const analysis::ChartView still =
        view::StillView(state.chartFit, state.manualView, state.mapWidth, state.mapHeight,
                        state.options.northUp, store.windDirection);
    pages::HighlightBoatOnChart(*windowPicture_, *frame, *hover, store, still, boat);
  }
  windowPicturePage_ = state.clock.activePage;
  update();
}

void ChartWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const AppState& state = session_.State();
  const QtCanvas* picture =
      state.clock.activePage != kTrackPage ? session_.GraphPicture() : session_.FramePicture();
  if (HighlightShown()) picture = windowPicture_.get();
  if (picture == nullptr) {
    painter.fillRect(event->rect(), QtCanvas::ToQColor(state.sea.seaColour));
    return;
  }
  painter.drawImage(QPoint(0, 0), picture->Image());
  // A picture smaller than the widget (between a resize and the next picture) leaves sea, not garbage.
  const QRect drawn(0, 0, picture->Width(), picture->Height());
  for (const QRect& rest : QRegion(event->rect()).subtracted(drawn)) {
    painter.fillRect(rest, QtCanvas::ToQColor(state.sea.seaColour));
  }
  if (state.clock.activePage == kTrackPage) PaintEditHandles(painter);
}

void ChartWidget::PaintEditHandles(QPainter& painter) const {
  const std::vector<QPoint> handles = session_.EditHandles();
  if (handles.empty()) return;
  const int marks = static_cast<int>(session_.EditedCourse().marks.size());
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int h = 0; h < static_cast<int>(handles.size()); ++h) {
    // Marks in orange, line ends in yellow; a white ring keeps either visible on any sea.
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(h < marks ? QColor(255, 140, 0) : QColor(255, 230, 0));
    painter.drawRect(QRect(handles[h] - QPoint(5, 5), QSize(10, 10)));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(handles[h] - QPoint(6, 6), QSize(12, 12)));
  }
}

}  // namespace shell
