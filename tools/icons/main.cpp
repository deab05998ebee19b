// regatix-icons: draws the icons the KML export points to: ar0.png ... ar350.png, a boat arrow turned to
// each 10-degree heading (bow up at 0, clockwise), and buoi.png, a mark buoy. Usage: regatix-icons OUTDIR
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>

namespace {

constexpr int kSize = 32;

// A hull seen from above, bow pointing up, centred on the origin; the transom is notched so the
// heading reads at a glance even at small sizes.
QPainterPath BoatArrow() {
  QPainterPath path;
  path.moveTo(0, -14);
  path.cubicTo(6, -8, 7, 2, 5.5, 12);
  path.lineTo(0, 8);
  path.lineTo(-5.5, 12);
  path.cubicTo(-7, 2, -6, -8, 0, -14);
  path.closeSubpath();
  return path;
}

QImage Arrow(int heading) {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(kSize / 2.0, kSize / 2.0);
  painter.rotate(heading);
  painter.setPen(QPen(QColor(20, 20, 20), 1.5));
  painter.setBrush(QColor(255, 214, 0));
  painter.drawPath(BoatArrow());
  painter.setPen(QPen(QColor(20, 20, 20), 1.2));
  painter.drawLine(QPointF(0, -9), QPointF(0, 5));  // the centre line, bow to mast step
  return image;
}

QImage Buoy() {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF ball(5, 5, 22, 22);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 110, 0));
  painter.drawEllipse(ball);
  painter.setBrush(QColor(255, 255, 255, 170));  // a highlight, so it reads as a ball afloat
  painter.drawEllipse(QRectF(10, 9, 7, 5));
  painter.setPen(QPen(QColor(20, 20, 20), 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(ball);
  return image;
}

bool Save(const QImage& image, const QString& path) {
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "regatix-icons: cannot write %s\n", path.toLocal8Bit().constData());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: regatix-icons OUTDIR\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]) + "/";
  for (int heading = 0; heading < 360; heading += 10) {
    if (!Save(Arrow(heading), folder + "ar" + QString::number(heading) + ".png")) return 1;
  }
  return Save(Buoy(), folder + "buoi.png") ? 0 : 1;
}
