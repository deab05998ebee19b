// SetsMap: the map set-up of a loaded race: window layout, overview and logo panel, help button, the
// per-boat controls of the overview and the boat list, and the sun estimate.
#include <QFileInfo>

#include "shell/BoatResultText.h"
#include "shell/MainWindow.h"
#include "view/WindowLayout.h"

namespace shell {

namespace {

void Place(QWidget* widget, const view::Box& box) {
  widget->setGeometry(box.left, box.top, box.width, box.height);
}

void SetColour(QWidget* widget, QPalette::ColorRole role, view::Colour colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, QtCanvas::ToQColor(colour));
  widget->setPalette(palette);
}

}  // namespace

void TForm1::SetsMap() {
  race::RaceStore& store = Store();
  state_.chartFit.overviewWidth = state_.chartFit.overviewHeight = view::kOverviewSize;
  LayoutWindow();

  const view::LogoPanelLayout logo = view::LayoutLogoPanel(imgLOGO->width(), imgLOGO->height(), 20);
  Place(Image1, logo.image1);
  Place(Memo1, logo.memo1);
  Place(imgLOGO, logo.imgLOGO);

  state_.helpPathJa = store.programFolder + "help/index.html";
  state_.helpPathEn = store.programFolder + "help-e/index.html";
  if (!QFileInfo::exists(QString::fromStdString(state_.helpPathJa)) &&
      !QFileInfo::exists(QString::fromStdString(state_.helpPathEn))) {
    btnHELP->hide();
  } else {
    Place(btnHELP, logo.btnHELP);
    btnHELP->show();
  }

  CreateBoatObjects();

  QtCanvas& overview = Image1->Canvas();
  overview.SetBrush(state_.sea.seaColour);
  overview.SetPen(view::Rgb(0, 0, 0));
  overview.Rectangle(0, 0, view::kOverviewSize, view::kOverviewSize);

  state_.sun = analysis::EstimateSun(state_.chartFit.midLat, state_.chartFit.midLon, store.startTime,
                                     store.timeDifferenceHours);
  platform_.Beep();
}

void TForm1::CreateBoatObjects() {
  const race::RaceStore& store = Store();
  const size_t count = static_cast<size_t>(store.boatCount) + 1;
  boatDot.assign(count, nullptr);
  boatCheck.assign(count, nullptr);
  boatBar.assign(count, nullptr);
  boatMemo.assign(count, nullptr);

  // Dots from the last boat down, so boat 1 lies on top where dots overlap.
  for (int i = store.boatCount; i >= 1; --i) {
    auto* dot = new Shape(pnlLOGO, QStringLiteral("boatDot"), store.boatColour[i], view::Rgb(255, 255, 255));
    dot->SetTag(i);
    dot->setGeometry(70, 4 * i, 7, 7);
    dot->show();
    dot->raise();
    boatDot[i] = dot;
  }
  for (int i = 1; i <= store.boatCount; ++i) {
    auto* check = new QCheckBox(QString::fromStdString(NameWithMissedPoints(store, i, state_.englishTexts)),
                                pnlBOATlist);
    check->setObjectName(QStringLiteral("boatCheck"));
    check->setProperty("tag", i);
    check->setGeometry(5, 14 * i, 120, 12);
    check->setAutoFillBackground(true);
    SetColour(check, QPalette::Window, store.boatColour[i]);
    SetColour(check, QPalette::Button, store.boatColour[i]);
    SetColour(check, QPalette::WindowText, view::Rgb(255, 255, 255));
    check->setChecked(store.boatShown[i] > 0);
    check->setStyleSheet(QStringLiteral("font-size: 10px;"));
    check->show();
    boatCheck[i] = check;

    auto* bar = new CanvasImage(pnlBOATlist, QStringLiteral("boatBar"), 80, 12);
    bar->setProperty("tag", i);
    bar->Canvas().SetBrush(store.boatColour[i]);
    bar->Canvas().SetPen(store.boatColour[i]);
    bar->Canvas().Rectangle(0, 0, 80, 12);
    bar->move(128, 14 * i);
    bar->show();
    boatBar[i] = bar;

    auto* memo = new QLabel(pnlBOATlist);
    memo->setObjectName(QStringLiteral("boatMemo"));
    memo->setProperty("tag", i);
    memo->setGeometry(226, 14 * i, 30, 20);
    memo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    memo->setStyleSheet(QStringLiteral("color: black; font-size: 10px;"));
    memo->show();
    boatMemo[i] = memo;
  }
  WireBoatListEntries();
}

}  // namespace shell
