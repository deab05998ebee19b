// The score panel and the flag panel as the window shows them.
#include "view/ReplayPanels.h"

#include <algorithm>

#include "race/Numbers.h"
#include "view/DrawStyle.h"

namespace view {

namespace {

constexpr Colour kPanelFace = Rgb(212, 208, 200);
constexpr int kScoreLabelPoints = 8;

}  // namespace

std::string ScoreLabelText(const race::RaceStore& store, int b, const std::string& shownName) {
  const int finish = store.courseCount;
  const bool hasFinish = finish >= 0 && static_cast<size_t>(finish) < store.markTime[b].size() &&
                         static_cast<size_t>(finish) < store.firstArrivalTime.size();
  const long behind =
      hasFinish ? static_cast<long>(race::Round(store.markTime[b][finish] - store.firstArrivalTime[finish]))
                : 0;
  // A boat that cut a mark may cross before the winner: its difference is negative.
  return " " + std::to_string(store.finishRank[b]) + "  " + shownName + "  (" + (behind >= 0 ? "+" : "") +
         std::to_string(behind) + "sec)";
}

void DrawScorePanel(Canvas& picture, const race::RaceStore& store, const std::vector<int>& finishedBoats) {
  if (finishedBoats.empty()) return;
  const int left = picture.Width() - kScorePanelWidth - 5;
  const int top = 5;
  // As the window's panel: the leaders in at most half the picture's height.
  const int rows = std::min(static_cast<int>(finishedBoats.size()),
                            std::max(1, (picture.Height() / 2 - top - 6) / kScoreRowHeight));
  const int height = rows * kScoreRowHeight + 6;
  picture.SetPen(kWhite);
  picture.SetBrush(kWhite);
  picture.Rectangle(left, top, left + kScorePanelWidth, top + height);
  for (int b : finishedBoats) {
    if (b < 1 || b >= static_cast<int>(store.finishRank.size())) continue;
    if (store.finishRank[b] > rows) continue;
    const int y = top + store.finishRank[b] * kScoreRowHeight - 10;
    const Colour colour = store.boatColour[b];
    picture.SetPen(colour);
    picture.SetBrush(colour);
    picture.Rectangle(left + 6, y, left + kScorePanelWidth - 6, y + 13);
    picture.SetFont(FontPixels(kScoreLabelPoints), kWhite);
    picture.TextOut(left + 6, y, ScoreLabelText(store, b, store.boatName[b]));
  }
}

void DrawFlagPanel(Canvas& picture, const Canvas& blueFlag, bool blueUp) {
  const Point at = kFlagPanelPlace;
  picture.SetPen(kPanelFace);
  picture.SetBrush(kPanelFace);
  picture.Rectangle(at.x, at.y, at.x + blueFlag.Width(), at.y + blueFlag.Height());
  if (blueUp) picture.CopyFrom(blueFlag, at.x, at.y);
}

}  // namespace view
