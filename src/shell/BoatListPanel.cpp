// The boat list: its rows for each loaded race, focus clicks, the once-a-second ticker and the hover that
// picks a boat out on the chart or the Graph page.
#include "shell/BoatListPanel.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <cmath>

#include "analysis/Leaderboard.h"
#include "playback/BoatList.h"
#include "shell/BoatResultText.h"
#include "shell/LeaderboardText.h"
#include "shell/PointerPanel.h"

namespace shell {

BoatCheck::BoatCheck(int boat, const QString& name, QWidget* parent) : QCheckBox(name, parent), boat_(boat) {
  setObjectName(QStringLiteral("boatCheck"));
  setProperty("tag", boat);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
}

void BoatCheck::mousePressEvent(QMouseEvent* event) {
  emit boatPressed(boat_, event->button(), (event->modifiers() & Qt::ShiftModifier) != 0);
  event->accept();
}

void BoatCheck::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();  // the box shows the state the press set, not a toggle of its own
}

void BoatCheck::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() == Qt::NoButton) emit boatHovered(boat_, event->position().toPoint());
  event->accept();
}

BoatListHeader::BoatListHeader(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("Label1"));
  setMouseTracking(true);
}

void BoatListHeader::mousePressEvent(QMouseEvent* event) {
  emit pressed();
  event->accept();
}

void BoatListHeader::mouseMoveEvent(QMouseEvent* event) {
  emit hovered();
  event->accept();
}

void BoatListHeader::enterEvent(QEnterEvent* event) {
  emit hovered();
  QLabel::enterEvent(event);
}

BoatListPanel::BoatListPanel(RaceSession& session, QWidget* parent) : QWidget(parent), session_(session) {
  Label1 = new BoatListHeader(this);
  chkRank = new QCheckBox(this);
  chkRank->setObjectName(QStringLiteral("chkRank"));
  chkRank->setFocusPolicy(Qt::NoFocus);
  chkRank->setStyleSheet(QStringLiteral("color: black;"));
  connect(chkRank, &QCheckBox::clicked, &session_, &RaceSession::SetBoatListByPlace);
  connect(&session_, &RaceSession::boatOrderChanged, this, &BoatListPanel::ShowOrder);
  SetPanelFace(this, "pnlBOATlist", Qt::white);
  rowsArea_ = new QScrollArea(this);
  rowsArea_->setObjectName(QStringLiteral("boatRows"));
  rowsArea_->setFrameShape(QFrame::NoFrame);
  rowsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rowsArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  rowsArea_->setFocusPolicy(Qt::NoFocus);
  rows_ = new QWidget;
  SetPanelFace(rows_, "boatRowsContent", Qt::white);
  rows_->installEventFilter(this);
  rowsArea_->setWidget(rows_);
  connect(Label1, &BoatListHeader::pressed, this, &BoatListPanel::FocusAll);
  connect(Label1, &BoatListHeader::hovered, this, [this] {
    emit highlightCleared();
    hover_ = {};
    if (auto tip = playback::Label1MouseMove(session_.State().pointer, session_.State().tipsOn)) {
      session_.RequestTip(PointerTipOf(*tip, session_.State().englishTexts));
    }
  });
  connect(&session_, &RaceSession::raceLoaded, this, &BoatListPanel::CreateRows);
  connect(&session_, &RaceSession::momentChanged, this, &BoatListPanel::ShowTicker);
  connect(&session_, &RaceSession::languageChanged, this, &BoatListPanel::ApplyLanguage);
  ApplyLanguage();
}

int BoatListPanel::RowHeight() const {
  // As tall as the font needs with a little air, less air when a big fleet would not fit in the window
  // otherwise; never shorter than the names, for a longer list scrolls.
  const int boats = std::max(1, static_cast<int>(boatCheck.size()) - 1);
  const int room =
      parentWidget() != nullptr ? parentWidget()->height() - y() - fontMetrics().height() - 8 : 1000;
  const int tightest = std::max(12, fontMetrics().height());
  return std::clamp(room / boats, tightest, std::max(14, fontMetrics().height() + 2));
}

int BoatListPanel::RowsHeight() const {
  return (static_cast<int>(boatCheck.size()) - 1) * RowHeight() + Label1->height() + chkRank->height() + 12;
}

void BoatListPanel::ApplyLanguage() {
  const int english = session_.State().englishTexts;
  Label1->setText(QString::fromStdString(
      Text(session_.State().boatListByPlace ? TextId::RankHeader : TextId::Label1, english)));
  chkRank->setText(QString::fromStdString(Text(TextId::chkRank, english)));
  for (size_t b = 1; b < names_.size(); ++b)
    names_[b] = QString::fromStdString(NameWithMissedPoints(session_.Store(), static_cast<int>(b), english));
  Rank(true);
  PlaceRows();
}

// Entry order or race order: the header, the columns shown and the rows' places follow.
void BoatListPanel::ShowOrder() {
  const bool byPlace = session_.State().boatListByPlace;
  chkRank->setChecked(byPlace);
  for (size_t b = 1; b < boatCheck.size(); ++b) {
    boatBar[b]->setVisible(!byPlace);
    boatMemo[b]->setVisible(!byPlace);
    boatGap[b]->setVisible(byPlace);
  }
  ApplyLanguage();
}

