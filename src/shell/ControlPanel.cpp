// The control panel's controls, created with their form names, and what each one asks of the session.
#include "shell/ControlPanel.h"

#include <QAbstractButton>
#include <QShortcut>

#include "shell/KmlButtonWiring.h"
#include "shell/Pictures.h"
#include "shell/PointerPanel.h"
#include "view/WindowLayout.h"

namespace shell {

namespace {

template <class T>
T* Make(QWidget* parent, const char* name) {
  auto* widget = new T(parent);
  widget->setObjectName(QString::fromLatin1(name));
  // No control keeps the keyboard: the chart's keys (Space above all) always reach the chart.
  widget->setFocusPolicy(Qt::NoFocus);
  return widget;
}

CanvasImage* MakePicture(QWidget* parent, const char* name, const QString& picture) {
  auto* image = new CanvasImage(parent, QString::fromLatin1(name));
  image->SetPicture(Picture(picture));
  return image;
}

QScrollBar* MakeBar(QWidget* parent, const char* name) {
  auto* bar = Make<QScrollBar>(parent, name);
  bar->setOrientation(Qt::Horizontal);
  bar->setRange(0, 100);
  return bar;
}

QString Q(TextId id) {
  return QString::fromStdString(Text(id, 2));
}

}  // namespace

ControlPanel::ControlPanel(RaceSession& session, QWidget* parent) : QWidget(parent), session_(session) {
  SetPanelFace(this, "pnlCTRL", QColor(212, 208, 200));
  CreateRaceControls();
  CreateOptionBoxes();
  CreateInsightControls();
  CreatePad();
  CreateSeaColour();
  CreateBars();
  CreateCommandButtons();
  ConnectSession();
  ApplyLanguage();
  LayOut();
  // The controls with a tip pass the pointer's moves on to the panel, which shows their tips.
  for (QWidget* tipped :
       {static_cast<QWidget*>(chkAutoNext), static_cast<QWidget*>(Button4), static_cast<QWidget*>(ChkBigBoat),
        static_cast<QWidget*>(Button2), static_cast<QWidget*>(Button3)}) {
    tipped->setMouseTracking(true);
  }
}

void ControlPanel::CreateRaceControls() {
  Label5 = Make<QLabel>(this, "Label5");
  ComboBox1 = Make<QComboBox>(this, "ComboBox1");
  ComboBox1->setMaxVisibleItems(20);
  chkAutoNext = Make<QCheckBox>(this, "chkAutoNext");
  chkAutoNext->setChecked(true);
  Button4 = Make<QPushButton>(this, "Button4");
  connect(ComboBox1, qOverload<int>(&QComboBox::activated), &session_, &RaceSession::ChooseRace);
  connect(chkAutoNext, &QCheckBox::clicked, &session_, &RaceSession::SetAutoNext);
  connect(Button4, &QPushButton::clicked, &session_, &RaceSession::ShowChosenRace);

  GroupBox2 = Make<QGroupBox>(this, "GroupBox2");
  GroupBox2->setTitle(Q(TextId::GroupBox2));
  RadioButton1 = Make<QRadioButton>(GroupBox2, "RadioButton1");
  RadioButton2 = Make<QRadioButton>(GroupBox2, "RadioButton2");
  RadioButton3 = Make<QRadioButton>(GroupBox2, "RadioButton3");
  RadioButton1->setChecked(true);
  const std::pair<QRadioButton*, int> pages[] = {
      {RadioButton1, kTrackPage}, {RadioButton2, kGraphPage}, {RadioButton3, kTablePage}};
  for (const auto& [radio, page] : pages) {
    connect(radio, &QRadioButton::toggled, this, [this, page = page](bool checked) {
      if (checked) session_.ShowPage(page);
    });
  }

  GroupBox1 = Make<QGroupBox>(this, "GroupBox1");
  RadioN = Make<QRadioButton>(GroupBox1, "RadioN");
  RadioW = Make<QRadioButton>(GroupBox1, "RadioW");
  RadioW->setChecked(true);
  connect(RadioN, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) session_.SetNorthUp(true);
  });
  connect(RadioW, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) session_.SetNorthUp(false);
  });
}

