// The window stays legible at every size and in both languages: the panels and their font grow on a big
// window, no caption is cut off, unticked boat boxes show, finishers' lines fit the score panel.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/MainWindow.h"
#include "shell/TestApplication.h"
#include "shell/WindowDriver.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

// The width a control's caption needs, and the width it has.
std::pair<int, int> CaptionRoom(QWidget* control) {
  const QFontMetrics metrics = control->fontMetrics();
  if (auto* group = qobject_cast<QGroupBox*>(control))
    return {metrics.horizontalAdvance(group->title()) + 12, group->width()};
  if (auto* push = qobject_cast<QPushButton*>(control))
    return {metrics.horizontalAdvance(push->text()) + 8, push->width()};
  if (auto* button = qobject_cast<QAbstractButton*>(control))
    return {button->sizeHint().width(), button->width()};
  auto* label = qobject_cast<QLabel*>(control);
  return {label ? metrics.horizontalAdvance(label->text()) + 4 : 0, control->width()};
}

class LegibilityTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    TestApplication();
    analysistest::WriteSampleRace(folder);
    folder.Write("raceadmin/racefile.st", "sample.txt\r\n");
    platform.localeId = GetParam();
  }
  testsupport::TempFolder folder;
  FakePlatform platform;
};

TEST_P(LegibilityTest, EveryCaptionFitsAtEverySizeAndBigWindowsGrowThePanels) {
  shell::TForm1 form(platform, folder.folder());
  form.FormCreate();
  int previousFont = 0;
  int previousPanel = 0;
  for (QSize size : {QSize(1280, 690), QSize(1600, 970), QSize(1920, 1050), QSize(2560, 1410)}) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    form.resize(size);
    form.LayoutWindow();
    for (QWidget* control : form.controls->findChildren<QWidget*>()) {
      if (control->isHidden()) continue;
      const auto [needed, width] = CaptionRoom(control);
      EXPECT_LE(needed, width) << control->objectName().toStdString();
    }
    EXPECT_LE(form.controls->geometry().bottom(), size.height());
    EXPECT_GE(form.font().pointSizeF() * 10, previousFont);
    EXPECT_GE(form.controls->width(), previousPanel);
    previousFont = static_cast<int>(form.font().pointSizeF() * 10);
    previousPanel = form.controls->width();
  }
  EXPECT_GT(previousPanel, 265);  // a big screen's panels are bigger than a small one's
  EXPECT_GT(previousFont, 90);
}

TEST_P(LegibilityTest, UntickedBoxesShowAndFinishersFitTheScorePanel) {
  shell::TForm1 form(platform, folder.folder());
  form.FormCreate();
  Press(form.controls->stop_f);
  // A right click on Alpha leaves Bravo's box unticked: its face is white on the boat colour.
  Press(form.boatList->boatCheck[1], Qt::RightButton, QPoint(30, 5));
  ASSERT_FALSE(form.boatList->boatCheck[2]->isChecked());
  const QImage box = form.boatList->boatCheck[2]->grab().toImage();
  int white = 0;
  for (int y = 0; y < box.height(); ++y) {
    for (int x = 0; x < std::min(box.width(), 20); ++x) white += (box.pixel(x, y) & 0xffffff) == 0xffffff;
  }
  EXPECT_GT(white, 20);

  Press(form.boatList->Label1);
  const race::RaceStore& store = form.Store();
  form.State().playback.raceTime = std::round(store.markTime[2][store.courseCount]) + 5;
  Key(form.chart, Qt::Key_Right);
  ASSERT_FALSE(form.chart->pnlScore->isHidden());
  for (int b = 1; b <= 2; ++b) {
    QLabel* line = form.chart->pnlScore->scoreLabel[b];
    EXPECT_LE(line->sizeHint().width(), line->width()) << b;
    EXPECT_LE(line->geometry().bottom(), form.chart->pnlScore->height());
  }
}

INSTANTIATE_TEST_SUITE_P(InBothLanguages, LegibilityTest, ::testing::Values(1033, shell::kJapaneseLocaleId),
                         [](const auto& info) { return info.param == 1033 ? "English" : "Japanese"; });

}  // namespace
}  // namespace shelltest
