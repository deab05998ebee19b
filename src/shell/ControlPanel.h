// ControlPanel ("pnlCTRL"): the race list and SHOW, AutoNext, the pages, the orientation, the chart's
// option boxes, the GO/STOP pad, the sea colour, ZOOM, SPEED, the language flags and the command buttons
// (Open tracks, Retouch, Google Earth, Attachment, EXIT). Each control calls one session command; the panel
// follows the session's signals, so the controls always show the session's state.
//
// A new command button goes into CreateCommandButtons() and gets its place in view::ControlPanelPlaces().
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>
#include <array>

#include "shell/CanvasImage.h"
#include "shell/RaceSession.h"

namespace shell {

class KmlButtonWiring;

class ControlPanel : public QWidget {
  Q_OBJECT

 public:
  ControlPanel(RaceSession& session, QWidget* parent);

  // Puts the controls at their places at the panels' scale; call after the panel's font changed. A caption
  // too long for its control (a language, a font) is set in a smaller size until it fits.
  void LayOut(double scale = 1.0);

  // Controls, by their form names.
  QLabel *Label2, *Label3, *Label5, *Memo2;
  QComboBox* ComboBox1;
  QCheckBox *chkAutoNext, *CheckBox1, *chkLL, *ChkRefLine, *CheckBox2, *ChkBigBoat, *CheckBox3, *chkHint;
  // Tacks and gybes on the wakes, speed-coloured wakes, long wakes; the Graph page's smoothing.
  QCheckBox *chkTacks, *chkSpeedTail, *chkLongTail;
  QLabel* lblSmooth;
  QComboBox* cmbSmooth;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5;
  QPushButton* btnOpenTracks;  // Open tracks... (Ctrl+O)
  QPushButton* btnEditRace;    // Edit race... (Ctrl+E)
  QGroupBox *GroupBox1, *GroupBox2, *GroupBox4, *pnlDIR;
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioN, *RadioW;
  QScrollBar *ScrollBar1, *ScrollBar2, *ScrollBar3;
  CanvasImage *up_f, *up_t, *stop_f, *stop_t, *dn_f, *dn_t, *plus, *minus, *usa, *jpn;
  std::array<CanvasImage*, 5> seaSwatch;  // Image4 .. Image8

  // The race list as the catalogue has it.
  void FillRaceList();
  // The Google Earth button's exports, which the share menu offers too.
  KmlButtonWiring& KmlButton() { return *kmlButton_; }
  // Retouch: the picture shown, written as a bitmap in the documents folder and opened with the desktop.
  void Button5Click();
  void button2Click();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void CreateRaceControls();
  void CreateOptionBoxes();
  void CreateInsightControls();
  void FillSmoothingList();
  void CreatePad();
  void CreateSeaColour();
  void CreateBars();
  void CreateCommandButtons();
  void ConnectSession();
  void ShowPlayState();
  void ShowSea();
  void ShowRaceLoaded();
  void ShowCatalogueEntry();
  void ApplyLanguage();
  void PaintSeaSwatches();
  void FitCaptions();

  RaceSession& session_;
  KmlButtonWiring* kmlButton_ = nullptr;
};

}  // namespace shell
