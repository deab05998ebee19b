// The main window's two languages, tips, help, attachments, retouch picture and close, with the fake
// platform services.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <filesystem>

#include "analysis/SampleRaceFolder.h"
#include "shell/FakePlatform.h"
#include "shell/MainWindow.h"
#include "shell/Retouch.h"
#include "shell/TestApplication.h"
#include "shell/WindowDriver.h"
#include "support/TempFolder.h"

namespace shelltest {
namespace {

using shell::TextId;
using shell::TForm1;
using shell::TipControl;

class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    analysistest::WriteSampleRace(folder, "AT,rules.txt\r\nAT,chart.png\r\nAT,notes.pdf\r\n");
    for (const char* name : {"rules.txt", "chart.png", "notes.pdf"})
      folder.Write(std::string("attachment/") + name, "x");
    platform.documents = folder.folder() + "documents/";
  }

  std::unique_ptr<TForm1> Start() {
    auto form = std::make_unique<TForm1>(platform, folder.folder());
    form->FormCreate();
    return form;
  }

  std::string Hint(TForm1& form) { return form.chart->hintbox->text().toStdString(); }

  // The pointer over a control with a tip.
  static void TipOver(TForm1& form, TipControl control) {
    QWidget* widgets[] = {form.controls->chkAutoNext, form.controls->Button4, form.controls->ChkBigBoat,
                          form.controls->Button2,     form.controls->Button3, form.overview->btnHELP,
                          form.chart->Image10,        form.overview->imgLOGO};
    Move(widgets[static_cast<int>(control)]);
  }

  testsupport::TempFolder folder;
  FakePlatform platform;
};

struct Caption {
  TextId id;
  std::function<QString(TForm1&)> shown;
};

std::vector<Caption> SwitchedCaptions() {
  const auto text = [](const char* name) {
    return [name](TForm1& f) { return Part(f, name)->property("text").toString(); };
  };
  const auto title = [](const char* name) {
    return [name](TForm1& f) { return Part(f, name)->property("title").toString(); };
  };
  return {{TextId::Label1, text("Label1")},
          {TextId::Label5, text("Label5")},
          {TextId::GroupBox1, title("GroupBox1")},
          {TextId::RadioN, text("RadioN")},
          {TextId::RadioW, text("RadioW")},
          {TextId::chkAutoNext, text("chkAutoNext")},
          {TextId::Button4, text("Button4")},
          {TextId::RadioButton1, text("RadioButton1")},
          {TextId::RadioButton2, text("RadioButton2")},
          {TextId::RadioButton3, text("RadioButton3")},
          {TextId::CheckBox1, text("CheckBox1")},
          {TextId::chkLL, text("chkLL")},
          {TextId::ChkRefLine, text("ChkRefLine")},
          {TextId::CheckBox2, text("CheckBox2")},
          {TextId::ChkBigBoat, text("ChkBigBoat")},
          {TextId::chkHint, text("chkHint")},
          {TextId::Button2, text("Button2")},
          {TextId::Button5, text("Button5")}};
}

TEST_F(LanguageTest, TheFlagsSwitchEveryCaptionAndTheFlagShown) {
  platform.localeId = shell::kJapaneseLocaleId;
  auto form = Start();
  const auto captions = SwitchedCaptions();
  for (const Caption& caption : captions)
    EXPECT_EQ(caption.shown(*form).toStdString(), shell::Text(caption.id, 0)) << static_cast<int>(caption.id);
  EXPECT_EQ(form->boatList->Label1->text().toStdString(),
            "       艇　名          　    艇速(ﾉｯﾄ)　　　　　　風角");

  Press(form->controls->usa);
  EXPECT_EQ(form->State().englishTexts, 1);
  for (const Caption& caption : captions) {
    SCOPED_TRACE(static_cast<int>(caption.id));
    EXPECT_EQ(caption.shown(*form).toStdString(), shell::Text(caption.id, 1));
    EXPECT_NE(shell::Text(caption.id, 1), shell::Text(caption.id, 0));
  }
  EXPECT_EQ(form->boatList->Label1->text().toStdString(),
            "     Boat Name             Speed                TWA");
  EXPECT_FALSE(form->controls->jpn->isHidden());
  EXPECT_TRUE(form->controls->usa->isHidden());
  EXPECT_EQ(form->controls->jpn->pos(), form->controls->usa->pos());
  // The next tip speaks English too.
  TipOver(*form, TipControl::Button4);
  EXPECT_EQ(Hint(*form), "Choose race file at left box\nthen click here to show it.");

  Press(form->controls->jpn);
  EXPECT_EQ(form->State().englishTexts, 0);
  EXPECT_EQ(form->controls->Button4->text().toStdString(), "表示");
  EXPECT_TRUE(form->controls->jpn->isHidden());
  EXPECT_FALSE(form->controls->usa->isHidden());
}

