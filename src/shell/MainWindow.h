// TForm1, the main window: the chart area on the left, time bar, logo, boat list and control panels on the
// right. Controls keep their form names; the start-up, catalogue and load sequence are its handlers.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "pages/BoatHighlight.h"
#include "shell/AppState.h"
#include "shell/CanvasImage.h"
#include "shell/Platform.h"
#include "shell/QtCanvas.h"
#include "shell/Settings.h"
#include "shell/Shape.h"
#include "shell/StartOptions.h"
#include "shell/Texts.h"
#include "shell/Tips.h"

namespace shell {

class TForm2;
class PlaybackWiring;
class ShareMenu;

enum class LoadResult { Loaded, Failed, HeldOff };

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // programFolder is '/'-separated and ends in '/'. The loading window, when given, shows the first load.
  TForm1(Platform& platform, std::string programFolder, TForm2* loadingWindow = nullptr);
  ~TForm1() override;

  // The start-up: folders, language, defaults, catalogue, first race. Afterwards EndRequested() tells
  // whether the program is to end because no race could be shown.
  void FormCreate();
  bool EndRequested() const { return endRequested_; }
  // Where the window's choices are remembered between runs (SettingsWiring.cpp); none: nothing is
  // remembered. Read by FormCreate, written when the window closes.
  void UseSettings(QSettings* settings);
  void SaveSettings();
  // The folder a file dialog opens in: where the last one was left, in this run or an earlier one, while
  // that folder exists; else the documents folder.
  QString DialogFolder() const;
  void RememberDialogFolder(const QString& chosenFile);

  void BuildRaceList();
  // A later start's command line (HandOver.cpp): the window comes to the front and shows its --folder, or
  // the race folder or race file of --open.
  void TakeCommandLine(const StartOptions& options);
  // Makes folder the program folder and shows its first race; when none loads, the race shown and its
  // catalogue stay.
  bool OpenProgramFolder(const std::string& folder);
  // Loads the race named by raceFilePath. A failed load leaves the race that was shown in place.
  LoadResult LoadRace();
  // Loads the race file at path as catalogue entry raceIndex; raceFilePath and raceIndex change only when
  // the load succeeds, so callers that pick the next race should use this form.
  LoadResult LoadRace(const std::string& path, int raceIndex);
  void LayoutWindow();
  void SetsMap();
  void ApplyLanguage();
  // Draws the current frame into frameBitmap and shows it.
  void PresentFrame();

  AppState& State() { return state_; }
  race::RaceStore& Store() { return *state_.store; }
  bool Loading() const { return loading_; }
  // The desktop services, for the playback wiring's beeps and guns.
  Platform& Services() { return platform_; }
  // The playback clock and pointer logic on this window (PlaybackTicks.cpp), made by the first load.
  PlaybackWiring* playbackWiring = nullptr;
  void PlaybackRaceLoaded();

  // Controls, by their form names.
  QWidget *pnlSPLITE, *pnlLOGO, *pnlCTRL, *pnlBOATlist, *pnlTimeBar, *Panel1, *PnlWindGr, *pnlScore, *pnlFLAG,
      *pnlBAR, *TimePointer;
  QGroupBox *pnlDIR, *GroupBox1, *GroupBox2, *GroupBox4;
  QLabel *Label1, *Label2, *Label3, *Label5, *Memo1, *Memo2, *Memo3, *Memo6, *hintbox, *memo4, *memo5;
  QComboBox* ComboBox1;
  QCheckBox *chkAutoNext, *CheckBox1, *chkLL, *ChkRefLine, *CheckBox2, *ChkBigBoat, *CheckBox3, *chkHint;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *btnHELP;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioN, *RadioW;
  QScrollBar *ScrollBar1, *ScrollBar2, *ScrollBar3;
  CanvasImage *Image1, *Image2, *Image3, *Image4, *Image5, *Image6, *Image7, *Image8, *Image10, *imgLOGO,
      *usa, *jpn, *up_f, *up_t, *stop_f, *stop_t, *dn_f, *dn_t, *plus, *minus, *blue_p, *compasss, *compasst,
      *TimeBar, *BackTimeBar;
  Shape* windmk;
  QTimer *Timer1, *Timer2;

  // Per-boat display objects of the race shown, 1-based (element 0 unused).
  std::vector<Shape*> boatDot;
  std::vector<QCheckBox*> boatCheck;
  std::vector<CanvasImage*> boatBar;
  std::vector<QLabel*> boatMemo;
  std::vector<QLabel*> scoreLabel;

