// The race editor operated as a user does: Ctrl+E or the button opens it on the race shown, a mark dragged
// with the mouse moves in the store and on the chart, Save writes a race file that reads back as edited
// (the program's race as a copy of the user's own), Cancel leaves everything as it was, bad values are
// refused with a message, and a race made from one track opens in the editor.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "race/Numbers.h"
#include "race/RaceFile.h"
#include "shell/RaceEditor.h"
#include "shell/SampleWindow.h"
#include "shell/WindowDriver.h"
#include "support/FleetTracks.h"

namespace shelltest {
namespace {

namespace fs = std::filesystem;

// A press, a move and a release of the left button on the widget, as a drag is.
void Drag(QWidget* widget, QPoint from, QPoint to) {
  const auto send = [widget](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  };
  send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// Pixels that differ between two pictures within reach of a place.
int ChangedNear(const QImage& a, const QImage& b, QPoint at, int reach = 8) {
  int changed = 0;
  for (int y = at.y() - reach; y <= at.y() + reach; ++y)
    for (int x = at.x() - reach; x <= at.x() + reach; ++x)
      changed += a.valid(x, y) && b.valid(x, y) && a.pixel(x, y) != b.pixel(x, y);
  return changed;
}

class RaceEditorTest : public SampleWindowTest {
 protected:
  void SetUp() override {
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    SampleWindowTest::SetUp();
    form->resize(1280, 800);
    form->LayoutWindow();
    sampleFile = form->Store().raceFilePath;
    sampleText = testsupport::ReadFile(sampleFile);
  }
  void TearDown() override { ::unsetenv("XDG_DATA_HOME"); }

  shell::RaceEditor& Editor() { return *form->editor; }
  QImage Picture() { return form->Session().FramePicture()->Image().copy(); }
  fs::path Races() const { return data.path() / "regatix" / "races"; }
  bool Said(const std::string& text) const {
    return !platform.messages.empty() && platform.messages.back().find(text) != std::string::npos;
  }
  // Drags mark 1 by an offset; returns where it was let go.
  QPoint DragFirstMark(QPoint by) {
    const QPoint from = form->Session().EditHandles().at(0);
    Drag(form->chart, from, from + by);
    return from + by;
  }

  testsupport::TempFolder data;
  std::string sampleFile, sampleText;
};

TEST_F(RaceEditorTest, ADraggedMarkMovesInTheStoreAndOnTheChartAndCancelPutsItBack) {
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::keyClick(form->chart, Qt::Key_E, Qt::ControlModifier);
  ASSERT_TRUE(form->Session().Editing());
  ASSERT_NE(form->editor, nullptr);
  EXPECT_FALSE(Editor().isHidden());
  EXPECT_EQ(Editor().lstCourse->count(), 3);  // L1, MK1, L2
  // The handles are on the marks where the chart draws them: one mark and two ends of each of two lines.
  ASSERT_EQ(form->Session().EditHandles().size(), 5u);
  const QPoint from = form->Session().EditHandles()[0];
  const double latBefore = form->Store().markLat[1], lonBefore = form->Store().markLon[1];

  Move(form->chart, from);
  EXPECT_EQ(form->chart->cursor().shape(), Qt::OpenHandCursor);
  const QImage before = Picture();
  const QPoint to = DragFirstMark({60, 45});

  EXPECT_EQ(form->Session().EditHandles()[0], to);
  EXPECT_NE(form->Store().markLat[1], latBefore);
  EXPECT_NE(form->Store().markLon[1], lonBefore);
  const QImage after = Picture();
  EXPECT_GT(ChangedNear(before, after, from), 0) << "the mark is still drawn where it was";
  EXPECT_GT(ChangedNear(before, after, to), 0) << "the mark is not drawn where it was let go";

  Editor().btnEditCancel->click();
  EXPECT_FALSE(form->Session().Editing());
  EXPECT_TRUE(Editor().isHidden());
  EXPECT_EQ(form->Store().markLat[1], latBefore);
  EXPECT_EQ(form->Store().markLon[1], lonBefore);
  // The replay the user was watching comes back; its still chart shows the mark where it was.
  EXPECT_TRUE(form->State().options.autoTrace);
  EXPECT_TRUE(form->controls->CheckBox1->isChecked());
  form->controls->CheckBox1->click();
  ASSERT_FALSE(form->State().options.autoTrace);
  EXPECT_EQ(ChangedNear(before, Picture(), to), 0);
  EXPECT_EQ(testsupport::ReadFile(sampleFile), sampleText);
  EXPECT_FALSE(fs::exists(Races()));
}

TEST_F(RaceEditorTest, SaveWritesARaceThatReadsBackAsEditedTheProgramsRaceAsACopy) {
  form->controls->btnEditRace->click();
  ASSERT_TRUE(form->Session().Editing());
  DragFirstMark({-50, 30});
  const double lat = form->Store().markLat[1], lon = form->Store().markLon[1];
  // An hour later in a zone an hour further east: the same moment, so the tracks still fall in the window.
  Editor().edtGun->setText("2024/06/01 13:00:00");
  Editor().edtFinish->setText("2024/06/01 13:10:00");
  Editor().edtTd->setText("3");
  // The course becomes L1, MK1, MK1, L2: the mark chosen and added after the first rounding.
  Editor().lstCourse->setCurrentRow(1);
  Editor().cmbCoursePlace->setCurrentText("MK1");
  Editor().btnEntryAdd->click();
  Editor().btnEditSave->click();

  EXPECT_FALSE(form->Session().Editing());
  EXPECT_EQ(testsupport::ReadFile(sampleFile), sampleText);  // the program's race is left as it came
  const std::string copy = form->Store().raceFilePath;
  EXPECT_TRUE(copy.starts_with(Races().generic_string())) << copy;
  EXPECT_TRUE(Said(copy)) << (platform.messages.empty() ? "" : platform.messages.back());
  EXPECT_EQ(form->Store().boatCount, 2);  // its tracks came with it
  EXPECT_EQ(form->controls->ComboBox1->currentText().toStdString(), "sample/sample.txt");

  race::RaceStore read;
  read.programFolder = form->Store().programFolder;
  read.raceFilePath = copy;
  race::ParseRaceFile(read, copy);
  EXPECT_NEAR(read.markLat[1], lat, 1e-4);
  EXPECT_NEAR(read.markLon[1], lon, 1e-4);
  EXPECT_EQ(read.timeDifferenceHours, 3);
  EXPECT_EQ(race::FormatDateTime(read.startTime), "2024/06/01 13:00:00");
  ASSERT_EQ(read.courseCount, 4);
  EXPECT_EQ(read.courseMark[3], "MK1");
  EXPECT_EQ(read.courseMark[4], "L2");

  // The copy is the user's own: edited again, it is saved in place.
  form->controls->btnEditRace->click();
  Editor().lstCourse->setCurrentRow(2);
  Editor().btnEntryRemove->click();
  Editor().btnEditSave->click();
  EXPECT_EQ(form->Store().raceFilePath, copy);
  EXPECT_EQ(form->Store().courseCount, 3);
  int folders = 0;
  for (const auto& entry : fs::directory_iterator(Races())) folders += entry.is_directory();
  EXPECT_EQ(folders, 1);
}

TEST_F(RaceEditorTest, BadValuesAreRefusedWithAMessageAndNothingIsWritten) {
  form->Session().SetLanguage(1);
  form->controls->btnEditRace->click();
  const auto refused = [&](const std::string& says) {
    SCOPED_TRACE(says);
    const size_t messages = platform.messages.size();
    Editor().btnEditSave->click();
    EXPECT_EQ(platform.messages.size(), messages + 1);
    EXPECT_TRUE(Said(says)) << (platform.messages.empty() ? "" : platform.messages.back());
    EXPECT_TRUE(form->Session().Editing());
  };
  Editor().edtTd->setText("30");
  refused("TD must be a whole number of hours from -24 to 24");
  Editor().edtTd->setText("9h");
  refused("TD must be a whole number");
  Editor().edtTd->setText("9");
  Editor().edtFinish->setText("2024/06/01 11:59:00");
  refused("The window end must come after the gun");
  Editor().edtFinish->setText("half past ten");
  refused("\"half past ten\" is no date and time");
  Editor().edtFinish->setText("2024/06/01 12:30:00");
  while (Editor().lstCourse->count() > 0) {
    Editor().lstCourse->setCurrentRow(0);
    Editor().btnEntryRemove->click();
  }
  refused("The course is empty");
  form->controls->btnEditRace->click();  // again while editing: the form keeps what it holds
  EXPECT_EQ(Editor().lstCourse->count(), 0);

  form->Session().SetLanguage(0);
  Editor().edtTd->setText("-25");
  refused("時差 TD は -24 から 24");
  EXPECT_EQ(Editor().btnEditSave->text().toStdString(), "保存");
  EXPECT_EQ(testsupport::ReadFile(sampleFile), sampleText);
  EXPECT_FALSE(fs::exists(Races()));
}

TEST_F(RaceEditorTest, ARaceMadeFromOneTrackOpensInTheEditor) {
  testsupport::TempFolder tracks;
  platform.chosenFiles = {tracks.Write("alone.gpx", testsupport::BoatGpx("Alone", 0)).string()};
  form->controls->btnOpenTracks->click();

  EXPECT_TRUE(Said("the tracks did not show everything")) << platform.messages.back();
  EXPECT_TRUE(Said("one boat alone")) << platform.messages.back();
  EXPECT_EQ(form->Store().boatCount, 1);
  EXPECT_TRUE(form->Store().raceFilePath.starts_with(Races().generic_string()));
  ASSERT_TRUE(form->Session().Editing());
  EXPECT_FALSE(Editor().isHidden());
  // A line and a mark are added where the user can see them, and the course saved with them loads.
  Editor().btnNewLine->click();
  Editor().btnNewMark->click();
  EXPECT_EQ(Editor().cmbCoursePlace->count(), static_cast<int>(form->Session().EditedCourse().marks.size() +
                                                               form->Session().EditedCourse().lines.size()));
  Editor().lstCourse->clear();
  for (const char* entry : {"L1", "MK1", "L1"}) {
    Editor().cmbCoursePlace->setCurrentText(entry);
    Editor().lstCourse->setCurrentRow(Editor().lstCourse->count() - 1);
    Editor().btnEntryAdd->click();
  }
  Editor().btnEditSave->click();
  EXPECT_FALSE(form->Session().Editing());
  EXPECT_EQ(form->Store().courseCount, 3);
  EXPECT_EQ(form->Store().boatCount, 1);
}

}  // namespace
}  // namespace shelltest
