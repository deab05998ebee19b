// The race editor's form: filled when editing starts, read when Save is pressed.
#include "shell/RaceEditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <charconv>

#include "race/DateTime.h"
#include "race/Numbers.h"

namespace shell {

namespace {

template <typename Widget>
Widget* Named(QWidget* parent, const char* name) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QString DateTimeText(double dateTime) {
  return QString::fromStdString(race::FormatDateTime(dateTime));
}

}  // namespace

RaceEditor::RaceEditor(RaceSession& session, QWidget* parent) : QFrame(parent), session_(session) {
  setObjectName(QStringLiteral("pnlEDIT"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette face = palette();
  face.setColor(QPalette::Window, QColor(212, 208, 200));
  setPalette(face);

  lblEditTitle = Named<QLabel>(this, "lblEditTitle");
  QFont bold = lblEditTitle->font();
  bold.setBold(true);
  lblEditTitle->setFont(bold);
  lblEditHint = Named<QLabel>(this, "lblEditHint");
  lblEditHint->setWordWrap(true);
  lblGun = Named<QLabel>(this, "lblGun");
  lblFinish = Named<QLabel>(this, "lblFinish");
  lblTd = Named<QLabel>(this, "lblTd");
  lblCourse = Named<QLabel>(this, "lblCourse");
  edtGun = Named<QLineEdit>(this, "edtGun");
  edtFinish = Named<QLineEdit>(this, "edtFinish");
  edtTd = Named<QLineEdit>(this, "edtTd");
  lstCourse = Named<QListWidget>(this, "lstCourse");
  cmbCoursePlace = Named<QComboBox>(this, "cmbCoursePlace");
  btnEntryAdd = Named<QPushButton>(this, "btnEntryAdd");
  btnEntryRemove = Named<QPushButton>(this, "btnEntryRemove");
  btnEntryUp = Named<QPushButton>(this, "btnEntryUp");
  btnEntryDown = Named<QPushButton>(this, "btnEntryDown");
  btnNewMark = Named<QPushButton>(this, "btnNewMark");
  btnNewLine = Named<QPushButton>(this, "btnNewLine");
  btnEditSave = Named<QPushButton>(this, "btnEditSave");
  btnEditCancel = Named<QPushButton>(this, "btnEditCancel");
  btnEditSave->setDefault(true);
  // Room for a whole date and time, whatever the labels' language takes.
  for (QLineEdit* edit : {edtGun, edtFinish})
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00 00:00:00")) + 12);
  for (QLabel* label : {lblGun, lblFinish, lblTd}) label->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(4);
  layout->addWidget(lblEditTitle);
  layout->addWidget(lblEditHint);
  auto* times = new QGridLayout;
  times->addWidget(lblGun, 0, 0);
  times->addWidget(edtGun, 0, 1);
  times->addWidget(lblFinish, 1, 0);
  times->addWidget(edtFinish, 1, 1);
  times->addWidget(lblTd, 2, 0);
  times->addWidget(edtTd, 2, 1);
  times->setColumnStretch(1, 1);
  layout->addLayout(times);
  layout->addWidget(lblCourse);
  auto* course = new QHBoxLayout;
  course->addWidget(lstCourse, 1);
  auto* order = new QVBoxLayout;
  for (QPushButton* button : {btnEntryUp, btnEntryDown, btnEntryRemove}) order->addWidget(button);
  order->addStretch();
  course->addLayout(order);
  layout->addLayout(course, 1);
  auto* add = new QHBoxLayout;
  add->addWidget(cmbCoursePlace, 1);
  add->addWidget(btnEntryAdd);
  layout->addLayout(add);
  auto* places = new QHBoxLayout;
  places->addWidget(btnNewMark);
  places->addWidget(btnNewLine);
  layout->addLayout(places);
  auto* end = new QHBoxLayout;
  end->addStretch();
  end->addWidget(btnEditSave);
  end->addWidget(btnEditCancel);
  layout->addLayout(end);

  connect(btnEntryAdd, &QPushButton::clicked, this, [this] {
    if (cmbCoursePlace->currentIndex() < 0) return;
    const int at = lstCourse->currentRow() < 0 ? lstCourse->count() : lstCourse->currentRow() + 1;
    lstCourse->insertItem(at, cmbCoursePlace->currentText());
    lstCourse->setCurrentRow(at);
  });
  connect(btnEntryRemove, &QPushButton::clicked, this, [this] { delete lstCourse->currentItem(); });
  connect(btnEntryUp, &QPushButton::clicked, this, [this] { MoveEntry(-1); });
  connect(btnEntryDown, &QPushButton::clicked, this, [this] { MoveEntry(1); });
  connect(btnNewMark, &QPushButton::clicked, &session_, &RaceSession::AddEditMark);
  connect(btnNewLine, &QPushButton::clicked, &session_, &RaceSession::AddEditLine);
  connect(btnEditSave, &QPushButton::clicked, this, &RaceEditor::Save);
  connect(btnEditCancel, &QPushButton::clicked, &session_, &RaceSession::CancelEditing);
  connect(&session_, &RaceSession::courseEdited, this, &RaceEditor::FillPlaces);
  connect(&session_, &RaceSession::languageChanged, this, &RaceEditor::ApplyLanguage);
  connect(&session_, &RaceSession::editingChanged, this, [this] {
    if (session_.Editing()) Fill();
    setVisible(session_.Editing());
    if (isVisible()) raise();
  });
  ApplyLanguage();
  Fill();
}

void RaceEditor::Fill() {
  const inference::RaceCourse& course = session_.EditedCourse();
  edtGun->setText(DateTimeText(course.startTime));
  edtFinish->setText(DateTimeText(course.finishTime));
  edtTd->setText(QString::number(course.timeDifferenceHours));
  lstCourse->clear();
  for (const std::string& entry : course.course) lstCourse->addItem(QString::fromStdString(entry));
  FillPlaces();
}

void RaceEditor::FillPlaces() {
  const inference::RaceCourse& course = session_.EditedCourse();
  const QString chosen = cmbCoursePlace->currentText();
  cmbCoursePlace->clear();
  for (std::size_t l = 1; l <= course.lines.size(); ++l)
    cmbCoursePlace->addItem(QStringLiteral("L%1").arg(l));
  for (std::size_t m = 1; m <= course.marks.size(); ++m)
    cmbCoursePlace->addItem(QStringLiteral("MK%1").arg(m));
  cmbCoursePlace->setCurrentIndex(std::max(0, cmbCoursePlace->findText(chosen)));
}

void RaceEditor::ApplyLanguage() {
  const auto set = [this](auto* control, TextId id) {
    control->setText(QString::fromStdString(session_.Tr(id)));
  };
  set(lblEditTitle, TextId::EditorTitle);
  set(lblEditHint, TextId::EditorHint);
  set(lblGun, TextId::EditorGun);
  set(lblFinish, TextId::EditorFinish);
  set(lblTd, TextId::EditorTd);
  set(lblCourse, TextId::EditorCourse);
  set(btnEntryAdd, TextId::EditorAdd);
  set(btnEntryRemove, TextId::EditorRemove);
  set(btnEntryUp, TextId::EditorUp);
  set(btnEntryDown, TextId::EditorDown);
  set(btnNewMark, TextId::EditorNewMark);
  set(btnNewLine, TextId::EditorNewLine);
  set(btnEditSave, TextId::EditorSave);
  set(btnEditCancel, TextId::EditorCancel);
}

void RaceEditor::MoveEntry(int by) {
  const int row = lstCourse->currentRow();
  const int to = row + by;
  if (row < 0 || to < 0 || to >= lstCourse->count()) return;
  lstCourse->insertItem(to, lstCourse->takeItem(row));
  lstCourse->setCurrentRow(to);
}

std::optional<inference::RaceCourse> RaceEditor::FormValues() {
  inference::RaceCourse values = session_.EditedCourse();
  for (auto [edit, time] : {std::pair{edtGun, &values.startTime}, std::pair{edtFinish, &values.finishTime}}) {
    const std::string text = edit->text().trimmed().toStdString();
    const auto read = race::ParseDateTime(text);
    if (!read) {
      session_.Services().ShowMessage(Text(TextId::EditBadTime, session_.State().englishTexts, {text}));
      edit->setFocus();
      return std::nullopt;
    }
    *time = *read;
  }
  const std::string td = edtTd->text().trimmed().toStdString();
  const char* end = td.data() + td.size();
  const auto [stop, error] =
      std::from_chars(td.data() + (td.starts_with('+') ? 1 : 0), end, values.timeDifferenceHours);
  if (td.empty() || error != std::errc() || stop != end) {
    session_.Services().ShowMessage(session_.Tr(TextId::EditBadTd));
    edtTd->setFocus();
    return std::nullopt;
  }
  values.course.clear();
  for (int k = 0; k < lstCourse->count(); ++k)
    values.course.push_back(lstCourse->item(k)->text().toStdString());
  return values;
}

void RaceEditor::Save() {
  if (const auto values = FormValues()) session_.SaveEdits(*values);
}

}  // namespace shell
