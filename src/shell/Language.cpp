// The two languages and the tip box: the flag clicks, the Tips box, ShowTip, the tips of the controls and
// the tidying done when the pointer reaches a side panel. The pointer watcher routes mouse moves of the
// controls, which have no move handlers of their own, to these.
#include <QEvent>
#include <QMouseEvent>
#include <algorithm>
#include <functional>
#include <unordered_map>

#include "shell/MainWindow.h"

namespace shell {

namespace {

// Calls a handler for each pointer move (no button held) over a watched widget, and keeps the move from
// reaching the window behind, whose chart handler would take it for a move over the chart and replace
// the tip. A panel's handler runs only while the pointer is over the panel itself, not one of its controls.
class PointerWatcher : public QObject {
 public:
  explicit PointerWatcher(QObject* parent) : QObject(parent) {}

  void Watch(QWidget* widget, std::function<void()> handler, bool panel = false) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    handlers_[widget] = {std::move(handler), panel};
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseMove) return false;
    const auto found = handlers_.find(watched);
    const auto* move = static_cast<QMouseEvent*>(event);
    if (found == handlers_.end() || move->buttons() != Qt::NoButton) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (!found->second.panel || widget->childAt(move->position().toPoint()) == nullptr)
      found->second.handler();
    return true;
  }

 private:
  struct Entry {
    std::function<void()> handler;
    bool panel = false;
  };
  std::unordered_map<QObject*, Entry> handlers_;
};

QString WithLineFeeds(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

void TForm1::WireLanguageAndCommands() {
  connect(jpn, &CanvasImage::clicked, this, &TForm1::jpnClick);
  connect(usa, &CanvasImage::clicked, this, &TForm1::usaClick);
  connect(chkHint, &QCheckBox::clicked, this, &TForm1::chkHintClick);
  connect(btnHELP, &QPushButton::clicked, this, &TForm1::btnHELPClick);
  connect(imgLOGO, &CanvasImage::clicked, this, &TForm1::imgLOGOClick);
  connect(Button2, &QPushButton::clicked, this, &TForm1::button2Click);
  connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);

  // The tip sizes are fixed; a small face without wrapping keeps each line of a tip on one line in its box.
  hintbox->setWordWrap(false);
  hintbox->setStyleSheet(QStringLiteral("background: rgb(255,255,160); color: black; font-size: 11px;"));
  hintbox->setMargin(0);

  auto* watcher = new PointerWatcher(this);
  const std::pair<QWidget*, TipControl> tipped[] = {
      {chkAutoNext, TipControl::chkAutoNext}, {Button4, TipControl::Button4},
      {ChkBigBoat, TipControl::ChkBigBoat},   {Button2, TipControl::Button2},
      {Button3, TipControl::Button3},         {btnHELP, TipControl::btnHELP},
      {Image10, TipControl::Image10},         {imgLOGO, TipControl::imgLOGO}};
  for (const auto& [widget, control] : tipped)
    watcher->Watch(widget, [this, control] { ControlMouseMove(control); });
  watcher->Watch(
      pnlCTRL, [this] { pnlCTRLMouseMove(); }, true);
  watcher->Watch(
      pnlLOGO, [this] { pnlLOGOMouseMove(); }, true);
  watcher->Watch(
      pnlScore, [this] { pnlScoreMouseMove(); }, true);
  watcher->Watch(Memo6, [this] { Memo6MouseMove(); });
}

void TForm1::jpnClick() {
  state_.englishTexts = 0;
  jpn->hide();
  usa->move(jpn->pos());
  usa->show();
  ApplyLanguage();
}

void TForm1::usaClick() {
  state_.englishTexts = 1;
  jpn->move(usa->pos());
  jpn->show();
  usa->hide();
  ApplyLanguage();
}

void TForm1::chkHintClick() {
  state_.tipsOn = chkHint->isChecked() ? 1 : 0;
}

void TForm1::ShowTip(const Tip& tip) {
  state_.hintText = tip.text;
  const QString lines = WithLineFeeds(tip.text);
  int width = tip.width;
  int height = tip.height;
  // The box has the tip's own size; a tip of several lines grows where this display's font
  // would cut lines off (the logo's about text, the long Japanese lines).
  if (lines.count(QLatin1Char('\n')) > 0) {
    const QSize needed = hintbox->fontMetrics().size(0, lines) + QSize(6, 2);
    width = std::max(width, needed.width());
    height = std::max(height, needed.height());
  }
  hintbox->setGeometry(state_.mapWidth - width - 5, 5, width, height);
  hintbox->setText(lines);
  hintbox->show();
  hintbox->raise();
}

void TForm1::HideTip() {
  hintbox->hide();
}

void TForm1::ControlMouseMove(TipControl control) {
  if (control == TipControl::ChkBigBoat || control == TipControl::imgLOGO) state_.pointer.focusBoat = 0;
  if (control == TipControl::Image10) state_.pointer.windMarks = 1;
  const TipSituation situation{state_.englishTexts, state_.tipsOn, state_.options.autoTrace};
  if (const auto tip = ControlTip(control, situation, Store())) ShowTip(*tip);
}

// Over a side panel the chart's pointer effects end: the tip and the range read-out go, the caption
// and the clock read-out come back, labels follow the Boat Name box, no boat stays focused. Repainting
// the chart area puts back the picture under the rubber band and the hover highlights.
void TForm1::TidySidePanel(bool controlPanel) {
  hintbox->hide();
  Memo6->hide();
  setWindowTitle(QString::fromStdString(Store().raceCaption));
  if (!CheckBox2->isChecked()) state_.pointer.nameMode = 0;
  state_.playback.clockTextFrozen = 0;
  state_.pointer.focusBoat = 0;
  if (controlPanel) {
    pnlLOGO->show();
    pnlCTRL->show();
  }
  update(0, 0, state_.mapWidth, state_.mapHeight);
}

void TForm1::pnlCTRLMouseMove() {
  TidySidePanel(true);
}

void TForm1::pnlLOGOMouseMove() {
  TidySidePanel(false);
}

void TForm1::pnlScoreMouseMove() {
  // The panel steps aside to the other side of the chart, out of the pointer's way.
  const int left = pnlScore->x() > 50 ? 5 : state_.mapWidth - pnlScore->width() - 5;
  pnlScore->move(left, pnlScore->y());
}

void TForm1::Memo6MouseMove() {
  Memo6->hide();
}

}  // namespace shell