void ControlPanel::CreateOptionBoxes() {
  CheckBox1 = Make<QCheckBox>(this, "CheckBox1");
  CheckBox1->setChecked(true);
  chkLL = Make<QCheckBox>(this, "chkLL");
  ChkRefLine = Make<QCheckBox>(this, "ChkRefLine");
  CheckBox2 = Make<QCheckBox>(this, "CheckBox2");
  ChkBigBoat = Make<QCheckBox>(this, "ChkBigBoat");
  chkHint = Make<QCheckBox>(this, "chkHint");
  chkHint->setChecked(true);
  chkHint->hide();  // tips stay on
  connect(CheckBox1, &QCheckBox::clicked, &session_, &RaceSession::SetAutoTrace);
  connect(chkLL, &QCheckBox::clicked, &session_, &RaceSession::SetLayLines);
  connect(ChkRefLine, &QCheckBox::clicked, &session_, &RaceSession::SetCompLine);
  connect(CheckBox2, &QCheckBox::clicked, &session_, &RaceSession::SetBoatNames);
  connect(ChkBigBoat, &QCheckBox::clicked, &session_, &RaceSession::SetBigBoat);
  connect(chkHint, &QCheckBox::clicked, &session_, &RaceSession::SetTipsOn);
}

// The Graph page's smoothing choices, in seconds; 0 keeps the curves as recorded.
constexpr int kSmoothingChoices[] = {0, 10, 30, 60};

void ControlPanel::CreateInsightControls() {
  chkTacks = Make<QCheckBox>(this, "chkTacks");
  chkSpeedTail = Make<QCheckBox>(this, "chkSpeedTail");
  chkLongTail = Make<QCheckBox>(this, "chkLongTail");
  lblSmooth = Make<QLabel>(this, "lblSmooth");
  cmbSmooth = Make<QComboBox>(this, "cmbSmooth");
  connect(chkTacks, &QCheckBox::clicked, &session_, &RaceSession::SetManoeuvreMarks);
  connect(chkSpeedTail, &QCheckBox::clicked, &session_, &RaceSession::SetSpeedTails);
  connect(chkLongTail, &QCheckBox::clicked, &session_, &RaceSession::SetLongTails);
  connect(cmbSmooth, qOverload<int>(&QComboBox::activated), this, [this](int index) {
    if (index >= 0 && index < static_cast<int>(std::size(kSmoothingChoices)))
      session_.SetGraphSmoothing(kSmoothingChoices[index]);
  });
}

void ControlPanel::FillSmoothingList() {
  const int language = session_.State().englishTexts;
  const QSignalBlocker blocker(cmbSmooth);
  const int chosen = std::max(0, cmbSmooth->currentIndex());
  cmbSmooth->clear();
  for (const int seconds : kSmoothingChoices) {
    cmbSmooth->addItem(QString::fromStdString(
        seconds == 0 ? Text(TextId::SmoothOff, language)
                     : Text(TextId::SmoothSeconds, language, {std::to_string(seconds)})));
  }
  cmbSmooth->setCurrentIndex(chosen);
}

void ControlPanel::CreatePad() {
  pnlDIR = Make<QGroupBox>(this, "pnlDIR");
  pnlDIR->setTitle(Q(TextId::pnlDIR));
  up_f = MakePicture(pnlDIR, "up_f", QStringLiteral("up_f"));
  up_t = MakePicture(pnlDIR, "up_t", QStringLiteral("up_t"));
  stop_f = MakePicture(pnlDIR, "stop_f", QStringLiteral("stop_f"));
  stop_t = MakePicture(pnlDIR, "stop_t", QStringLiteral("stop_t"));
  dn_f = MakePicture(pnlDIR, "dn_f", QStringLiteral("dn_f"));
  dn_t = MakePicture(pnlDIR, "dn_t", QStringLiteral("dn_t"));
  plus = MakePicture(pnlDIR, "plus", QStringLiteral("plus"));
  minus = MakePicture(pnlDIR, "minus", QStringLiteral("minus"));
  // Each lit image lies over its unlit twin, so visibility alone shows the state.
  up_t->move(8, 17);
  up_f->move(8, 17);
  stop_t->move(8, up_t->y() + up_t->height() + 3);
  stop_f->move(8, stop_t->y());
  dn_t->move(8, stop_t->y() + stop_t->height() + 3);
  dn_f->move(8, dn_t->y());
  plus->move(35, up_t->y());
  minus->move(35, dn_t->y());
  connect(up_f, &CanvasImage::clicked, &session_, &RaceSession::PlayForward);
  connect(dn_f, &CanvasImage::clicked, &session_, &RaceSession::PlayBackward);
  connect(stop_f, &CanvasImage::clicked, &session_, &RaceSession::Stop);
  connect(up_t, &CanvasImage::clicked, &session_, &RaceSession::ResumePlay);
  connect(dn_t, &CanvasImage::clicked, &session_, &RaceSession::ResumePlay);
  connect(stop_t, &CanvasImage::clicked, &session_, &RaceSession::ResumePlay);
  connect(plus, &CanvasImage::clicked, this, [this] { session_.Step(1); });
  connect(minus, &CanvasImage::clicked, this, [this] { session_.Step(-1); });
  ShowPlayState();
}

