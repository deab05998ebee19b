// An image control: a widget that shows a QtCanvas the program draws on, as the window's picture
// controls (progress strips, colour bars, swatches, the overview map) need. Presses and, with mouse
// tracking on, pointer moves are passed on as signals in the image's own coordinates.
#pragma once

#include <QWidget>

#include "shell/QtCanvas.h"

namespace shell {

class CanvasImage : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasImage(QWidget* parent, const QString& name, int width = 1, int height = 1);

  QtCanvas& Canvas() { return canvas_; }
  // Resizes control and canvas together; the canvas is cleared to white.
  void SetImageSize(int width, int height);
  // Shows a picture at its own size.
  void SetPicture(const QImage& picture);
  // True when a press or a pointer move over the image does something (something listens to them).
  bool Operable() const;

 signals:
  void clicked();
  void pressed(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers);
  void pointerMoved(QPoint at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QtCanvas canvas_;
};

}  // namespace shell
