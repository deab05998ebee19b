// A shape control: a filled ellipse with an outline, as the overview map's boat dots and the compass's
// wind mark are drawn. Transparent outside the ellipse.
#pragma once

#include <QWidget>

#include "view/Canvas.h"

namespace shell {

class Shape : public QWidget {
  Q_OBJECT

 public:
  Shape(QWidget* parent, const QString& name, view::Colour brush, view::Colour pen, int penWidth = 1);

  view::Colour BrushColour() const { return brush_; }
  view::Colour PenColour() const { return pen_; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  view::Colour brush_;
  view::Colour pen_;
  int penWidth_;
  int tag_ = 0;
};

}  // namespace shell