void ControlPanel::CreateSeaColour() {
  GroupBox4 = Make<QGroupBox>(this, "GroupBox4");
  GroupBox4->setTitle(Q(TextId::GroupBox4));
  const char* names[] = {"Image4", "Image5", "Image6", "Image7", "Image8"};
  for (int k = 0; k < 5; ++k) {
    seaSwatch[k] = new CanvasImage(GroupBox4, QString::fromLatin1(names[k]), 12, 10);
    connect(seaSwatch[k], &CanvasImage::clicked, this, [this, k] { session_.ChooseSeaPreset(k + 1); });
  }
  ScrollBar3 = MakeBar(GroupBox4, "ScrollBar3");
  ScrollBar3->setValue(100);
  CheckBox3 = Make<QCheckBox>(GroupBox4, "CheckBox3");
  CheckBox3->setText(Q(TextId::CheckBox3));
  CheckBox3->setChecked(true);
  connect(ScrollBar3, &QScrollBar::valueChanged, &session_, &RaceSession::SetSeaBrightness);
  connect(CheckBox3, &QCheckBox::clicked, &session_, &RaceSession::SetSeaAuto);
  PaintSeaSwatches();
}

void ControlPanel::CreateBars() {
  Label3 = Make<QLabel>(this, "Label3");
  Label3->setText(Q(TextId::Label3));
  ScrollBar2 = MakeBar(this, "ScrollBar2");
  ScrollBar2->setValue(100);
  Label2 = Make<QLabel>(this, "Label2");
  Label2->setText(Q(TextId::Label2));
  ScrollBar1 = MakeBar(this, "ScrollBar1");
  ScrollBar1->setPageStep(5);
  ScrollBar1->setValue(19);
  Memo2 = Make<QLabel>(this, "Memo2");
  Memo2->setAutoFillBackground(true);
  Memo2->setFrameShape(QFrame::Box);
  Memo2->setStyleSheet(QStringLiteral("background: white; color: black;"));
  Memo2->setAlignment(Qt::AlignCenter);
  Memo2->setText(QStringLiteral("5X"));
  connect(ScrollBar1, &QScrollBar::valueChanged, &session_, &RaceSession::SetSpeedPosition);
  connect(ScrollBar2, &QScrollBar::valueChanged, &session_, &RaceSession::SetZoomPosition);

  usa = MakePicture(this, "usa", QStringLiteral("usa"));
  jpn = MakePicture(this, "jpn", QStringLiteral("jpn"));
  connect(jpn, &CanvasImage::clicked, this, [this] { session_.SetLanguage(0); });
  connect(usa, &CanvasImage::clicked, this, [this] { session_.SetLanguage(1); });
}

