// TForm2: laid out by the loading-window arithmetic, repainted at once on each progress step.
#include "shell/LoadingWindow.h"

#include "race/Numbers.h"
#include "shell/Texts.h"
#include "view/WindowLayout.h"

namespace shell {

namespace {

void Place(QWidget* widget, const view::Box& box) {
  widget->setGeometry(box.left, box.top, box.width, box.height);
}

}  // namespace

TForm2::TForm2(const QRect& screen, const QImage& splash) : QWidget(nullptr) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Regatix"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_DeleteOnClose);
  QPalette olive = palette();
  olive.setColor(QPalette::Window, QColor(128, 128, 0));
  setPalette(olive);
  setAutoFillBackground(true);
  setGeometry(screen);

  const view::LoadingLayout layout =
      view::LayoutLoadingWindow(screen.width(), screen.height(), splash.width(), splash.height());
  Image1 = new CanvasImage(this, QStringLiteral("Image1"));
  Image1->SetPicture(splash);
  Place(Image1, layout.image1);

  memo2 = new QLabel(this);
  memo2->setObjectName(QStringLiteral("memo2"));
  memo2->setStyleSheet(
      QStringLiteral("color: rgb(0,255,255); font-size: 20px; font-weight: bold; font-style: italic;"));
  memo2->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  memo2->setWordWrap(true);  // a long race caption takes a second line rather than being cut
  Place(memo2, layout.memo2);
  memo2->hide();

  memo1 = new QLabel(this);
  memo1->setObjectName(QStringLiteral("memo1"));
  memo1->setStyleSheet(QStringLiteral("color: white; font-size: 12px;"));
  Place(memo1, layout.memo1);
  memo1->hide();

  Image2 = new CanvasImage(this, QStringLiteral("Image2"), layout.image2.width, layout.image2.height);
  Place(Image2, layout.image2);
}

void TForm2::ShowProgress(const QString& raceCaption, const QString& boatFile, int i, int boatCount) {
  memo1->setText(QString::fromStdString(Text(TextId::Loading, 2)) + boatFile + QStringLiteral("  (") +
                 QString::number(i) + QLatin1Char('/') + QString::number(boatCount) + QLatin1Char(')'));
  memo1->show();
  memo1->repaint();
  QtCanvas& strip = Image2->Canvas();
  strip.SetPen(view::Rgb(0, 0, 255));
  strip.SetBrush(view::Rgb(0, 0, 255));
  const int filled = boatCount > 0 ? race::RoundToInt(static_cast<double>(strip.Width()) * i / boatCount) : 0;
  if (filled > 0) strip.Rectangle(0, 0, filled, strip.Height());
  Image2->repaint();
  memo2->setText(raceCaption.trimmed());
  memo2->show();
  memo2->repaint();
  setWindowTitle(raceCaption);
}

void TForm2::FormDeactivate() {
  close();
}

}  // namespace shell
