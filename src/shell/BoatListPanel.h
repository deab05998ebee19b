// BoatListPanel ("pnlBOATlist"): one row per boat (focus box with the name, speed bar, true wind angle)
// under the header "Label1". Clicks on the boxes and the header set which boats are in focus; the ticker
// follows the session's moment; a hover over a row asks the chart to pick the boat out.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QWidget>
#include <vector>

#include "pages/BoatHighlight.h"
#include "shell/CanvasImage.h"
#include "shell/RaceSession.h"

namespace shell {

// A boat's focus box: the press sets the focus by the list's rules (the box does not toggle itself), a
// pointer move over it is reported for the hover.
class BoatCheck : public QCheckBox {
  Q_OBJECT

 public:
  BoatCheck(int boat, const QString& name, QWidget* parent);
  int Boat() const { return boat_; }

 signals:
  void boatPressed(int boat, Qt::MouseButton button, bool shift);
  void boatHovered(int boat, QPoint at);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int boat_;
};

// The header line: a click brings every boat back into focus; hovering shows how the focus clicks work.
class BoatListHeader : public QLabel {
  Q_OBJECT

 public:
  explicit BoatListHeader(QWidget* parent);

 signals:
  void pressed();
  void hovered();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
};

class BoatListPanel : public QWidget {
  Q_OBJECT

 public:
  BoatListPanel(RaceSession& session, QWidget* parent);

  BoatListHeader* Label1;
  // Per-boat rows of the race shown, 1-based (element 0 unused).
  std::vector<BoatCheck*> boatCheck;
  std::vector<CanvasImage*> boatBar;
  std::vector<QLabel*> boatMemo;

  // Height the rows need.
  int RowsHeight() const;
  int RowHeight() const;

 signals:
  void highlightRequested(int boat);
  void highlightCleared();
  // The pointer is over the list: a long list may take the room of the panels around it.
  void roomWanted();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateRows();
  void PlaceRows();
  void ShowTicker();
  void PressBoat(int boat, Qt::MouseButton button, bool shift);
  void HoverBoat(int boat, QPoint at);
  void FocusAll();
  void ShowChecks(const std::vector<bool>& checks);
  void ApplyLanguage();

  RaceSession& session_;
  pages::BoatListHover hover_;
};

}  // namespace shell
