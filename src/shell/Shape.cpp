// Shape: the ellipse fills the control, its outline inside the edge.
#include "shell/Shape.h"

#include <QPainter>

#include "shell/QtCanvas.h"

namespace shell {

Shape::Shape(QWidget* parent, const QString& name, view::Colour brush, view::Colour pen, int penWidth)
    : QWidget(parent), brush_(brush), pen_(pen), penWidth_(penWidth) {
  setObjectName(name);
  setAttribute(Qt::WA_TranslucentBackground);
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(QtCanvas::ToQColor(pen_));
  pen.setWidth(penWidth_);
  painter.setPen(pen);
  painter.setBrush(QtCanvas::ToQColor(brush_));
  const int inset = penWidth_ / 2;
  painter.drawEllipse(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

}  // namespace shell