// The race order of the present second; always also when the second has not changed.
void BoatListPanel::Rank(bool always) {
  const race::RaceStore& store = session_.Store();
  const int count = static_cast<int>(boatCheck.size()) - 1;
  if (!session_.State().boatListByPlace || count < 1) {
    order_ = ListOrder({}, count);
    for (int b = 1; b <= count && b < static_cast<int>(names_.size()); ++b) boatCheck[b]->setText(names_[b]);
    return;
  }
  const double second = std::floor(session_.State().playback.raceTime);
  if (!always && second == rankedSecond_) return;
  rankedSecond_ = second;
  const std::vector<analysis::LeaderboardRow> rows = analysis::RankFleet(store, second);
  order_ = ListOrder(rows, count);
  const int english = session_.State().englishTexts;
  for (const analysis::LeaderboardRow& row : rows) {
    if (row.boat < 1 || row.boat > count) continue;
    boatCheck[row.boat]->setText(QStringLiteral("%1. %2").arg(row.place).arg(names_[row.boat]));
    boatGap[row.boat]->setText(QString::fromStdString(GapText(row, english)));
  }
  PositionRows();
}

void BoatListPanel::CreateRows() {
  for (auto* row : boatCheck) delete row;
  for (auto* row : boatBar) delete row;
  for (auto* row : boatMemo) delete row;
  for (auto* row : boatGap) delete row;
  hover_ = {};
  const race::RaceStore& store = session_.Store();
  const size_t count = static_cast<size_t>(store.boatCount) + 1;
  boatCheck.assign(count, nullptr);
  boatBar.assign(count, nullptr);
  boatMemo.assign(count, nullptr);
  boatGap.assign(count, nullptr);
  names_.assign(count, QString());
  for (int i = 1; i <= store.boatCount; ++i) {
    auto* check = new BoatCheck(
        i, QString::fromStdString(NameWithMissedPoints(store, i, session_.State().englishTexts)), rows_);
    // The box itself keeps a light face with a dark rim, so an unticked box shows on any boat colour.
    check->setStyleSheet(QStringLiteral("QCheckBox { background: %1; color: white; padding-left: 2px; }"
                                        "QCheckBox::indicator { background: white; border: 1px solid black; "
                                        "width: 9px; height: 9px; }"
                                        "QCheckBox::indicator:checked { background: black; "
                                        "border: 2px solid white; }")
                             .arg(QtCanvas::ToQColor(store.boatColour[i]).name()));
    check->setChecked(store.boatShown[i] > 0);
    check->show();
    connect(check, &BoatCheck::boatPressed, this, &BoatListPanel::PressBoat);
    connect(check, &BoatCheck::boatHovered, this, &BoatListPanel::HoverBoat);
    boatCheck[i] = check;

    auto* bar = new CanvasImage(rows_, QStringLiteral("boatBar"), 80, 12);
    bar->setProperty("tag", i);
    bar->Canvas().Fill(store.boatColour[i]);
    bar->setMouseTracking(true);
    connect(bar, &CanvasImage::pointerMoved, this, [this] { emit roomWanted(); });
    bar->show();
    boatBar[i] = bar;

    auto* memo = new QLabel(rows_);
    memo->setObjectName(QStringLiteral("boatMemo"));
    memo->setProperty("tag", i);
    memo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    memo->setStyleSheet(QStringLiteral("color: black;"));
    memo->show();
    boatMemo[i] = memo;

    auto* gap = new QLabel(rows_);
    gap->setObjectName(QStringLiteral("boatGap"));
    gap->setStyleSheet(QStringLiteral("color: black;"));
    boatGap[i] = gap;
  }
  rowsArea_->verticalScrollBar()->setValue(0);
  ShowOrder();
}

void BoatListPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceRows();
}

// Columns: the name box, the speed bar, the true wind angle (in race order the gaps instead of the last
// two); rows as tall as the font needs, under the order switch and the header.
void BoatListPanel::PlaceRows() {
  const int header = fontMetrics().height() + 2;
  chkRank->setGeometry(5, 0, width() - 10, header);
  Label1->setGeometry(0, header, width(), header);
  // The header's columns line up in any language: a font too wide for the list is set smaller.
  Label1->setFont(QFont());
  QFont small = Label1->font();
  while (Label1->fontMetrics().horizontalAdvance(Label1->text()) > width() && small.pointSizeF() > 6) {
    small.setPointSizeF(small.pointSizeF() - 0.5);
    Label1->setFont(small);
  }
  PositionRows();
  ShowTicker();
}