TEST_F(LanguageTest, TipsTakeTheirTextAndSizeAtTheChartsTopRight) {
  folder.Write("help-e/index.html", "<html></html>");
  auto form = Start();
  const int mapWidth = form->State().mapWidth;
  TipOver(*form, TipControl::Button3);
  EXPECT_EQ(form->chart->hintbox->geometry().topRight(), QPoint(mapWidth - 6, 5));
  EXPECT_EQ(form->chart->hintbox->width(), 190);
  EXPECT_FALSE(form->chart->hintbox->isHidden());
  EXPECT_EQ(form->State().hintText,
            "    Show Google Earth\r\nLeft Button => Present Scene\r\nRight Button => All Race\r\n(△Button "
            "to Restart)");

  form->State().pointer.focusBoat = 2;
  TipOver(*form, TipControl::ChkBigBoat);
  EXPECT_EQ(form->State().pointer.focusBoat, 0);
  EXPECT_EQ(form->chart->hintbox->geometry().topRight(), QPoint(mapWidth - 6, 5));
  EXPECT_EQ(form->chart->hintbox->width(), 220);

  TipOver(*form, TipControl::imgLOGO);
  EXPECT_EQ(form->State().hintText,
            "\r\n<Regatix>\r\nyacht racing browser\r\n\r\n" + shell::Text(TextId::LogoNotice1, 2) +
                "\r\n\r\n" + shell::Text(TextId::LogoNotice2, 2) + "\r\n\r\n<link to https://regatix.org/>");
  EXPECT_GE(form->chart->hintbox->width(), 160);
  EXPECT_GE(form->chart->hintbox->height(), 100);  // nine lines: the box grows where the font needs it

  // With Tips off only the tips that always show come up; the wind graph's wants Auto Trace.
  form->controls->chkHint->click();
  form->chart->hintbox->hide();
  for (TipControl control :
       {TipControl::chkAutoNext, TipControl::Button4, TipControl::ChkBigBoat, TipControl::imgLOGO}) {
    TipOver(*form, control);
    EXPECT_TRUE(form->chart->hintbox->isHidden()) << static_cast<int>(control);
  }
  TipOver(*form, TipControl::btnHELP);
  EXPECT_EQ(form->chart->hintbox->width(), 150);
  form->chart->hintbox->hide();
  form->State().options.autoTrace = false;
  form->State().pointer.windMarks = 0;
  TipOver(*form, TipControl::Image10);
  EXPECT_TRUE(form->chart->hintbox->isHidden());
  EXPECT_EQ(form->State().pointer.windMarks, 1);
}

TEST_F(LanguageTest, JapaneseTipsHaveTheirOwnSizesAndLogoLink) {
  platform.localeId = shell::kJapaneseLocaleId;
  auto form = Start();
  TipOver(*form, TipControl::chkAutoNext);
  EXPECT_EQ(Hint(*form), "ファイルを順次自動切換えします");
  // The box has the tip's width and at least its height: the window's font decides the rest.
  EXPECT_EQ(form->chart->hintbox->width(), 220);
  EXPECT_GE(form->chart->hintbox->height(), 16);
  TipOver(*form, TipControl::Image10);
  EXPECT_EQ(form->chart->hintbox->width(), 350);
  TipOver(*form, TipControl::imgLOGO);
  EXPECT_TRUE(form->State().hintText.ends_with("\r\n<ｸﾘｯｸ=>https://regatix.org/にﾘﾝｸ>"));
}