  // The off-screen pictures, chart-sized, made by each load.
  std::unique_ptr<QtCanvas> frameBitmap, graphBitmap, UraMap;
  // What the window shows while a boat list entry picks a boat out: a copy of the page with the highlight,
  // so the highlight never piles up on frameBitmap or graphBitmap.
  std::unique_ptr<QtCanvas> windowPicture;
  bool WindowPictureShown() const;
  // Back to the plain page: the pointer left the list, the page changed or a new frame or graph was drawn.
  void ClearWindowPicture();

  // The boat list's pointer handlers (BoatListWiring.cpp). boat is the entry's tag, x and y are
  // entry-relative.
  void sboatMouseMove(int boat, int x, int y);
  void gBarMouseMove();
  void pnlBOATlistMouseMove();
  void FitBoatListPanels();
  // After a focus change on the list the Graph page is drawn again, and a highlight on it or on the chart
  // follows the new picture.
  void BoatFocusChanged();

 public slots:
  void ComboBox1Change(int index);
  void chkAutoNextClick();
  void Button4Click();
  void Timer1Timer();
  void Timer2Timer();
  // Another start of the program asked this window to come to the front.
  void BringToFront();

  // Language and tips (Language.cpp): the flags, the Tips box, the hint box, the tips of the controls and
  // the side panels' tidying of what the chart's pointer handlers left on screen.
  void jpnClick();
  void usaClick();
  void chkHintClick();
  void ShowTip(const Tip& tip);
  void HideTip();
  void ControlMouseMove(TipControl control);
  void pnlCTRLMouseMove();
  void pnlLOGOMouseMove();
  void pnlScoreMouseMove();
  void Memo6MouseMove();
  // Help, the logo's web site, attachments, the retouch picture and the close (Commands.cpp).
  void btnHELPClick();
  void imgLOGOClick();
  void button2Click();
  void Button5Click();
  void FormClose();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  WindowSettings RememberedSettings() const;
  void RestoreBeforeFirstLoad(const WindowSettings& remembered);
  void RestoreAfterFirstLoad(const WindowSettings& remembered);
  void CreateControls();
  void CreateControlPanel();
  void CreateSidePanels();
  void CreateChartOverlays();
  void CreateSplashPanel();
  void WireLanguageAndCommands();
  // Graph and Table pages, and the Google Earth button.
  void WirePages();
  void WireBoatList();
  void WireBoatListEntries();
  void DrawBoatHighlight(int boat);
  void ShowGraphPage();
  void RadioButton2Click();
  void RadioButton3Click();
  void TidySidePanel(bool controlPanel);
  void FormResize();
  void LayoutSplashPanel();
  void PlaceSplashPanel();
  void LayoutPad();
  // Moves the small markers (overview dots, time pointer, wind-graph line, compass wind dot) to the frame's
  // places.
  void PlaceFrameMarkers();
  void ShowLoadProgress(const race::RaceStore& next, const std::string& boatFile, int i, int boatCount);
  void FreeBoatObjects();
  void CreateBoatObjects();
  void CreateScoreLabels();
  void CreateBitmaps();
  void PaintSeaSwatches();
  void ApplyLoadedRace();
  void StopTimers();
  void ResumeAfterFailedLoad(bool timersWereRunning);
  // The race the user saw last when it is still in the catalogue, else the start-up choice.
  bool LoadFirstRace(const std::string& lastRace = {});
  // The start-up choice of the catalogue (racefile.st), else its other races in order, until one loads;
  // false when none did, after saying why.
  bool LoadCatalogueFirstRace();
  std::string Tr(TextId id) const { return Text(id, state_.englishTexts); }

  Platform& platform_;
  QPointer<TForm2> loadingWindow_;
  AppState state_;
  QImage splash_;
  bool loading_ = false;
  QObject* boatListWatcher_ = nullptr;
  pages::BoatListHover boatListHover_;
  int windowPicturePage_ = 0;  // the page windowPicture was drawn for; 0 while the plain page shows
  bool focusRenewalQueued_ = false;
  bool endRequested_ = false;
  QSettings* settings_ = nullptr;
  std::string dialogFolder_;
  ShareMenu* shareMenu_ = nullptr;  // the video and the race with time, under HELP
};

}  // namespace shell
