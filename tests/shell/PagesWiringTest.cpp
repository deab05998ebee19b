// The Graph and Table choices of the main window: the graph picture replaces the replay, the report is
// written to the documents folder and handed to the desktop, and a report that cannot be written is told.
// The boat list's hover: highlights in the window picture over the plain page, the focusing tip, the
// panels a long list hides.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <filesystem>

#include "shell/SampleWindow.h"
#include "shell/WindowDriver.h"

namespace shelltest {
namespace {

class PagesWiringTest : public SampleWindowTest {
 protected:
  // A pointer move (or press) over a control, at a place relative to it, through the window's event filters.
  static void Pointer(QWidget* widget, QPoint at, QEvent::Type type = QEvent::MouseMove,
                      Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    QApplication::processEvents();
  }

  // Pixels of a colour in the chart area of a picture.
  static int Count(const shell::QtCanvas& picture, view::Colour colour) {
    const QImage& image = picture.Image();
    const QRgb wanted = shell::QtCanvas::ToQColor(colour).rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xffffff) == (wanted & 0xffffff);
    }
    return count;
  }
};

TEST_F(PagesWiringTest, GraphChoiceDrawsTheGraphPageAndTrackChoiceComesBack) {
  form->chart->pnlFLAG->show();  // before the start, the start flags are up on the chart
  form->controls->RadioButton2->setChecked(true);
  EXPECT_TRUE(form->chart->pnlFLAG->isHidden());  // and would cover the graph's title
  EXPECT_EQ(form->State().clock.activePage, 2);
  EXPECT_FALSE(form->controls->Button4->isEnabled());
  ASSERT_TRUE(form->Session().GraphPicture());
  // The graph page is drawn on white paper with plots, unlike an empty bitmap.
  const QImage& graph = form->Session().GraphPicture()->Image();
  int coloured = 0;
  for (int y = 0; y < graph.height(); y += 7) {
    for (int x = 0; x < graph.width(); x += 7) coloured += graph.pixelColor(x, y) != graph.pixelColor(0, 0);
  }
  EXPECT_GT(coloured, 50);
  EXPECT_TRUE(platform.opened.empty());

  form->controls->RadioButton1->setChecked(true);
  EXPECT_EQ(form->State().clock.activePage, 1);
  EXPECT_TRUE(form->controls->Button4->isEnabled());
}

TEST_F(PagesWiringTest, TableChoiceWritesTheReportAndOpensIt) {
  form->controls->RadioButton3->setChecked(true);
  const std::string report = documents.folder() + "NoName.csv";
  ASSERT_TRUE(std::filesystem::exists(report));
  EXPECT_GT(std::filesystem::file_size(report), 100u);
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_EQ(platform.opened[0], report);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PagesWiringTest, ReportThatCannotBeWrittenIsToldAndNothingOpens) {
  documents.Write("NoName.csv/blocker", "a folder where the report should be");
  form->controls->RadioButton3->setChecked(true);
  EXPECT_TRUE(platform.opened.empty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("NoName.csv"), std::string::npos);
}

TEST_F(PagesWiringTest, GraphHoverDrawsOverACopyAndLeavingTheListRestoresThePage) {
  form->controls->RadioButton2->setChecked(true);
  const QImage graph = form->Session().GraphPicture()->Image().copy();
  const QPoint inEntry(30, 5);
  Pointer(form->boatList->boatCheck[1], inEntry);
  ASSERT_TRUE(form->chart->HighlightShown());
  EXPECT_EQ(form->State().pointer.focusBoat, 1);
  EXPECT_EQ(form->Session().GraphPicture()->Image(), graph);
  const QImage alpha = form->chart->HighlightPicture()->Image().copy();
  const view::Colour white = view::Rgb(255, 255, 255);
  EXPECT_GT(Count(*form->chart->HighlightPicture(), white),
            Count(*form->Session().GraphPicture(), white) + 200);

  // Another boat, then back: the highlight is drawn afresh on the plain page each time, never piled up.
  Pointer(form->boatList->boatCheck[2], inEntry);
  EXPECT_NE(form->chart->HighlightPicture()->Image(), alpha);
  Pointer(form->boatList->boatCheck[1], inEntry);
  EXPECT_EQ(form->chart->HighlightPicture()->Image(), alpha);
  EXPECT_EQ(form->Session().GraphPicture()->Image(), graph);
  EXPECT_FALSE(form->controls->isHidden());  // two boats leave room for every panel

  // Between the entries the plain page comes back; leaving the list does too.
  Pointer(form->boatList, QPoint(216, 20));
  EXPECT_FALSE(form->chart->HighlightShown());
  EXPECT_EQ(form->State().pointer.focusBoat, 0);
  Pointer(form->boatList->boatCheck[1], inEntry);
  ASSERT_TRUE(form->chart->HighlightShown());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form->boatList, &leave);
  EXPECT_FALSE(form->chart->HighlightShown());

  // A right click keeps boat 1 alone in focus: the graph is drawn again without boat 2's traces, and the
  // highlight under the pointer follows onto the new page.
  const view::Colour bravo = form->Store().boatColour[2];
  ASSERT_GT(Count(*form->Session().GraphPicture(), bravo), 50);
  Pointer(form->boatList->boatCheck[1], inEntry);
  Pointer(form->boatList->boatCheck[1], inEntry, QEvent::MouseButtonPress, Qt::RightButton);
  EXPECT_EQ(form->Store().boatShown[2], 0);
  EXPECT_FALSE(form->boatList->boatCheck[2]->isChecked());
  EXPECT_EQ(Count(*form->Session().GraphPicture(), bravo), 0);
  EXPECT_TRUE(form->chart->HighlightShown());
  EXPECT_EQ(Count(*form->chart->HighlightPicture(), bravo), 0);

  // The Track choice puts the replay back without the graph's highlight.
  Pointer(form->boatList->boatCheck[2], inEntry);
  form->controls->RadioButton1->setChecked(true);
  EXPECT_FALSE(form->chart->HighlightShown());
}

