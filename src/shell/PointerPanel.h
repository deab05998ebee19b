// A plain panel of the window with a face colour that reports pointer moves over itself (not over its
// controls), for panels whose hover does something: the score panel steps aside, side panels tidy up.
#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace shell {

// Gives a side panel its form name and face colour and lets it follow the pointer.
inline void SetPanelFace(QWidget* panel, const char* name, QColor face) {
  panel->setObjectName(QString::fromLatin1(name));
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, face);
  panel->setPalette(colours);
  panel->setAutoFillBackground(true);
  panel->setMouseTracking(true);
}

class PointerPanel : public QWidget {
  Q_OBJECT

 public:
  PointerPanel(QWidget* parent, const char* name, QColor face) : QWidget(parent) {
    SetPanelFace(this, name, face);
  }

 signals:
  void pointerMoved(QPoint at);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    if (event->buttons() == Qt::NoButton) emit pointerMoved(event->position().toPoint());
    event->accept();  // not on to the window behind
  }
};

}  // namespace shell
