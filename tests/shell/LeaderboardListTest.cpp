// The boat list in race order: rows by place with their gaps, each second's order, focus clicks that still
// reach the boat clicked, and entry order back with one click.
#include <gtest/gtest.h>

#include "analysis/Leaderboard.h"
#include "shell/SampleWindow.h"
#include "shell/WindowDriver.h"

namespace shelltest {
namespace {

class LeaderboardListTest : public SampleWindowTest {
 protected:
  // Boats from the top row down, as the user sees them.
  std::vector<int> BoatsTopDown() {
    std::vector<std::pair<int, int>> rows;
    for (size_t b = 1; b < form->boatList->boatCheck.size(); ++b)
      rows.emplace_back(form->boatList->boatCheck[b]->y(), static_cast<int>(b));
    std::sort(rows.begin(), rows.end());
    std::vector<int> boats;
    for (const auto& [y, b] : rows) boats.push_back(b);
    return boats;
  }

  void StopInMidRace() {
    Press(form->controls->stop_f);
    form->Session().JumpToBar(form->timeBar->TimeBar->height() / 2, form->timeBar->TimeBar->height());
  }
};

TEST_F(LeaderboardListTest, RaceOrderShowsPlacesAndGapsAndEntryOrderComesBack) {
  StopInMidRace();
  const double t = form->State().playback.raceTime;
  ASSERT_GT(t, 0);
  form->boatList->chkRank->click();
  ASSERT_TRUE(form->State().boatListByPlace);

  const std::vector<analysis::LeaderboardRow> ranks = analysis::RankFleet(form->Store(), std::floor(t));
  ASSERT_EQ(ranks.size(), 2u);
  const int leader = ranks[0].boat, second = ranks[1].boat;
  EXPECT_EQ(BoatsTopDown(), (std::vector<int>{leader, second}));
  EXPECT_TRUE(form->boatList->boatCheck[leader]->text().startsWith("1. "));
  EXPECT_TRUE(form->boatList->boatCheck[second]->text().startsWith("2. "));
  EXPECT_TRUE(form->boatList->boatGap[leader]->text().startsWith("-"));
  EXPECT_TRUE(form->boatList->boatGap[second]->text().contains("m"));
  EXPECT_FALSE(form->boatList->boatGap[second]->isHidden());
  EXPECT_TRUE(form->boatList->boatBar[second]->isHidden());

  // A right click on the second row keeps the boat of that row alone in focus, whichever its entry.
  Press(form->boatList->boatCheck[second], Qt::RightButton, QPoint(30, 5));
  EXPECT_EQ(form->Store().boatShown[second], 1);
  EXPECT_EQ(form->Store().boatShown[leader], 0);

  form->boatList->chkRank->click();
  EXPECT_FALSE(form->State().boatListByPlace);
  EXPECT_EQ(BoatsTopDown(), (std::vector<int>{1, 2}));
  EXPECT_FALSE(form->boatList->boatCheck[1]->text().startsWith("1. "));
  EXPECT_FALSE(form->boatList->boatBar[1]->isHidden());
  EXPECT_TRUE(form->boatList->boatGap[1]->isHidden());
}

TEST_F(LeaderboardListTest, TheOrderFollowsTheReplayAndTheLanguage) {
  StopInMidRace();
  form->boatList->chkRank->click();
  // After the finish both boats read as finished, in their finishing order.
  form->Session().JumpToBar(2, form->timeBar->TimeBar->height());
  const std::vector<analysis::LeaderboardRow> ranks =
      analysis::RankFleet(form->Store(), std::floor(form->State().playback.raceTime));
  ASSERT_TRUE(ranks[0].finished && ranks[1].finished);
  EXPECT_EQ(BoatsTopDown(), (std::vector<int>{ranks[0].boat, ranks[1].boat}));
  form->Session().SetLanguage(1);
  EXPECT_TRUE(form->boatList->boatGap[ranks[1].boat]->text().startsWith("Finished +"));
  form->Session().SetLanguage(0);
  EXPECT_TRUE(form->boatList->boatGap[ranks[1].boat]->text().contains("フィニッシュ"));
  EXPECT_EQ(form->boatList->chkRank->text(), "順位順");
}

}  // namespace
}  // namespace shelltest