TEST_F(LanguageTest, ChartTipShowsWholeInTheWindowsOneHintBox) {
  platform.localeId = shell::kJapaneseLocaleId;
  auto form = Start();
  form->State().options.autoTrace = false;
  QMouseEvent move(QEvent::MouseMove, QPointF(200, 200), QPointF(200, 200), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(form->chart, &move);
  EXPECT_EQ(form->State().hintText, shell::Text(TextId::TipManualView, 0));
  // The Japanese lines are longer than the box the tip asks for; the box grows to show them whole.
  const QSize needed = form->chart->hintbox->fontMetrics().size(0, form->chart->hintbox->text());
  EXPECT_GE(form->chart->hintbox->width(), needed.width());
  EXPECT_GE(form->chart->hintbox->height(), needed.height());
}

TEST(PointerTips, WordedInEitherLanguageWithTheirSizes) {
  using playback::PointerTip;
  const shell::Tip timeBar = shell::PointerTipOf(PointerTip::TimeBar, 2, "2023/03/15 12:01:40");
  EXPECT_EQ(timeBar.text,
            "Click to change the time.\r\n(2023/03/15 12:01:40)\r\n(White zone = UpWind   )\r\n(Gray zone   "
            "= DownWind )");
  EXPECT_EQ(QSize(timeBar.width, timeBar.height), QSize(180, 55));
  const shell::Tip timeBarJapanese = shell::PointerTipOf(PointerTip::TimeBar, 0, "12:01");
  EXPECT_TRUE(timeBarJapanese.text.ends_with("\r\n(12:01)"));  // the moment comes last in Japanese
  EXPECT_EQ(QSize(timeBarJapanese.width, timeBarJapanese.height), QSize(220, 43));
  EXPECT_EQ(shell::PointerTipOf(PointerTip::ManualView, 0).width, 270);
  EXPECT_EQ(shell::PointerTipOf(PointerTip::RedWakes, 2).text, "Red wake boats are faster boats");

  const shell::Tip focus = shell::FocusTip(2, "Alpha 100%");
  EXPECT_EQ(focus.text,
            "Checked boats are focused.\r\nUnchecked boats are out of focus.\r\n\r\nR-Click to focus only "
            "Alpha 100%");
  EXPECT_EQ(QSize(focus.width, focus.height), QSize(280, 56));
  const shell::Tip focusJapanese = shell::FocusTip(0, "あさひ");
  EXPECT_NE(focusJapanese.text.find("右ｸﾘｯｸであさひ\r\nのみ残して"), std::string::npos);
  EXPECT_EQ(QSize(focusJapanese.width, focusJapanese.height), QSize(250, 80));
}

TEST_F(LanguageTest, AttachmentTipListsFromTheNextOneRound) {
  auto form = Start();
  ASSERT_EQ(form->Store().attachmentCount, 3);
  form->Store().attachmentIndex = 2;
  TipOver(*form, TipControl::Button2);
  EXPECT_EQ(form->State().hintText, "Show following attachment file\r\nnotes.pdf\r\nrules.txt\r\nchart.png");
  const auto tip = shell::ControlTip(TipControl::Button2, {2, 1, true}, form->Store());
  ASSERT_TRUE(tip);
  EXPECT_EQ(QSize(tip->width, tip->height), QSize(200, 13 * 3 + 18));
  EXPECT_EQ(form->chart->hintbox->width(), 200);
}

TEST_F(LanguageTest, AttachmentsOpenInACycleAndALoadStartsAgain) {
  auto form = Start();
  const std::string attachments = folder.folder() + "attachment/";
  for (int click = 0; click < 4; ++click) form->controls->Button2->click();
  EXPECT_EQ(platform.opened,
            (std::vector<std::string>{attachments + "rules.txt", attachments + "chart.png",
                                      attachments + "notes.pdf", attachments + "rules.txt"}));
  EXPECT_EQ(platform.beeps >= 4, true);

  ASSERT_EQ(form->Session().LoadRace(), shell::LoadResult::Loaded);
  platform.opened.clear();
  form->controls->Button2->click();
  EXPECT_EQ(platform.opened, std::vector<std::string>{attachments + "rules.txt"});
}

TEST_F(LanguageTest, OnlyPlainFilesInsideTheAttachmentFolderAreOpened) {
  auto form = Start();
  std::filesystem::remove(folder.folder() + "attachment/chart.png");
  std::filesystem::create_directory(folder.folder() + "attachment/chart.png");
  std::filesystem::remove(folder.folder() + "attachment/notes.pdf");
  std::filesystem::create_symlink("/bin/sh", folder.folder() + "attachment/notes.pdf");
  for (int click = 0; click < 3; ++click) form->controls->Button2->click();
  EXPECT_EQ(platform.opened, std::vector<std::string>{folder.folder() + "attachment/rules.txt"});
  EXPECT_EQ(form->Store().attachmentIndex, 3);
}

TEST_F(LanguageTest, HelpOpensThePageOfTheLanguageOrTheOther) {
  auto form = Start();
  form->overview->btnHELP->click();
  EXPECT_TRUE(platform.opened.empty());

  folder.Write("help/index.html", "<html></html>");
  form->overview->btnHELP->click();
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_EQ(platform.opened.back(), folder.folder() + "help/index.html");

  folder.Write("help-e/index.html", "<html></html>");
  form->overview->btnHELP->click();
  EXPECT_EQ(platform.opened.back(), folder.folder() + "help-e/index.html");
  Press(form->controls->jpn);
  form->overview->btnHELP->click();
  EXPECT_EQ(platform.opened.back(), folder.folder() + "help/index.html");
  std::filesystem::remove(folder.folder() + "help/index.html");
  form->overview->btnHELP->click();
  EXPECT_EQ(platform.opened.back(), folder.folder() + "help-e/index.html");

  Press(form->overview->imgLOGO);
  EXPECT_EQ(platform.opened.back(), "https://regatix.org/");
}

TEST_F(LanguageTest, RetouchKeepsThePlayStateAndWritesAReadableBitmap) {
  auto form = Start();
  const std::string path = platform.documents + "NoName.bmp";
  form->Session().FrameTimer()->start(50);
  form->controls->Button5->click();
  EXPECT_TRUE(form->Session().FrameTimer()->isActive());
  ASSERT_EQ(platform.opened, std::vector<std::string>{path});
  QImageReader reader(QString::fromStdString(path));
  EXPECT_EQ(reader.format(), "bmp");
  const QImage picture = reader.read();
  EXPECT_EQ(picture.size(), form->Session().FramePicture()->Image().size());
  EXPECT_EQ(picture.pixelColor(3, 3).rgb(), form->Session().FramePicture()->Image().pixelColor(3, 3).rgb());

  form->Session().FrameTimer()->stop();
  form->controls->Button5->click();
  EXPECT_FALSE(form->Session().FrameTimer()->isActive());
  EXPECT_EQ(platform.opened.size(), 2u);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LanguageTest, APictureThatCannotBeWrittenIsNamedAndNotOpened) {
  auto form = Start();
  // A folder where the picture should be makes the file impossible to write.
  std::filesystem::create_directories(platform.documents + "NoName.bmp");
  form->controls->Button5->click();
  EXPECT_TRUE(platform.opened.empty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].starts_with("Cannot write " + platform.documents + "NoName.bmp: "));
  EXPECT_GT(platform.messages[0].size(), ("Cannot write " + platform.documents + "NoName.bmp: ").size());
}

