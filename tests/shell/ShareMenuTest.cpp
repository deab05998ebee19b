// The share menu under HELP: its texts in both languages, the race with time into the documents folder,
// and the video export with its progress dialog, Cancel, refused settings and the replay held still.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProgressDialog>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "shell/SampleWindow.h"
#include "shell/VideoCommand.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

class ShareMenuTest : public SampleWindowTest {
 protected:
  void SetUp() override {
    SampleWindowTest::SetUp();
    button = form->findChild<QToolButton*>(QStringLiteral("btnSHARE"));
    ASSERT_NE(button, nullptr);
  }
  QAction* Action(const char* name) const {
    return button->menu()->findChild<QAction*>(QString::fromLatin1(name));
  }
  video::VideoSettings Small() const {
    video::VideoSettings settings = video::WholeRaceVideo(*form->State().store);
    settings.width = 320;
    settings.height = 240;
    settings.fps = 5;
    settings.speed = 60;
    return settings;
  }

  QToolButton* button = nullptr;
};

TEST_F(ShareMenuTest, SitsUnderHelpsPlaceEvenWithoutHelpAndSpeaksTheWindowsLanguage) {
  // The sample folder has no help pages, so HELP is hidden; the menu is there all the same, under HELP's
  // place beneath the logo.
  form->show();
  QApplication::processEvents();
  EXPECT_TRUE(form->overview->btnHELP->isHidden());
  EXPECT_FALSE(button->isHidden());
  EXPECT_EQ(button->parentWidget(), form->overview->imgLOGO->parentWidget());
  EXPECT_EQ(button->x(), form->overview->imgLOGO->x());
  EXPECT_GT(button->y(), form->overview->imgLOGO->geometry().bottom() + 25);
  EXPECT_EQ(button->text(), "Share");
  EXPECT_EQ(Action("actVIDEO")->text(), "Video...");
  EXPECT_EQ(Action("actKMLTIME")->text(), "Google Earth: race with time");
  form->Session().SetLanguage(0);
  EXPECT_EQ(button->text(), QString::fromUtf8("共有"));
  EXPECT_EQ(Action("actVIDEO")->text(), QString::fromUtf8("ビデオ..."));
}

TEST_F(ShareMenuTest, RaceWithTimeGoesToTheDocumentsFolderAndOpens) {
  Action("actKMLTIME")->trigger();
  const fs::path kml = documents.path() / "ZELMap5.kml";
  ASSERT_EQ(platform.opened, std::vector<std::string>{kml.string()})
      << ::testing::PrintToString(platform.messages);
  const std::string text = testsupport::ReadFile(kml);
  EXPECT_NE(text.find("<gx:Track>"), std::string::npos);
  EXPECT_NE(text.find("<when>2024-06-01T"), std::string::npos);
}

TEST_F(ShareMenuTest, VideoIsWrittenWhileTheReplayHoldsStillThenOpened) {
  ASSERT_TRUE(form->Session().FrameTimer()->isActive() || form->Session().SecondTimer()->isActive());
  const bool frameTicks = form->Session().FrameTimer()->isActive();
  const double before = form->State().playback.raceTime;
  bool ticking = true;
  QTimer::singleShot(0, [&] {
    ticking = form->Session().FrameTimer()->isActive() || form->Session().SecondTimer()->isActive();
  });
  const fs::path path = documents.path() / "race.mp4";
  const video::VideoResult result =
      shell::ExportVideoWithProgress(form->Session(), form.get(), path.string(), Small());
  EXPECT_EQ(result.error, "");
  EXPECT_GT(result.frames, 1);
  EXPECT_FALSE(ticking);
  EXPECT_EQ(form->State().playback.raceTime, before);
  EXPECT_EQ(form->Session().FrameTimer()->isActive(), frameTicks);
  EXPECT_TRUE(fs::is_regular_file(path));
  EXPECT_EQ(platform.opened, std::vector<std::string>{path.string()});
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ShareMenuTest, CancelAndRefusedSettingsLeaveNoFile) {
  const fs::path path = documents.path() / "race.mp4";
  QTimer::singleShot(0, [&] {
    if (auto* progress = form->findChild<QProgressDialog*>(QStringLiteral("VideoProgress")))
      progress->cancel();
  });
  const video::VideoResult cancelled =
      shell::ExportVideoWithProgress(form->Session(), form.get(), path.string(), Small());
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(fs::is_empty(documents.path()));
  EXPECT_TRUE(platform.opened.empty());

  video::VideoSettings odd = Small();
  odd.width = 321;
  const video::VideoResult refused =
      shell::ExportVideoWithProgress(form->Session(), form.get(), path.string(), odd);
  EXPECT_NE(refused.error, "");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0],
            "Cannot make the video: the size 321x240 is odd: width and height must be even");
  EXPECT_TRUE(fs::is_empty(documents.path()));
}

}  // namespace
}  // namespace shelltest
