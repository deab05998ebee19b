// The tips of the main window's controls and of the logo: their texts in the current language and the
// size of the hint box that shows them. Plain functions of the race and the settings, so they are tested
// without a window.
#pragma once

#include <optional>
#include <string>

#include "playback/TimeBarInput.h"
#include "race/RaceStore.h"

namespace shell {

// The product web site behind the logo.
inline constexpr const char* kProductSite = "https://regatix.org/";

// A tip in the hint box: its text (CR LF between lines) and size.
struct Tip {
  std::string text;
  int width = 0;
  int height = 0;
};

// The controls that show a tip while the pointer moves over them.
enum class TipControl { chkAutoNext, Button4, ChkBigBoat, Button2, Button3, btnHELP, Image10, imgLOGO };

struct TipSituation {
  int englishTexts = 2;
  int tipsOn = 1;
  bool autoTrace = true;
};

// The tip of a control, or none where the control heeds the Tips setting (or Auto Trace, for the wind
// graph) and it is off.
std::optional<Tip> ControlTip(TipControl control, const TipSituation& situation,
                              const race::RaceStore& store);

// A tip the pointer logic asks for; moment is the time bar's moment under the pointer, as shown to the user.
Tip PointerTipOf(playback::PointerTip tip, int englishTexts, const std::string& moment = {});

// The tip explaining the focusing clicks, for the boat under the pointer.
Tip FocusTip(int englishTexts, const std::string& boatName);

// The attachment lines from the one the next click opens, round to the current one.
std::string AttachmentLines(const race::RaceStore& store);

// The about text of the logo, ending with the link line.
std::string LogoTipText(int englishTexts);

}  // namespace shell
