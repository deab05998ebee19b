// The main window's controls, created once with their form names and parents; the window layout places
// the panels, and the fixed positions inside the panels are set here.
#include <QPalette>

#include "shell/MainWindow.h"
#include "shell/Pictures.h"

namespace shell {

namespace {

template <class T>
T* Make(QWidget* parent, const char* name) {
  auto* widget = new T(parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QWidget* MakePanel(QWidget* parent, const char* name, QColor background) {
  auto* panel = Make<QWidget>(parent, name);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, background);
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
  return panel;
}

// A memo of the form: a read-only text box with a white face.
QLabel* MakeMemo(QWidget* parent, const char* name, const QString& style = QString()) {
  auto* memo = Make<QLabel>(parent, name);
  memo->setAutoFillBackground(true);
  memo->setFrameShape(QFrame::Box);
  memo->setStyleSheet(style.isEmpty() ? QStringLiteral("background: white; color: black;") : style);
  return memo;
}

CanvasImage* MakePicture(QWidget* parent, const char* name, const QString& picture) {
  auto* image = new CanvasImage(parent, QString::fromLatin1(name));
  image->SetPicture(Picture(picture));
  return image;
}

const QColor kPanelFace(212, 208, 200);

}  // namespace

void TForm1::CreateControls() {
  setObjectName(QStringLiteral("Form1"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

  CreateChartOverlays();
  CreateSidePanels();
  CreateControlPanel();
  CreateSplashPanel();
  WireLanguageAndCommands();
  WirePages();
  WireBoatList();
}

void TForm1::CreateChartOverlays() {
  Panel1 = MakePanel(this, "Panel1", Qt::black);
  Panel1->setGeometry(5, 5, 100, 100);
  compasss = MakePicture(Panel1, "compasss", QStringLiteral("compass"));
  compasss->hide();
  compasst = new CanvasImage(Panel1, QStringLiteral("compasst"), 100, 100);
  compasst->Canvas().Fill(0);
  compasst->Canvas().DrawImage((100 - compasss->width()) / 2, (100 - compasss->height()) / 2,
                               compasss->Canvas().Image());
  Memo3 = MakeMemo(Panel1, "Memo3", QStringLiteral("background: black; color: white;"));
  Memo3->setFrameShape(QFrame::NoFrame);
  Memo3->setAlignment(Qt::AlignCenter);
  Memo3->setGeometry(35, 42, 30, 16);
  Memo3->hide();
  windmk = new Shape(Panel1, QStringLiteral("windmk"), view::Rgb(255, 0, 0), view::Rgb(255, 0, 0), 5);
  windmk->setGeometry(46, 0, 8, 8);
  windmk->hide();

  PnlWindGr = MakePanel(this, "PnlWindGr", Qt::black);
  PnlWindGr->setGeometry(Panel1->x(), Panel1->y() + 105, 100, 100);
  Image10 = new CanvasImage(PnlWindGr, QStringLiteral("Image10"), 100, 100);
  pnlBAR = MakePanel(PnlWindGr, "pnlBAR", Qt::red);
  pnlBAR->setGeometry(5, 95, 90, 1);
  PnlWindGr->hide();

  pnlScore = MakePanel(this, "pnlScore", QColor(255, 255, 255));
  pnlScore->resize(220, 21);
  pnlScore->hide();
  pnlFLAG = MakePanel(this, "pnlFLAG", kPanelFace);
  blue_p = MakePicture(pnlFLAG, "blue_p", QStringLiteral("blue_p"));
  pnlFLAG->move(Panel1->x() + 110, Panel1->y());
  pnlFLAG->hide();

  hintbox = MakeMemo(this, "hintbox", QStringLiteral("background: rgb(255,255,160); color: black;"));
  hintbox->setAlignment(Qt::AlignCenter);
  hintbox->setWordWrap(true);
  hintbox->hide();
  Memo6 = MakeMemo(this, "Memo6", QStringLiteral("background: rgb(255,255,225); color: black;"));
  Memo6->hide();
}

void TForm1::CreateSidePanels() {
  pnlTimeBar = MakePanel(this, "pnlTimeBar", QColor(40, 40, 60));
  BackTimeBar = new CanvasImage(pnlTimeBar, QStringLiteral("BackTimeBar"));
  TimeBar = new CanvasImage(pnlTimeBar, QStringLiteral("TimeBar"));
  TimePointer = MakePanel(pnlTimeBar, "TimePointer", Qt::red);
  TimePointer->setGeometry(1, 26, 48, 3);

  pnlLOGO = MakePanel(this, "pnlLOGO", kPanelFace);
  Image1 = new CanvasImage(pnlLOGO, QStringLiteral("Image1"), 170, 170);
  Memo1 = MakeMemo(pnlLOGO, "Memo1");
  Memo1->setAlignment(Qt::AlignCenter);
  imgLOGO = MakePicture(pnlLOGO, "imgLOGO", QStringLiteral("logo"));
  btnHELP = Make<QPushButton>(pnlLOGO, "btnHELP");
  btnHELP->hide();

  pnlBOATlist = MakePanel(this, "pnlBOATlist", QColor(255, 255, 255));
  Label1 = Make<QLabel>(pnlBOATlist, "Label1");
  Label1->setGeometry(0, 0, 265, 13);
  Label1->setStyleSheet(QStringLiteral("font-size: 10px;"));
}

void TForm1::CreateControlPanel() {
  pnlCTRL = MakePanel(this, "pnlCTRL", kPanelFace);
  Label5 = Make<QLabel>(pnlCTRL, "Label5");
  ComboBox1 = Make<QComboBox>(pnlCTRL, "ComboBox1");
  ComboBox1->setMaxVisibleItems(20);
  chkAutoNext = Make<QCheckBox>(pnlCTRL, "chkAutoNext");
  Button1 = Make<QPushButton>(pnlCTRL, "Button1");
  Button4 = Make<QPushButton>(pnlCTRL, "Button4");

  GroupBox2 = Make<QGroupBox>(pnlCTRL, "GroupBox2");
  RadioButton1 = Make<QRadioButton>(GroupBox2, "RadioButton1");
  RadioButton2 = Make<QRadioButton>(GroupBox2, "RadioButton2");
  RadioButton3 = Make<QRadioButton>(GroupBox2, "RadioButton3");
  RadioButton1->setGeometry(6, 13, 57, 13);
  RadioButton2->setGeometry(6, 26, 57, 13);
  RadioButton3->setGeometry(6, 39, 57, 13);
  RadioButton1->setChecked(true);

  GroupBox1 = Make<QGroupBox>(pnlCTRL, "GroupBox1");
  RadioN = Make<QRadioButton>(GroupBox1, "RadioN");
  RadioW = Make<QRadioButton>(GroupBox1, "RadioW");
  RadioN->setGeometry(4, 14, 66, 14);
  RadioW->setGeometry(4, 28, 66, 14);
  RadioW->setChecked(true);
  // The orientation captions are the widest in their box.
  for (QRadioButton* radio : {RadioN, RadioW}) radio->setStyleSheet(QStringLiteral("font-size: 10px;"));

  CheckBox1 = Make<QCheckBox>(pnlCTRL, "CheckBox1");
  CheckBox1->setChecked(true);
  chkLL = Make<QCheckBox>(pnlCTRL, "chkLL");
  ChkRefLine = Make<QCheckBox>(pnlCTRL, "ChkRefLine");
  CheckBox2 = Make<QCheckBox>(pnlCTRL, "CheckBox2");
  ChkBigBoat = Make<QCheckBox>(pnlCTRL, "ChkBigBoat");
  Button5 = Make<QPushButton>(pnlCTRL, "Button5");
  Button3 = Make<QPushButton>(pnlCTRL, "Button3");
  Button2 = Make<QPushButton>(pnlCTRL, "Button2");
  chkHint = Make<QCheckBox>(pnlCTRL, "chkHint");
  chkHint->setChecked(true);
  chkHint->hide();  // tips stay on

  pnlDIR = Make<QGroupBox>(pnlCTRL, "pnlDIR");
  up_f = MakePicture(pnlDIR, "up_f", QStringLiteral("up_f"));
  up_t = MakePicture(pnlDIR, "up_t", QStringLiteral("up_t"));
  stop_f = MakePicture(pnlDIR, "stop_f", QStringLiteral("stop_f"));
  stop_t = MakePicture(pnlDIR, "stop_t", QStringLiteral("stop_t"));
  dn_f = MakePicture(pnlDIR, "dn_f", QStringLiteral("dn_f"));
  dn_t = MakePicture(pnlDIR, "dn_t", QStringLiteral("dn_t"));
  plus = MakePicture(pnlDIR, "plus", QStringLiteral("plus"));
  minus = MakePicture(pnlDIR, "minus", QStringLiteral("minus"));

  GroupBox4 = Make<QGroupBox>(pnlCTRL, "GroupBox4");
  CanvasImage** swatches[] = {&Image4, &Image5, &Image6, &Image7, &Image8};
  const char* swatchNames[] = {"Image4", "Image5", "Image6", "Image7", "Image8"};
  for (int k = 0; k < 5; ++k) {
    *swatches[k] = new CanvasImage(GroupBox4, QString::fromLatin1(swatchNames[k]), 32, 10);
  }
  ScrollBar3 = Make<QScrollBar>(GroupBox4, "ScrollBar3");
  ScrollBar3->setOrientation(Qt::Horizontal);
  ScrollBar3->setRange(0, 100);
  ScrollBar3->setGeometry(6, 20, 59, 16);
  CheckBox3 = Make<QCheckBox>(GroupBox4, "CheckBox3");
  CheckBox3->setGeometry(6, 44, 60, 16);

  Label3 = Make<QLabel>(pnlCTRL, "Label3");
  ScrollBar2 = Make<QScrollBar>(pnlCTRL, "ScrollBar2");
  ScrollBar2->setOrientation(Qt::Horizontal);
  ScrollBar2->setRange(0, 100);
  usa = MakePicture(pnlCTRL, "usa", QStringLiteral("usa"));
  jpn = MakePicture(pnlCTRL, "jpn", QStringLiteral("jpn"));
  Label2 = Make<QLabel>(pnlCTRL, "Label2");
  ScrollBar1 = Make<QScrollBar>(pnlCTRL, "ScrollBar1");
  ScrollBar1->setOrientation(Qt::Horizontal);
  ScrollBar1->setRange(0, 100);
  ScrollBar1->setPageStep(5);
  ScrollBar1->setValue(19);
  Memo2 = MakeMemo(pnlCTRL, "Memo2");
  Memo2->setAlignment(Qt::AlignCenter);
  Memo2->setText(QStringLiteral("5X"));

  // The same in both languages.
  Label2->setText(QString::fromStdString(Text(TextId::Label2, 2)));
  Label3->setText(QString::fromStdString(Text(TextId::Label3, 2)));
  GroupBox2->setTitle(QString::fromStdString(Text(TextId::GroupBox2, 2)));
  GroupBox4->setTitle(QString::fromStdString(Text(TextId::GroupBox4, 2)));
  CheckBox3->setText(QString::fromStdString(Text(TextId::CheckBox3, 2)));
  Button1->setText(QString::fromStdString(Text(TextId::Button1, 2)));
  Button3->setText(QString::fromStdString(Text(TextId::Button3, 2)));
  btnHELP->setText(QString::fromStdString(Text(TextId::btnHELP, 2)));
  pnlDIR->setTitle(QString::fromStdString(Text(TextId::pnlDIR, 2)));

  connect(ComboBox1, qOverload<int>(&QComboBox::activated), this, &TForm1::ComboBox1Change);
  connect(chkAutoNext, &QCheckBox::clicked, this, &TForm1::chkAutoNextClick);
  connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
}

void TForm1::CreateSplashPanel() {
  pnlSPLITE = MakePanel(this, "pnlSPLITE", QColor(128, 128, 0));
  Image2 = new CanvasImage(pnlSPLITE, QStringLiteral("Image2"));
  Image2->SetPicture(splash_);
  Image3 = new CanvasImage(pnlSPLITE, QStringLiteral("Image3"));
  Image3->hide();
  memo4 = Make<QLabel>(pnlSPLITE, "memo4");
  memo4->setStyleSheet(QStringLiteral("color: white; font-size: 12px;"));
  memo5 = Make<QLabel>(pnlSPLITE, "memo5");
  memo5->setStyleSheet(
      QStringLiteral("color: rgb(0,255,255); font-size: 20px; font-weight: bold; font-style: italic;"));
  memo4->hide();
  memo5->hide();
}

}  // namespace shell
