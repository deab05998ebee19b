// TForm1, the main window ("Form1"): it assembles the race session and the widgets that show it, and lays
// them out for its size. The chart area is on the left, the time bar beside it, the logo panel with the
// overview, the boat list and the control panel on the right; the loading panel ("pnlSPLITE") covers the
// window while a race loads.
//
// Who does what (for adding to the window):
//   RaceSession    state, catalogue, LoadRace, timers, pictures; commands and signals (RaceSession.h)
//   ChartWidget    paints the picture; chart mouse, wheel and keys; compass, wind graph, score, flag, tips
//   ControlPanel   the control panel's controls, each calling one session command
//   BoatListPanel  boat rows, focus clicks, ticker, hover highlight
//   TimeBarPanel   the time bar and its pointer
//   OverviewPanel  overview map, text clock, logo, HELP
//   ShareMenu      the Share button under HELP: replay video, Google Earth race with time
//   RaceEditor     the race editor's form over the side panels while a race is edited
#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "shell/BoatListPanel.h"
#include "shell/CanvasImage.h"
#include "shell/ChartWidget.h"
#include "shell/ControlPanel.h"
#include "shell/OverviewPanel.h"
#include "shell/Platform.h"
#include "shell/RaceSession.h"
#include "shell/Settings.h"
#include "shell/StartOptions.h"
#include "shell/TimeBarPanel.h"

namespace shell {

class TForm2;
class ShareMenu;
class RaceEditor;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // programFolder is '/'-separated. The loading window, when given, shows the first load.
  TForm1(Platform& platform, std::string programFolder, TForm2* loadingWindow = nullptr);
  ~TForm1() override;

  // The start-up: font, language, defaults, catalogue, first race: the one open names (regatix --open), else
  // the one shown last. Afterwards EndRequested() tells whether the program is to end because no race could
  // be shown.
  void FormCreate(const std::vector<std::string>& open = {});
  bool EndRequested() const { return endRequested_; }
  // Where the window's choices are remembered between runs (SettingsWiring.cpp); none: nothing is
  // remembered. Read by FormCreate, written when the window closes.
  void UseSettings(QSettings* settings);
  void SaveSettings();
  // A later start's command line (HandOver.cpp): the window comes to the front and shows its --folder, or
  // what --open names.
  void TakeCommandLine(const StartOptions& options);
  // --open, on the first start as on a later one: a race folder or race file named is shown; else the
  // tracks and folders of tracks named become a race of the user's own, shown at once. True when a race
  // of theirs is shown.
  bool OpenPaths(const std::vector<std::string>& paths);

  // Places the panels and the chart for the window's size; the chart's pictures follow at once.
  void LayoutWindow();

  RaceSession& Session() { return *session_; }
  AppState& State() { return session_->State(); }
  race::RaceStore& Store() { return session_->Store(); }

  RaceSession* session_;
  ChartWidget* chart;
  ControlPanel* controls;
  BoatListPanel* boatList;
  TimeBarPanel* timeBar;
  OverviewPanel* overview;
  // The loading panel and its parts, by their form names.
  QWidget* pnlSPLITE;
  CanvasImage *Image2, *Image3;
  QLabel *memo4, *memo5;
  // The race editor's form, made the first time a race is edited.
  RaceEditor* editor = nullptr;

 public slots:
  // Another start of the program asked this window to come to the front.
  void BringToFront();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Track files or a folder of them dropped onto the window are opened as a race.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  WindowSettings RememberedSettings() const;
  void RestoreBeforeFirstLoad(const WindowSettings& remembered);
  void RestoreAfterFirstLoad(const WindowSettings& remembered);
  void CreateLoadingPanel();
  void ShowLoadingPanel();
  void ShowLoadProgress(const QString& caption, const QString& file, int boat, int boatCount);
  void HideLoadingPanel();
  void FitBoatListPanels();
  void SetWindowFont();
  void ShowEditor();

  Platform& platform_;
  QPointer<TForm2> loadingWindow_;
  QImage splash_;
  bool endRequested_ = false;
  double panelScale_ = 1.0;  // the side panels' scale for the window's size
  bool fontSet_ = false;
  QSettings* settings_ = nullptr;
  ShareMenu* shareMenu_ = nullptr;  // the video and the race with time, under HELP
};

}  // namespace shell