TEST_F(LanguageTest, SidePanelsTidyUpAndTheScorePanelStepsAside) {
  auto form = Start();
  TipOver(*form, TipControl::Button3);
  form->chart->Memo6->show();
  form->State().pointer.focusBoat = 1;
  form->State().pointer.nameMode = 2;
  form->State().playback.clockTextFrozen = 1;
  form->setWindowTitle("N35:12.345");
  Move(form->controls, QPoint(2, 2));
  EXPECT_TRUE(form->chart->hintbox->isHidden());
  EXPECT_TRUE(form->chart->Memo6->isHidden());
  EXPECT_EQ(form->State().pointer.focusBoat, 0);
  EXPECT_EQ(form->State().pointer.nameMode, 0);
  EXPECT_EQ(form->State().playback.clockTextFrozen, 0);
  EXPECT_EQ(form->windowTitle().toStdString(), form->Store().raceCaption);
  EXPECT_FALSE(form->controls->isHidden());

  // With Boat Name checked the labels stay; the logo panel does not bring the other panels back.
  form->controls->CheckBox2->click();
  form->State().pointer.nameMode = 1;
  form->controls->hide();
  Move(form->overview, QPoint(260, 198));
  EXPECT_EQ(form->State().pointer.nameMode, 1);
  EXPECT_TRUE(form->controls->isHidden());

  const int mapWidth = form->State().mapWidth;
  form->chart->pnlScore->move(51, 5);
  Move(form->chart->pnlScore, QPoint(1, 1));
  EXPECT_EQ(form->chart->pnlScore->pos(), QPoint(5, 5));
  Move(form->chart->pnlScore, QPoint(1, 1));
  EXPECT_EQ(form->chart->pnlScore->pos(), QPoint(mapWidth - form->chart->pnlScore->width() - 5, 5));
}

TEST_F(LanguageTest, ClosingRemovesTheOldExportAndBeeps) {
  auto form = Start();
  const int beeps = platform.beeps;
  form->close();
  EXPECT_EQ(platform.oldExportRemovals, 1);
  EXPECT_EQ(platform.beeps, beeps + 1);
}

TEST(TextFormatTest, ArgumentsFillTheirPlacesOnce) {
  EXPECT_EQ(shell::Text(TextId::CannotWriteFile, 2, {"/a/%2.bmp", "Permission denied"}),
            "Cannot write /a/%2.bmp: Permission denied");
  EXPECT_EQ(shell::Text(TextId::CannotWriteFile, 0, {"/a.bmp", "No space"}),
            "/a.bmp に書き込めません: No space");
}

}  // namespace
}  // namespace shelltest
