// The score panel: labels made once per race, the panel fitted only when the finishers change, so the
// frame tick of a big fleet does not measure two hundred labels twenty times a second.
#include "shell/ScorePanel.h"

#include <QScrollBar>
#include <algorithm>

#include "shell/BoatResultText.h"
#include "shell/QtCanvas.h"
#include "view/ReplayPanels.h"

namespace shell {

namespace {

constexpr int kMinWidth = 220;
constexpr int kMargin = 5;  // from the chart's edges

}  // namespace

ScorePanel::ScorePanel(QWidget* chart) : PointerPanel(chart, "pnlScore", Qt::white) {
  rows_ = new QScrollArea(this);
  rows_->setObjectName(QStringLiteral("scoreRows"));
  rows_->setFrameShape(QFrame::NoFrame);
  rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rows_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  rows_->setWidgetResizable(false);
  // The pointer on the scroll bar must not send the panel away from under it.
  rows_->verticalScrollBar()->setAttribute(Qt::WA_NoMousePropagation);
  content_ = new QWidget;
  content_->setAttribute(Qt::WA_TransparentForMouseEvents);
  rows_->setWidget(content_);
  // Pointer moves over the rows are the panel's own: they land on the viewport, which hands them on.
  rows_->viewport()->setMouseTracking(true);
  rows_->viewport()->installEventFilter(this);
  resize(kMinWidth, 21);
  hide();
}

bool ScorePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == rows_->viewport() && event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    if (move->buttons() == Qt::NoButton)
      emit pointerMoved(rows_->viewport()->mapTo(this, move->position().toPoint()));
  }
  return PointerPanel::eventFilter(watched, event);
}

int ScorePanel::RowHeight() const {
  return fontMetrics().height() + 2;
}

void ScorePanel::CreateLabels(const race::RaceStore& store, int englishTexts) {
  for (QLabel* label : scoreLabel) delete label;
  scoreLabel.assign(static_cast<size_t>(store.boatCount) + 1, nullptr);
  shownCount_ = -1;
  hide();
  if (store.lineCount < 1 || store.boatCount < 1) return;
  const int rowHeight = RowHeight();
  // Wide enough for the longest name in the window's font (Japanese names too).
  labelWidth_ = kMinWidth - 12;
  for (int b = 1; b <= store.boatCount; ++b) {
    auto* label = new QLabel(content_);
    label->setObjectName(QStringLiteral("scoreLabel"));
    label->setText(
        QString::fromStdString(view::ScoreLabelText(store, b, NameWithMissedPoints(store, b, englishTexts))));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QtCanvas::ToQColor(store.boatColour[b]));
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->move(6, (store.finishRank[b] - 1) * rowHeight + 3);
    label->hide();
    labelWidth_ = std::max(labelWidth_, label->sizeHint().width());
    scoreLabel[b] = label;
  }
  for (QLabel* label : scoreLabel) {
    if (label != nullptr) label->resize(labelWidth_, rowHeight - 2);
  }
}

void ScorePanel::Apply(const playback::ScoreChange& score, bool trackPage) {
  const auto label = [this](int b) -> QLabel* {
    return b >= 0 && b < static_cast<int>(scoreLabel.size()) ? scoreLabel[b] : nullptr;
  };
  for (int b : score.hidden) {
    if (QLabel* l = label(b)) l->hide();
  }
  for (int b : score.shown) {
    if (QLabel* l = label(b)) l->show();
  }
  if (score.finishedCount <= 0 || !trackPage) {
    hide();
    return;
  }
  const bool wasShown = isVisible();
  if (score.finishedCount != shownCount_ || !wasShown) {
    Fit(score.finishedCount);
  } else if (x() > 50 && parentWidget() != nullptr && x() != parentWidget()->width() - width() - kMargin) {
    move(parentWidget()->width() - width() - kMargin, kMargin);  // the chart changed its width
  }
  if (!wasShown) {
    show();
    raise();
  }
}

// The rows of the finishers so far; at most half the chart's height, the rest under the scroll bar.
void ScorePanel::Fit(int finishedCount) {
  shownCount_ = finishedCount;
  const int rowHeight = RowHeight();
  const int rowsHeight = finishedCount * rowHeight + 6;
  const int chartHeight = parentWidget() != nullptr ? parentWidget()->height() : rowsHeight;
  const int height = std::min(rowsHeight, std::max(rowHeight + 6, chartHeight / 2 - kMargin));
  const bool scrolls = height < rowsHeight;
  const int barWidth = scrolls ? rows_->verticalScrollBar()->sizeHint().width() : 0;
  const int width = labelWidth_ + 12 + barWidth;
  const bool right = x() > 50 || !isVisible();
  resize(width, height);
  rows_->setGeometry(0, 0, width, height);
  content_->resize(labelWidth_ + 12, rowsHeight);
  if (right && parentWidget() != nullptr) move(parentWidget()->width() - width - kMargin, kMargin);
}

void ScorePanel::StepAside() {
  if (parentWidget() == nullptr) return;
  const int left = x() > 50 ? kMargin : parentWidget()->width() - width() - kMargin;
  move(left, y());
}

}  // namespace shell
