// The desktop services the program asks for: sounds, messages, the desktop opener, folders, locale and
// event processing. The Qt program uses QtPlatform; tests use a recording fake.
#pragma once

#include <string>
#include <vector>

namespace shell {

inline constexpr const char* kMessageCaption = "Regatix";
inline constexpr int kJapaneseLocaleId = 1041;

class Platform {
 public:
  virtual ~Platform() = default;

  // The default system beep.
  virtual void Beep() = 0;
  // The start gun, played asynchronously; returns at once.
  virtual void PlayStartGun() = 0;
  // Hands a file path or a web address to the desktop's associated program; the result is not checked.
  virtual void OpenWithDesktop(const std::string& pathOrUrl) = 0;
  // A message box with the caption "Regatix".
  virtual void ShowMessage(const std::string& text) = 0;
  // A yes/no question with the caption "Regatix"; true for yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // The files the user picks in an open dialog titled caption that shows filter ("Name (*.a *.b)"); empty
  // when the dialog was cancelled.
  virtual std::vector<std::string> ChooseFilesToOpen(const std::string& caption,
                                                     const std::string& filter) = 0;
  // The user's documents folder, '/'-separated and ending in '/'; made when it is missing.
  virtual std::string DocumentsFolder() = 0;
  // The folder of the user's own race folders, ending in '/' (it need not exist).
  virtual std::string UserRacesFolder() = 0;
  // 1041 when the user's language is Japanese in Japan, otherwise another identifier.
  virtual int UserLocaleId() = 0;
  // Lets pending window events (repaints) run during a long operation.
  virtual void ProcessPendingEvents() = 0;
  // Deletes the globe export that older versions left at the root of drive C; only Windows has one.
  virtual void RemoveOldGlobeExport() = 0;
};

}  // namespace shell
