// OverviewPanel ("pnlLOGO"): the overview map of the whole race ("Image1") with a dot per boat, the text
// clock ("Memo1"), the logo ("imgLOGO", the web site) and HELP. A click on the overview recentres the
// still chart there.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "shell/CanvasImage.h"
#include "shell/RaceSession.h"
#include "shell/Shape.h"

namespace shell {

class OverviewPanel : public QWidget {
  Q_OBJECT

 public:
  OverviewPanel(RaceSession& session, QWidget* parent);
  // Places its parts; the clock text is as tall as the font needs.
  void LayOut();

  CanvasImage *Image1, *imgLOGO;
  QLabel* Memo1;
  QPushButton* btnHELP;
  std::vector<Shape*> boatDot;  // 1..boatCount

  void btnHELPClick();
  void imgLOGOClick();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void RaceLoaded();
  void DrawOverview();
  void PlaceDots();
  void TipOf(TipControl control);

  RaceSession& session_;
};

}  // namespace shell
