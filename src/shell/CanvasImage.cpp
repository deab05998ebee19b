// CanvasImage: paints its canvas at the top-left corner.
#include "shell/CanvasImage.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace shell {

CanvasImage::CanvasImage(QWidget* parent, const QString& name, int width, int height)
    : QWidget(parent), canvas_(width, height) {
  setObjectName(name);
  resize(width, height);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasImage::SetImageSize(int width, int height) {
  canvas_.Resize(width, height);
  resize(width, height);
}

void CanvasImage::SetPicture(const QImage& picture) {
  canvas_.Resize(picture.width(), picture.height());
  canvas_.DrawImage(0, 0, picture);
  resize(picture.size());
  update();
}

bool CanvasImage::Operable() const {
  return isSignalConnected(QMetaMethod::fromSignal(&CanvasImage::clicked)) ||
         isSignalConnected(QMetaMethod::fromSignal(&CanvasImage::pressed)) ||
         isSignalConnected(QMetaMethod::fromSignal(&CanvasImage::pointerMoved));
}

void CanvasImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_.Image());
}

void CanvasImage::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->button(), event->position().toPoint(), event->modifiers());
  if (event->button() == Qt::LeftButton) emit clicked();
  event->accept();
}

void CanvasImage::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() == Qt::NoButton) emit pointerMoved(event->position().toPoint());
  event->accept();
}

}  // namespace shell
