// The small commands that hand a file or address to the desktop: help, the logo's web site, the race's
// attachments, the retouch picture; and the close of the window.
#include <QCloseEvent>
#include <QDir>

#include "shell/HelpAndLinks.h"
#include "shell/MainWindow.h"
#include "shell/Retouch.h"

namespace shell {

void TForm1::btnHELPClick() {
  if (const auto page = HelpPage(Store().programFolder, state_.englishTexts))
    platform_.OpenWithDesktop(*page);
}

void TForm1::imgLOGOClick() {
  platform_.OpenWithDesktop(kProductSite);
}

void TForm1::button2Click() {
  platform_.Beep();
  if (const auto file = NextAttachment(Store())) platform_.OpenWithDesktop(*file);
}

void TForm1::Button5Click() {
  const std::string path = RetouchPath(Store().documentsFolder);
  QDir().mkpath(QString::fromStdString(Store().documentsFolder));
  std::string reason;
  if (state_.activePage == 1) {
    if (state_.options.autoTrace) {
      // The replay holds still while its picture is drawn afresh for the present time and written.
      const bool running = Timer1->isActive();
      Timer1->stop();
      PresentFrame();
      reason = WriteWindowsBitmap(frameBitmap ? frameBitmap->Image() : QImage(), path);
      if (running) Timer1->start(state_.frameInterval);
    } else {
      reason = WriteWindowsBitmap(frameBitmap ? frameBitmap->Image() : QImage(), path);
    }
  } else {
    reason = WriteWindowsBitmap(graphBitmap ? graphBitmap->Image() : QImage(), path);
  }
  if (!reason.empty()) {
    // The user's image program is not started on an old or half-written file.
    platform_.ShowMessage(Text(TextId::CannotWriteFile, state_.englishTexts, {path, reason}));
    return;
  }
  platform_.OpenWithDesktop(path);
}

void TForm1::FormClose() {
  SaveSettings();
  platform_.RemoveOldGlobeExport();
  platform_.Beep();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

}  // namespace shell
