#include "shell/LeaderboardText.h"

#include <cmath>

#include "race/Numbers.h"
#include "shell/Texts.h"

namespace shell {

namespace {

std::string Signed(double value) {
  return "+" + std::to_string(race::RoundToInt(std::max(0.0, value)));
}

}  // namespace

std::string GapText(const analysis::LeaderboardRow& row, int englishTexts) {
  const std::string seconds = Text(TextId::GapSeconds, englishTexts);
  std::string text;
  if (row.finished) {
    text = Text(TextId::GapFinished, englishTexts);
    if (row.place > 1 && std::isfinite(row.gapSeconds)) text += " " + Signed(row.gapSeconds) + seconds;
    return text;
  }
  if (row.place == 1) {
    text = "-";
  } else {
    if (std::isfinite(row.gapMetres)) text = Signed(row.gapMetres) + "m";
    if (std::isfinite(row.gapSeconds)) text += " " + Signed(row.gapSeconds) + seconds;
  }
  if (std::isfinite(row.gapAtRounding) && row.pointsPassed > 0)
    text += " (" + Signed(row.gapAtRounding) + seconds + ")";
  return text;
}

std::vector<int> ListOrder(const std::vector<analysis::LeaderboardRow>& rows, int boatCount) {
  std::vector<int> order;
  std::vector<bool> listed(static_cast<size_t>(std::max(0, boatCount)) + 1, false);
  for (const analysis::LeaderboardRow& row : rows) {
    if (row.boat < 1 || row.boat > boatCount || listed[row.boat]) continue;
    listed[row.boat] = true;
    order.push_back(row.boat);
  }
  for (int b = 1; b <= boatCount; ++b)
    if (!listed[b]) order.push_back(b);
  return order;
}

}  // namespace shell
