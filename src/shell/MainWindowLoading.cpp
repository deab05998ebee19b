// The main window's loading panel ("pnlSPLITE"): the splash picture with the race caption, the file being
// read and a progress strip. It covers the window only while a later race loads (the loading window shows
// the first) and goes as soon as the load succeeded or failed.
#include "race/Numbers.h"
#include "shell/LoadingWindow.h"
#include "shell/MainWindow.h"
#include "shell/PointerPanel.h"

namespace shell {

void TForm1::CreateLoadingPanel() {
  pnlSPLITE = new PointerPanel(this, "pnlSPLITE", QColor(128, 128, 0));
  Image2 = new CanvasImage(pnlSPLITE, QStringLiteral("Image2"));
  Image2->SetPicture(splash_);
  Image3 = new CanvasImage(pnlSPLITE, QStringLiteral("Image3"));
  memo4 = new QLabel(pnlSPLITE);
  memo4->setObjectName(QStringLiteral("memo4"));
  memo4->setStyleSheet(QStringLiteral("color: white; font-size: 12px;"));
  memo5 = new QLabel(pnlSPLITE);
  memo5->setObjectName(QStringLiteral("memo5"));
  memo5->setStyleSheet(
      QStringLiteral("color: rgb(0,255,255); font-size: 20px; font-weight: bold; font-style: italic;"));
  pnlSPLITE->hide();
}

void TForm1::ShowLoadingPanel() {
  if (State().firstLoadDone == 0) return;  // the loading window shows the first load
  Image3->Canvas().Fill(view::Rgb(255, 255, 255));
  memo4->clear();
  memo5->clear();
  pnlSPLITE->show();
  pnlSPLITE->raise();
  // The logo and control panels stay in sight over the loading panel.
  overview->raise();
  controls->raise();
  chart->HideTip();
  pnlSPLITE->repaint();
}

void TForm1::ShowLoadProgress(const QString& caption, const QString& file, int boat, int boatCount) {
  if (State().firstLoadDone == 0 && loadingWindow_) {
    loadingWindow_->ShowProgress(caption, file, boat, boatCount);
    return;
  }
  memo5->setText(caption.trimmed());
  memo5->repaint();
  memo4->setText(file);
  memo4->repaint();
  QtCanvas& bar = Image3->Canvas();
  bar.SetPen(view::Rgb(0, 0, 255));
  bar.SetBrush(view::Rgb(0, 0, 255));
  const int filled =
      boatCount > 0 ? race::RoundToInt(static_cast<double>(bar.Width()) * boat / boatCount) : 0;
  if (filled > 0) bar.Rectangle(0, 0, filled, bar.Height());
  Image3->repaint();
}

void TForm1::HideLoadingPanel() {
  pnlSPLITE->hide();
}

}  // namespace shell
