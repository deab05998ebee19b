// The score panel drawn into pictures (the saved picture, the video): a big fleet's finishers fill at most
// half the picture, the leaders first, as the window's panel shows them.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "view/RecordingCanvas.h"
#include "view/ReplayPanels.h"

namespace view {
namespace {

TEST(ReplayPanels, AFullFleetsScorePanelShowsTheLeadersInHalfThePicture) {
  race::RaceStore store;
  store.boatCount = race::kMaxBoats;
  std::vector<int> finished;
  for (int b = 1; b <= store.boatCount; ++b) {
    store.boatName[b] = "Boat " + std::to_string(b);
    store.finishRank[b] = store.boatCount + 1 - b;  // the last entry won
    finished.push_back(b);
  }
  RecordingCanvas picture(1285, 970);
  DrawScorePanel(picture, store, finished);

  const std::vector<DrawCall> texts = picture.CallsOf(CallKind::Text);
  const int rows = (970 / 2 - 11) / kScoreRowHeight;
  ASSERT_EQ(static_cast<int>(texts.size()), rows);
  EXPECT_NE(picture.FindText(" 1  Boat 200  (+0sec)"), nullptr);
  EXPECT_NE(
      picture.FindText(" " + std::to_string(rows) + "  Boat " + std::to_string(201 - rows) + "  (+0sec)"),
      nullptr);
  EXPECT_TRUE(std::none_of(texts.begin(), texts.end(), [](const DrawCall& c) {
    return c.text.find("  Boat 1  (") != std::string::npos;
  }));
  for (const DrawCall& call : picture.CallsOf(CallKind::Rectangle)) {
    for (const Point& p : call.points) EXPECT_LE(p.y, 970 / 2);
  }

  // A few finishers: one row each, as before.
  RecordingCanvas small(1285, 970);
  DrawScorePanel(small, store, {200, 199, 198});
  EXPECT_EQ(small.CallsOf(CallKind::Text).size(), 3u);
}

}  // namespace
}  // namespace view
