// The load warnings' window: a caption, one row per warning, a Close button.
#include "shell/LoadWarningsList.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/Texts.h"

namespace shell {

void ShowLoadWarnings(QWidget* window, const std::vector<race::LoadWarning>& warnings, int englishTexts) {
  // Never called from the list's own events (it only closes itself), so the old one can go at once.
  delete window->findChild<QDialog*>(kLoadWarningsName);
  if (warnings.empty()) return;
  auto* dialog = new QDialog(window);
  dialog->setObjectName(kLoadWarningsName);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QString::fromStdString(Text(TextId::LoadWarningsTitle, englishTexts)));
  auto* list = new QListWidget(dialog);
  list->setWordWrap(true);
  for (const race::LoadWarning& warning : warnings)
    list->addItem(QString::fromStdString(race::WarningText(warning, englishTexts)));
  auto* close =
      new QPushButton(QString::fromStdString(Text(TextId::LoadWarningsClose, englishTexts)), dialog);
  close->setObjectName(QStringLiteral("btnWarningsClose"));
  QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(list);
  layout->addWidget(close, 0, Qt::AlignRight);
  dialog->resize(720, 240);
  dialog->show();
}

}  // namespace shell
