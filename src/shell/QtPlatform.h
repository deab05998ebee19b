// The desktop services on Qt: QApplication beep, QSoundEffect for the gun, QDesktopServices, QMessageBox,
// QStandardPaths and QLocale. With no sound device or desktop opener the program goes on silently.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "shell/Platform.h"

class QSoundEffect;

namespace shell {

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  // Message boxes are shown over this window when it is set.
  void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }

  void Beep() override;
  void PlayStartGun() override;
  void OpenWithDesktop(const std::string& pathOrUrl) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  std::vector<std::string> ChooseFilesToOpen(const std::string& caption, const std::string& filter) override;
  std::string DocumentsFolder() override;
  std::string UserRacesFolder() override;
  int UserLocaleId() override;
  void ProcessPendingEvents() override;
  void RemoveOldGlobeExport() override;

 private:
  std::unique_ptr<QSoundEffect> gun_;
  QPointer<QWidget> dialogParent_;
};

}  // namespace shell
