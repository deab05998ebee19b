// RaceEditor ("pnlEDIT"): the race editor's form, over the side panels beside the chart while the race is
// edited. It edits the gun, the end of the race window, TD and the course order; the marks and line ends are
// dragged on the chart itself. Save and Cancel end the editing; the form is not modal, so the replay's other
// controls stay usable.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "shell/RaceSession.h"

namespace shell {

class RaceEditor : public QFrame {
  Q_OBJECT

 public:
  RaceEditor(RaceSession& session, QWidget* parent);

  // Controls, by their form names.
  QLabel *lblEditTitle, *lblEditHint, *lblGun, *lblFinish, *lblTd, *lblCourse;
  QLineEdit *edtGun, *edtFinish, *edtTd;
  QListWidget* lstCourse;
  QComboBox* cmbCoursePlace;  // the marks and lines a course entry may name
  QPushButton *btnEntryAdd, *btnEntryRemove, *btnEntryUp, *btnEntryDown;
  QPushButton *btnNewMark, *btnNewLine, *btnEditSave, *btnEditCancel;

 private:
  // The form filled from the race as it is when editing starts.
  void Fill();
  void FillPlaces();
  void ApplyLanguage();
  void MoveEntry(int by);
  void Save();
  // The form's values, or nothing when a time or TD cannot be read (the user was told which).
  std::optional<inference::RaceCourse> FormValues();

  RaceSession& session_;
};

}  // namespace shell
