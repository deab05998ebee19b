// BoatListPanel ("pnlBOATlist"): one row per boat (focus box with the name, speed bar, true wind angle)
// under the header "Label1". Clicks on the boxes and the header set which boats are in focus; the ticker
// follows the session's moment; a hover over a row asks the chart to pick the boat out.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
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
  // "Race order": the rows by race position with their gaps, recomputed each second; off is entry order.
  QCheckBox* chkRank;
  // Per-boat rows of the race shown, 1-based (element 0 unused).
  std::vector<BoatCheck*> boatCheck;
  std::vector<CanvasImage*> boatBar;
  std::vector<QLabel*> boatMemo;
  std::vector<QLabel*> boatGap;  // the gap column of the race order
  // The boats from the top row down.
  const std::vector<int>& RowOrder() const { return order_; }
  // The rows under the header; a fleet taller than the panel scrolls (wheel and scroll bar).
  QScrollArea* Rows() const { return rowsArea_; }

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
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateRows();
  void PlaceRows();
  void PositionRows();
  void ShowOrder();
  void Rank(bool always);
  void ShowTicker();
  void PressBoat(int boat, Qt::MouseButton button, bool shift);
  void HoverBoat(int boat, QPoint at);
  void FocusAll();
  void ShowChecks(const std::vector<bool>& checks);
  void ApplyLanguage();
  void PointerBetweenRows();

  RaceSession& session_;
  QScrollArea* rowsArea_;
  QWidget* rows_;  // the rows' parent inside rowsArea_
  pages::BoatListHover hover_;
  std::vector<int> order_;
  double rankedSecond_ = 0;
  std::vector<QString> names_;
};

}  // namespace shell