// The rows under the header, in the scroll area; the scroll bar takes its width only when the rows need it.
void BoatListPanel::PositionRows() {
  const int row = RowHeight();
  const int areaTop = Label1->y() + Label1->height() + 1;
  const int areaHeight = std::max(0, height() - areaTop);
  rowsArea_->setGeometry(0, areaTop, width(), areaHeight);
  const int rowsHeight = row * static_cast<int>(order_.size());
  const bool scrolls = rowsHeight > areaHeight;
  const int rowsWidth = width() - (scrolls ? rowsArea_->verticalScrollBar()->sizeHint().width() : 0);
  rows_->resize(rowsWidth, std::max(rowsHeight, areaHeight));
  const int nameWidth = std::max(120, width() * 45 / 100);
  const int angleWidth = fontMetrics().horizontalAdvance(QStringLiteral("-180")) + 6;
  const int barLeft = 5 + nameWidth + 3;
  for (size_t k = 0; k < order_.size(); ++k) {
    const size_t b = static_cast<size_t>(order_[k]);
    if (b < 1 || b >= boatCheck.size()) continue;
    const int top = row * static_cast<int>(k);
    boatCheck[b]->setGeometry(5, top, nameWidth, row - 2);
    boatBar[b]->move(barLeft, top);
    boatMemo[b]->setGeometry(rowsWidth - angleWidth - 4, top, angleWidth, row - 2);
    boatGap[b]->setGeometry(barLeft, top, rowsWidth - barLeft - 4, row - 2);
  }
}

void BoatListPanel::ShowTicker() {
  Rank(false);
  const std::vector<playback::TickerRow>& rows = session_.Ticker();
  const race::RaceStore& store = session_.Store();
  const int row = RowHeight() - 2;
  const int room = std::max(1, rows_->width() - (boatBar.size() > 1 ? boatBar[1]->x() : 0) - 50);
  for (size_t b = 1; b < boatBar.size() && b < rows.size(); ++b) {
    CanvasImage* bar = boatBar[b];
    // The ticker's bar widths are for an 80-pixel column; a wider column stretches them.
    const int width = std::clamp(rows[b].barWidth * room / 80, 1, room);
    bar->SetImageSize(width, row);
    QtCanvas& canvas = bar->Canvas();
    canvas.Fill(store.boatColour[b]);
    if (!rows[b].speedText.empty()) {
      canvas.SetFont(std::max(10, row - 4), view::Rgb(255, 255, 255));
      canvas.TextOut(1, 0, rows[b].speedText);
    }
    bar->update();
    boatMemo[b]->setText(QString::fromStdString(rows[b].twaText).trimmed());
  }
}

void BoatListPanel::ShowChecks(const std::vector<bool>& checks) {
  for (size_t i = 1; i < boatCheck.size() && i < checks.size(); ++i) boatCheck[i]->setChecked(checks[i]);
}

void BoatListPanel::PressBoat(int boat, Qt::MouseButton button, bool shift) {
  if (session_.Loading()) return;
  race::RaceStore& store = session_.Store();
  std::vector<bool> checks(static_cast<size_t>(store.boatCount) + 1, true);
  for (int i = 1; i <= store.boatCount && i < static_cast<int>(boatCheck.size()); ++i)
    checks[i] = boatCheck[i]->isChecked();
  const int unfocused =
      playback::sBoatMouseDown(store, checks, session_.State().pointer, boat, PointerButton(button), shift);
  ShowChecks(checks);
  const int highlighted = hover_.lastBoat;
  session_.FocusChanged(unfocused);
  // The highlight moves onto the new picture.
  if (highlighted > 0) {
    emit highlightRequested(highlighted);
    hover_.lastBoat = highlighted;
  }
}

void BoatListPanel::FocusAll() {
  if (session_.Loading()) return;
  std::vector<bool> checks;
  const int unfocused = playback::Label1MouseDown(session_.Store(), checks);
  for (BoatCheck* check : boatCheck) {
    if (check != nullptr) check->setChecked(true);
  }
  session_.FocusChanged(unfocused);
}

void BoatListPanel::HoverBoat(int boat, QPoint at) {
  if (session_.Loading() || boat < 1 || boat > session_.Store().boatCount) return;
  AppState& state = session_.State();
  const pages::HoverEffects effects =
      pages::BoatEntryMouseMove(boat, at.x(), at.y(), state.clock.activePage, state.options.autoTrace,
                                state.tipsOn > 0, state.pointer, hover_);
  if (effects.highlightGraph || effects.highlightChart) emit highlightRequested(boat);
  if (effects.showFocusTip)
    session_.RequestTip(FocusTip(state.englishTexts, session_.Store().boatName[boat]));
  emit roomWanted();
}

// The pointer over the list between its rows: the plain page comes back and the panels make room.
void BoatListPanel::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  PointerBetweenRows();
}

bool BoatListPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == rows_ && event->type() == QEvent::MouseMove &&
      static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
    PointerBetweenRows();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void BoatListPanel::PointerBetweenRows() {
  if (session_.Loading()) return;
  session_.ReleasePointer();
  hover_ = {};
  emit highlightCleared();
  emit roomWanted();
}

void BoatListPanel::leaveEvent(QEvent* event) {
  hover_ = {};
  emit highlightCleared();
  QWidget::leaveEvent(event);
}

}  // namespace shell
