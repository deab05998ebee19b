// Tip texts and hint box sizes of the control panel, the logo panel and the wind graph.
#include "shell/Tips.h"

#include <iterator>

#include "shell/Texts.h"

namespace shell {

namespace {

constexpr const char* kLineBreak = "\r\n";

struct TipShape {
  TextId text;
  bool needsTips;  // shown only while Tips is on
  int englishWidth, englishHeight, japaneseWidth, japaneseHeight;
};

TipShape ShapeOf(TipControl control) {
  switch (control) {
    case TipControl::chkAutoNext:
      return {TextId::TipAutoNext, true, 180, 16, 220, 16};
    case TipControl::Button4:
      return {TextId::TipShow, true, 180, 32, 180, 32};
    case TipControl::ChkBigBoat:
      return {TextId::TipBigBoat, true, 220, 20, 220, 20};
    case TipControl::Button2:
      return {TextId::TipAttachment, false, 200, 18, 200, 18};
    case TipControl::Button3:
      return {TextId::TipGoogleEarth, false, 190, 60, 250, 60};
    case TipControl::btnHELP:
      return {TextId::TipHelp, false, 150, 20, 150, 20};
    case TipControl::Image10:
      return {TextId::TipWindGraph, false, 300, 20, 350, 20};
    case TipControl::imgLOGO:
      return {TextId::LogoNotice1, true, 160, 100, 160, 100};
  }
  return {TextId::TipHelp, false, 150, 20, 150, 20};
}

// The box of a text that has different sizes in the two languages.
Tip Sized(const std::string& text, int englishTexts, int englishWidth, int englishHeight, int japaneseWidth,
          int japaneseHeight) {
  if (englishTexts > 0) return {text, englishWidth, englishHeight};
  return {text, japaneseWidth, japaneseHeight};
}

}  // namespace

Tip PointerTipOf(playback::PointerTip tip, int englishTexts, const std::string& moment) {
  switch (tip) {
    case playback::PointerTip::ManualView:
      return Sized(Text(TextId::TipManualView, englishTexts), englishTexts, 290, 100, 270, 85);
    case playback::PointerTip::RedWakes:
      return {Text(TextId::TipRedWakes, englishTexts), 270, 20};
    case playback::PointerTip::FocusAll:
      return {Text(TextId::TipFocusAll, englishTexts), 220, 20};
    case playback::PointerTip::TimeBar:
      return Sized(Text(TextId::TipTimeBar, englishTexts, {moment}), englishTexts, 180, 55, 220, 43);
  }
  return {};
}

Tip FocusTip(int englishTexts, const std::string& boatName) {
  return Sized(Text(TextId::TipFocusBoat, englishTexts, {boatName}), englishTexts, 280, 56, 250, 80);
}

std::string AttachmentLines(const race::RaceStore& store) {
  std::string lines;
  const int count = store.attachmentCount;
  for (int k = 1; k <= count; ++k) {
    const int index = (store.attachmentIndex + k - 1) % count + 1;
    if (k > 1) lines += kLineBreak;
    lines += store.attachment[index];
  }
  return lines;
}

std::string LogoTipText(int englishTexts) {
  const std::string link =
      Text(TextId::LogoLinkBefore, englishTexts) + kProductSite + Text(TextId::LogoLinkAfter, englishTexts);
  const std::string lines[] = {"",
                               "<Regatix>",
                               "yacht racing browser",
                               "",
                               Text(TextId::LogoNotice1, englishTexts),
                               "",
                               Text(TextId::LogoNotice2, englishTexts),
                               "",
                               link};
  std::string text = lines[0];
  for (size_t i = 1; i < std::size(lines); ++i) text += kLineBreak + lines[i];
  return text;
}

std::optional<Tip> ControlTip(TipControl control, const TipSituation& situation,
                              const race::RaceStore& store) {
  const TipShape shape = ShapeOf(control);
  if (shape.needsTips && situation.tipsOn != 1) return std::nullopt;
  if (control == TipControl::Image10 && !situation.autoTrace) return std::nullopt;
  const bool english = situation.englishTexts > 0;
  Tip tip{Text(shape.text, situation.englishTexts), english ? shape.englishWidth : shape.japaneseWidth,
          english ? shape.englishHeight : shape.japaneseHeight};
  if (control == TipControl::imgLOGO) tip.text = LogoTipText(situation.englishTexts);
  if (control == TipControl::Button2) {
    if (store.attachmentCount > 0) tip.text += kLineBreak + AttachmentLines(store);
    tip.height = 13 * store.attachmentCount + 18;
  }
  return tip;
}

}  // namespace shell
