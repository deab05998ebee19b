// Placing the main window's panels for its client size, the start-up panel during loads, the GO/STOP pad,
// the captions of the current language, and showing the chart picture.
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "shell/MainWindow.h"
#include "shell/ShareMenu.h"
#include "view/FrameRenderer.h"
#include "view/TimeBar.h"
#include "view/WindowLayout.h"

namespace shell {

namespace {

void Place(QWidget* widget, const view::Box& box) {
  widget->setGeometry(box.left, box.top, box.width, box.height);
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

void TForm1::LayoutWindow() {
  const view::WindowLayout layout =
      view::LayoutWindow(width(), height(), Store().boatListHeight, state_.speedFactor);
  Place(pnlSPLITE, layout.pnlSPLITE);
  PlaceSplashPanel();
  pnlSPLITE->show();
  pnlSPLITE->raise();
  Place(pnlLOGO, layout.pnlLOGO);
  Place(pnlCTRL, layout.pnlCTRL);
  for (const view::NamedBox& place : view::ControlPanelPlaces()) {
    auto* control = pnlCTRL->findChild<QWidget*>(Q(std::string(place.name)), Qt::FindDirectChildrenOnly);
    if (control != nullptr) Place(control, place.box);
  }
  Place(pnlBOATlist, layout.pnlBOATlist);
  Place(pnlTimeBar, layout.pnlTimeBar);
  BackTimeBar->setGeometry(0, 0, layout.pnlTimeBar.width, layout.pnlTimeBar.height);
  TimeBar->setGeometry(11, view::kTimeBarTop, 30, std::max(1, layout.pnlTimeBar.height - 60));
  CanvasImage* swatches[] = {Image4, Image5, Image6, Image7, Image8};
  for (int k = 0; k < 5; ++k) {
    const view::Box& box = layout.seaSwatches[k];
    swatches[k]->SetImageSize(box.width, box.height);
    swatches[k]->move(box.left, box.top);
    QtCanvas& canvas = swatches[k]->Canvas();
    canvas.SetPen(state_.sea.seaPreset[k + 1]);
    canvas.SetBrush(state_.sea.seaPreset[k + 1]);
    canvas.Rectangle(0, 0, box.width, box.height);
    swatches[k]->hide();
  }
  ScrollBar1->setValue(layout.scrollBar1Position);
}

void TForm1::FormResize() {
  LayoutWindow();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TForm1::PlaceSplashPanel() {
  const view::ProgressPanelLayout layout =
      view::LayoutProgressPanel(pnlSPLITE->width(), pnlSPLITE->height(), Image2->width(), Image2->height());
  Place(Image2, layout.image2);
  if (Image3->width() != layout.image3.width || Image3->height() != layout.image3.height) {
    Image3->SetImageSize(layout.image3.width, layout.image3.height);
  }
  Place(Image3, layout.image3);
  Place(memo4, layout.memo4);
  Place(memo5, layout.memo5);
}

void TForm1::LayoutSplashPanel() {
  PlaceSplashPanel();
  Image2->show();
  Image3->Canvas().Fill(view::Rgb(255, 255, 255));
  Image3->show();
  memo4->clear();
  pnlSPLITE->show();
  pnlSPLITE->raise();
  repaint();
  pnlSPLITE->repaint();
}

void TForm1::LayoutPad() {
  // Each lit image lies over its unlit twin, so visibility alone shows the state.
  up_t->move(8, 17);
  up_f->move(8, 17);
  stop_t->move(8, up_t->y() + up_t->height() + 3);
  stop_f->move(8, stop_t->y());
  dn_t->move(8, stop_t->y() + stop_t->height() + 3);
  dn_f->move(8, dn_t->y());
  plus->move(35, up_t->y());
  minus->move(35, dn_t->y());
  plus->show();
  minus->show();
  for (CanvasImage* unlit : {up_f, stop_f, dn_f}) unlit->show();
  for (CanvasImage* lit : {stop_t, dn_t}) lit->hide();
  up_t->show();
  up_t->raise();
}

void TForm1::ApplyLanguage() {
  const auto set = [this](auto* control, TextId id) { control->setText(Q(Tr(id))); };
  set(Label1, TextId::Label1);
  set(Label5, TextId::Label5);
  GroupBox1->setTitle(Q(Tr(TextId::GroupBox1)));
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
  if (shareMenu_ != nullptr) shareMenu_->ApplyLanguage();
}

void TForm1::PresentFrame() {
  if (!frameBitmap) return;
  ClearWindowPicture();
  view::FillSea(*frameBitmap, state_.sea.seaColour);
  if (Store().boatCount > 0) {
    const view::Scene scene{Store(), state_.chartFit, state_.sea, state_.options, state_.pointer};
    view::DrawFrame(*frameBitmap, state_.playback.raceTime, scene, state_.playback, state_.frame);
    PlaceFrameMarkers();
  }
  repaint(0, 0, state_.mapWidth, state_.mapHeight);
}

void TForm1::PlaceFrameMarkers() {
  const view::FrameState& frame = state_.frame;
  for (size_t i = 1; i < boatDot.size() && i < frame.overviewDots.size() && i < frame.boatActive.size();
       ++i) {
    // A boat that has not shown up yet keeps its dot where the set-up put it.
    if (frame.boatActive[i] == 0) continue;
    boatDot[i]->move(Image1->x() + frame.overviewDots[i].x, Image1->y() + frame.overviewDots[i].y);
  }
  TimePointer->move(TimePointer->x(), frame.timePointerTop);
  TimePointer->raise();
  if (Store().windCount > 0) pnlBAR->move(5, frame.windBarTop);
  windmk->move(frame.windMarkerLeft, frame.windMarkerTop);
  windmk->show();
  Memo3->setText(QString::fromStdString(frame.compassWindText));
  Memo3->show();
}

void TForm1::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // The Graph and Table pages show the graph picture; the Track page the replay frame; either with a boat
  // list highlight over it while the window picture is up.
  const QtCanvas* picture = state_.activePage != 1 && graphBitmap ? graphBitmap.get() : frameBitmap.get();
  if (WindowPictureShown()) picture = windowPicture.get();
  if (picture) {
    // The whole picture in one block, so a frame never shows half drawn.
    const QRect chart(0, 0, state_.mapWidth, state_.mapHeight);
    painter.drawImage(QPoint(0, 0), picture->Image(), chart);
    // Beside the chart the window's face shows where a side panel is hidden (the control panel under a
    // long boat list), instead of what that panel last showed.
    for (const QRect& rest : QRegion(event->rect()).subtracted(chart)) {
      painter.fillRect(rest, palette().window());
    }
  } else {
    painter.fillRect(event->rect(), QtCanvas::ToQColor(state_.sea.seaColour));
  }
}

}  // namespace shell
