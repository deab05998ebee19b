// A platform that records what the program asked of the desktop, for the window tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/Platform.h"

namespace shelltest {

class FakePlatform : public shell::Platform {
 public:
  void Beep() override { ++beeps; }
  void PlayStartGun() override { ++guns; }
  void OpenWithDesktop(const std::string& pathOrUrl) override { opened.push_back(pathOrUrl); }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return answer;
  }
  std::vector<std::string> ChooseFilesToOpen(const std::string& caption, const std::string&) override {
    dialogs.push_back(caption);
    return chosenFiles;
  }
  std::string DocumentsFolder() override { return documents; }
  std::string UserRacesFolder() override { return userRaces; }
  int UserLocaleId() override { return localeId; }
  void ProcessPendingEvents() override {
    ++eventRuns;
    if (duringEvents) duringEvents();
  }
  void RemoveOldGlobeExport() override { ++oldExportRemovals; }

  int beeps = 0;
  int guns = 0;
  int eventRuns = 0;
  int oldExportRemovals = 0;
  std::vector<std::string> opened, messages, questions, dialogs;
  std::vector<std::string> chosenFiles;  // what the open dialog answers
  bool answer = true;
  std::string documents = "/tmp/regatix-documents/";
  std::string userRaces;  // none unless a test makes some
  int localeId = 1033;
  // Runs inside each event processing, as a click handled during a load would.
  std::function<void()> duringEvents;
};

}  // namespace shelltest
