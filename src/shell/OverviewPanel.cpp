// The logo panel: the overview map and its boat dots, the text clock, the logo and HELP.
#include "shell/OverviewPanel.h"

#include <QFileInfo>
#include <QMouseEvent>

#include "shell/HelpAndLinks.h"
#include "shell/Pictures.h"
#include "shell/PointerPanel.h"
#include "view/Compass.h"
#include "view/WindowLayout.h"

namespace shell {

namespace {

void Place(QWidget* widget, const view::Box& box) {
  widget->setGeometry(box.left, box.top, box.width, box.height);
}

}  // namespace

OverviewPanel::OverviewPanel(RaceSession& session, QWidget* parent) : QWidget(parent), session_(session) {
  SetPanelFace(this, "pnlLOGO", QColor(212, 208, 200));
  Image1 = new CanvasImage(this, QStringLiteral("Image1"), view::kOverviewSize, view::kOverviewSize);
  Memo1 = new QLabel(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setAutoFillBackground(true);
  Memo1->setFrameShape(QFrame::Box);
  Memo1->setStyleSheet(QStringLiteral("background: white; color: black;"));
  Memo1->setAlignment(Qt::AlignCenter);
  imgLOGO = new CanvasImage(this, QStringLiteral("imgLOGO"));
  imgLOGO->SetPicture(Picture(QStringLiteral("logo")));
  imgLOGO->setMouseTracking(true);
  btnHELP = new QPushButton(this);
  btnHELP->setObjectName(QStringLiteral("btnHELP"));
  btnHELP->setFocusPolicy(Qt::NoFocus);
  btnHELP->setText(QString::fromStdString(Text(TextId::btnHELP, 2)));
  btnHELP->setMouseTracking(true);  // its moves reach the panel, which shows its tip
  btnHELP->hide();

  LayOut();

  connect(btnHELP, &QPushButton::clicked, this, &OverviewPanel::btnHELPClick);
  connect(imgLOGO, &CanvasImage::clicked, this, &OverviewPanel::imgLOGOClick);
  connect(imgLOGO, &CanvasImage::pointerMoved, this, [this] { TipOf(TipControl::imgLOGO); });
  connect(Image1, &CanvasImage::pressed, this, [this](Qt::MouseButton, QPoint at, Qt::KeyboardModifiers) {
    AppState& state = session_.State();
    if (playback::Image1MouseDown(state.manualView, state.options, session_.Store(), state.chartFit, at.x(),
                                  at.y())) {
      session_.RedrawStillChart();
    }
  });
  connect(&session_, &RaceSession::raceLoaded, this, &OverviewPanel::RaceLoaded);
  connect(&session_, &RaceSession::orientationChanged, this, &OverviewPanel::DrawOverview);
  connect(&session_, &RaceSession::frameReady, this, &OverviewPanel::PlaceDots);
  connect(&session_, &RaceSession::overviewDotsMoved, this, &OverviewPanel::PlaceDots);
  connect(&session_, &RaceSession::clockTextChanged, Memo1, &QLabel::setText);
}

void OverviewPanel::LayOut() {
  const int clockHeight = std::max(20, fontMetrics().height() + 4);
  const view::LogoPanelLayout logo = view::LayoutLogoPanel(imgLOGO->width(), imgLOGO->height(), clockHeight);
  Place(Image1, logo.image1);
  Place(Memo1, logo.memo1);
  Place(imgLOGO, logo.imgLOGO);
  Place(btnHELP, logo.btnHELP);
  btnHELP->resize(btnHELP->width(), std::max(25, fontMetrics().height() + 8));
}

void OverviewPanel::RaceLoaded() {
  const race::RaceStore& store = session_.Store();
  const std::string& folder = store.programFolder;
  btnHELP->setVisible(QFileInfo::exists(QString::fromStdString(folder + "help/index.html")) ||
                      QFileInfo::exists(QString::fromStdString(folder + "help-e/index.html")));
  for (Shape* dot : boatDot) delete dot;
  boatDot.assign(static_cast<size_t>(store.boatCount) + 1, nullptr);
  // Dots from the last boat down, so boat 1 lies on top where dots overlap.
  for (int i = store.boatCount; i >= 1; --i) {
    auto* dot = new Shape(this, QStringLiteral("boatDot"), store.boatColour[i], view::Rgb(255, 255, 255));
    dot->SetTag(i);
    dot->setGeometry(70, 4 * i, 7, 7);
    dot->setAttribute(Qt::WA_TransparentForMouseEvents);
    dot->show();
    dot->raise();
    boatDot[i] = dot;
  }
  DrawOverview();
}

void OverviewPanel::DrawOverview() {
  const AppState& state = session_.State();
  view::DrawOverviewMap(Image1->Canvas(), session_.Store(), state.chartFit, state.sea.seaPreset[1],
                        state.options.northUp);
  Image1->update();
  PlaceDots();
}

void OverviewPanel::PlaceDots() {
  const view::FrameState& frame = session_.State().frame;
  for (size_t i = 1; i < boatDot.size() && i < frame.overviewDots.size() && i < frame.boatActive.size();
       ++i) {
    // A boat that has not shown up yet keeps its dot where the set-up put it.
    if (frame.boatActive[i] == 0 && session_.State().playback.clockTextFrozen == 0) continue;
    boatDot[i]->move(Image1->x() + frame.overviewDots[i].x, Image1->y() + frame.overviewDots[i].y);
  }
}

void OverviewPanel::TipOf(TipControl control) {
  AppState& state = session_.State();
  state.pointer.focusBoat = 0;
  const TipSituation situation{state.englishTexts, state.tipsOn, state.options.autoTrace};
  if (const auto tip = ControlTip(control, situation, session_.Store())) session_.RequestTip(*tip);
}

void OverviewPanel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  QWidget* under = childAt(event->position().toPoint());
  if (under == btnHELP) {
    TipOf(TipControl::btnHELP);
  } else if (under == nullptr) {
    session_.ReleasePointer();
  }
}

void OverviewPanel::btnHELPClick() {
  if (const auto page = HelpPage(session_.Store().programFolder, session_.State().englishTexts))
    session_.Services().OpenWithDesktop(*page);
}

void OverviewPanel::imgLOGOClick() {
  session_.Services().OpenWithDesktop(kProductSite);
}

}  // namespace shell