TEST_F(PagesWiringTest, TrackHoverDrawsTheWholeTrackInTheManualViewAndTipsInAutoTrace) {
  form->controls->CheckBox1->click();  // the manual view
  ASSERT_FALSE(form->State().options.autoTrace);
  const QImage frame = form->Session().FramePicture()->Image().copy();
  const view::Colour bravo = form->Store().boatColour[2];
  Pointer(form->boatList->boatCheck[2], QPoint(30, 5));
  ASSERT_TRUE(form->chart->HighlightShown());
  EXPECT_EQ(form->Session().FramePicture()->Image(), frame);
  EXPECT_GT(Count(*form->chart->HighlightPicture(), bravo),
            Count(*form->Session().FramePicture(), bravo) + 100);
  EXPECT_TRUE(form->chart->hintbox->isHidden() ||
              form->State().hintText.find("R-Click") == std::string::npos);

  // Auto Trace: no highlight, the focusing tip through the window's one tip box, in either language.
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form->boatList, &leave);  // on the way to the Auto Trace box
  form->controls->CheckBox1->click();
  ASSERT_TRUE(form->State().options.autoTrace);
  Pointer(form->boatList->boatCheck[2], QPoint(30, 5));
  EXPECT_FALSE(form->chart->HighlightShown());
  EXPECT_FALSE(form->chart->hintbox->isHidden());
  EXPECT_EQ(form->State().hintText, shell::FocusTip(2, "Bravo").text);
  EXPECT_NE(form->chart->hintbox->text().toStdString().find("R-Click to focus only Bravo"),
            std::string::npos);
  EXPECT_EQ(form->findChildren<QLabel*>(QStringLiteral("hintbox")).size(), 1);
  Press(form->controls->jpn);
  Pointer(form->boatList->boatCheck[1], QPoint(31, 5));
  EXPECT_EQ(form->State().hintText, shell::FocusTip(0, "Alpha").text);
  EXPECT_NE(form->chart->hintbox->text().toStdString().find("右ｸﾘｯｸでAlpha"), std::string::npos);
  // The box grows to its longest line, at least the Japanese tip's 250 x 80.
  EXPECT_GE(form->chart->hintbox->width(), 250);
  EXPECT_GE(form->chart->hintbox->height(), 80);

  // Without tips, only the focus follows the pointer.
  form->State().tipsOn = 0;
  form->chart->HideTip();
  Pointer(form->boatList->boatCheck[2], QPoint(30, 5));
  EXPECT_TRUE(form->chart->hintbox->isHidden());
  EXPECT_EQ(form->State().pointer.focusBoat, 2);
}

TEST_F(PagesWiringTest, AFleetOfFiftyOneHidesTheControlPanelUnderItsList) {
  std::string boats;
  for (int b = 1; b <= 51; ++b) {
    const std::string file = "fleet" + std::to_string(b) + ".txt";
    folder.Write("gpsdat/" + file, analysistest::NorthboundTrack(0.001 - b * 0.000005, b * 0.002));
    boats += "BN," + file + ",Boat " + std::to_string(b) + "\r\n";
  }
  folder.Write("raceadmin/fleet.txt",
               "T1,Fleet\r\nST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nTD,2\r\nWD,0\r\nMG,0\r\n"
               "LL,45,150\r\nLG,6\r\nMK,3000.3,600.05\r\nLN,3000.005,599.9,3000.005,600.2\r\n"
               "LN,3000.4025,599.9,3000.4025,600.2\r\nCRS,L1,MK1,L2\r\n" +
                   boats);
  form->resize(1400, 1000);
  ASSERT_EQ(form->Session().LoadRace(folder.folder() + "raceadmin/fleet.txt", 1), shell::LoadResult::Loaded);
  ASSERT_EQ(form->Store().boatCount, 51);
  // 51 x 14 + 25 = 739 pixels of list below the logo, more than the 545 between logo and control panel.
  EXPECT_EQ(form->boatList->geometry(), QRect(1135, 200, 265, 739));
  EXPECT_FALSE(form->controls->isHidden());

  Pointer(form->boatList->boatCheck[3], QPoint(30, 5));
  EXPECT_TRUE(form->controls->isHidden());
  EXPECT_FALSE(form->overview->isHidden());
  // The last entry lies inside the list and the window, reachable now the control panel is gone.
  const QRect last = form->boatList->boatCheck[51]->geometry().translated(form->boatList->pos());
  EXPECT_TRUE(form->boatList->geometry().contains(last));
  EXPECT_LE(last.bottom(), form->height());
  Pointer(form->boatList->boatCheck[51], QPoint(30, 5));
  EXPECT_EQ(form->State().pointer.focusBoat, 51);

  // The chart brings the panels back; the speed bars of the list hide the control panel again.
  Pointer(form->chart, QPoint(100, 100));
  EXPECT_FALSE(form->controls->isHidden());
  Pointer(form->boatList->boatBar[40], QPoint(10, 5));
  EXPECT_TRUE(form->controls->isHidden());
}

}  // namespace
}  // namespace shelltest
