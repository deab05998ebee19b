// The score panel ("pnlScore") at the top right of the chart: one label per boat at the row of its finish
// rank, each shown as the boat finishes. A big fleet's panel shows the leading boats and scrolls; the
// pointer over the labels sends the panel to the other side of the chart, out of the way, while the
// scroll bar stays where it is to be used.
#pragma once

#include <QLabel>
#include <QScrollArea>
#include <vector>

#include "playback/Clock.h"
#include "race/RaceStore.h"
#include "shell/PointerPanel.h"

namespace shell {

class ScorePanel : public PointerPanel {
  Q_OBJECT

 public:
  explicit ScorePanel(QWidget* chart);

  std::vector<QLabel*> scoreLabel;  // 1..boatCount
  QScrollArea* Rows() const { return rows_; }

  // New labels for the race shown (none without a line to finish on), all hidden, and the panel hidden.
  void CreateLabels(const race::RaceStore& store, int englishTexts);
  // The finish signals of a tick or a jump; the panel shows while boats have finished on the Track page.
  void Apply(const playback::ScoreChange& score, bool trackPage);
  // Moves to the other side of the chart.
  void StepAside();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fit(int finishedCount);
  int RowHeight() const;

  QScrollArea* rows_;
  QWidget* content_;
  int labelWidth_ = 0;  // wide enough for the longest label
  int shownCount_ = -1;
};

}  // namespace shell