void ControlPanel::CreateCommandButtons() {
  Button1 = Make<QPushButton>(this, "Button1");
  Button1->setText(Q(TextId::Button1));
  Button2 = Make<QPushButton>(this, "Button2");
  Button3 = Make<QPushButton>(this, "Button3");
  Button3->setText(Q(TextId::Button3));
  Button5 = Make<QPushButton>(this, "Button5");
  btnOpenTracks = Make<QPushButton>(this, "btnOpenTracks");
  // Ctrl+O anywhere in the window, as in every program that opens files.
  auto* openKey = new QShortcut(QKeySequence::Open, this);
  openKey->setContext(Qt::WindowShortcut);
  connect(btnOpenTracks, &QPushButton::clicked, &session_, &RaceSession::ChooseAndOpenTracks);
  connect(openKey, &QShortcut::activated, &session_, &RaceSession::ChooseAndOpenTracks);
  btnEditRace = Make<QPushButton>(this, "btnEditRace");
  auto* editKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
  editKey->setContext(Qt::WindowShortcut);
  connect(btnEditRace, &QPushButton::clicked, &session_, &RaceSession::StartEditing);
  connect(editKey, &QShortcut::activated, &session_, &RaceSession::StartEditing);
  connect(Button1, &QPushButton::clicked, &session_, &RaceSession::Exit);
  connect(Button2, &QPushButton::clicked, this, &ControlPanel::button2Click);
  connect(Button5, &QPushButton::clicked, this, &ControlPanel::Button5Click);
  kmlButton_ = new KmlButtonWiring(Button3, session_.State(), session_.Services(), LocaleDateTimeText);
}

void ControlPanel::LayOut(double scale) {
  const auto place = [scale](QWidget* control, view::Box box) {
    const view::Box scaled = view::Scaled(box, scale);
    control->setGeometry(scaled.left, scaled.top, scaled.width, scaled.height);
  };
  for (const view::NamedBox& named : view::ControlPanelPlaces()) {
    const QString name = QString::fromUtf8(named.name.data(), static_cast<qsizetype>(named.name.size()));
    if (auto* control = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly)) place(control, named.box);
  }
  QRadioButton* pages[] = {RadioButton1, RadioButton2, RadioButton3};
  for (int k = 0; k < 3; ++k) place(pages[k], {6, 13 + 13 * k, 57, 13});
  place(RadioN, {4, 14, 65, 14});
  place(RadioW, {4, 28, 65, 14});
  place(ScrollBar3, {6, 18, 59, 16});
  place(CheckBox3, {6, 38, 61, 16});
  // The five preset swatches in a row under AUTO.
  for (int k = 0; k < 5; ++k) place(seaSwatch[k], {5 + 13 * k, 59, 12, 12});
  // The pad's pictures keep their size; their places follow the scale.
  const std::pair<CanvasImage*, view::Box> pad[] = {
      {up_f, {8, 17, 0, 0}}, {up_t, {8, 17, 0, 0}}, {stop_f, {8, 36, 0, 0}}, {stop_t, {8, 36, 0, 0}},
      {dn_f, {8, 55, 0, 0}}, {dn_t, {8, 55, 0, 0}}, {plus, {35, 17, 0, 0}},  {minus, {35, 55, 0, 0}}};
  for (const auto& [image, box] : pad) {
    const view::Box at = view::Scaled(box, scale);
    image->move(at.left, at.top);
  }
  PaintSeaSwatches();
  FitCaptions();
}

void ControlPanel::FitCaptions() {
  for (QWidget* control : findChildren<QWidget*>()) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    auto* label = qobject_cast<QLabel*>(control);
    auto* group = qobject_cast<QGroupBox*>(control);
    if (button == nullptr && label == nullptr && group == nullptr) continue;
    control->setFont(QFont());  // the panel's font again, then smaller while the caption does not fit
    control->setAttribute(Qt::WA_SetFont, false);
    const auto fits = [&] {
      if (group != nullptr)
        return control->fontMetrics().horizontalAdvance(group->title()) + 12 <= group->width();
      if (label != nullptr)
        return control->fontMetrics().horizontalAdvance(label->text()) + 4 <= label->width();
      // A push button's own size hint has a minimum width; its caption is what has to fit.
      if (qobject_cast<QPushButton*>(button) != nullptr)
        return control->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width();
      return button->sizeHint().width() <= button->width();
    };
    QFont font = control->font();
    while (!fits() && font.pointSizeF() > 6) {
      font.setPointSizeF(font.pointSizeF() - 0.5);
      control->setFont(font);
    }
  }
}

}  // namespace shell
