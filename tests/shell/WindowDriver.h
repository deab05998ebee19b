// Operating the main window as a user does, through real events: pointer moves and presses on a widget,
// keys and the wheel on the chart, and the window's parts found by their form names.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include "shell/MainWindow.h"

namespace shelltest {

inline QPoint Centre(QWidget* widget) {
  return QPoint(widget->width() / 2, widget->height() / 2);
}

// A pointer move without a button at a place relative to the widget (its centre by default).
inline void Move(QWidget* widget, QPoint at = QPoint(-1, -1)) {
  if (at == QPoint(-1, -1)) at = Centre(widget);
  QMouseEvent event(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// A press and release of a mouse button.
inline void Press(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(-1, -1),
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  if (at == QPoint(-1, -1)) at = Centre(widget);
  const QPointF global = widget->mapToGlobal(QPointF(at));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, button, button, modifiers);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, button, Qt::NoButton, modifiers);
  QApplication::sendEvent(widget, &release);
}

inline void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(widget, &release);
}

inline void Wheel(QWidget* widget, int steps, QPoint at) {
  QWheelEvent event(QPointF(at), widget->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 120 * steps),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

template <class T = QWidget>
T* Part(QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace shelltest
