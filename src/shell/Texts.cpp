// The text table: English and Japanese for each text id.
#include "shell/Texts.h"

namespace shell {

namespace {

// The blanks in the Label1 texts line the header up over the boat list columns (U+3000 in Japanese).
constexpr TextEntry kTexts[] = {
    {TextId::Label1, "     Boat Name             Speed                TWA",
     "       艇　名          　    艇速(ﾉｯﾄ)　　　　　　風角"},
    {TextId::Label5, "Race File Name", " レースファイル名"},
    {TextId::GroupBox1, "Orientation", "表示方位"},
    {TextId::RadioN, "NorthWd", "北が上"},
    {TextId::RadioW, "WindWd", "風向"},
    {TextId::chkAutoNext, "AutoNext", "自動切換"},
    {TextId::Button4, "SHOW", "表示"},
    {TextId::RadioButton1, "Track", "軌跡"},
    {TextId::RadioButton2, "Graph", "ｸﾞﾗﾌ"},
    {TextId::RadioButton3, "Table", "数表"},
    {TextId::CheckBox1, "Auto Trace", "軌跡追尾"},
    {TextId::chkLL, "Layline", "レイライン"},
    {TextId::ChkRefLine, "Comp Ht", "比較線"},
    {TextId::CheckBox2, "Boat Name", "艇名表示"},
    {TextId::ChkBigBoat, "Boat Size", "艇拡大"},
    {TextId::chkHint, "Tips", "操作説明"},
    {TextId::Button2, "Attachment", "添付資料表示"},
    {TextId::Button5, "Retouch", "画像処理"},
    {TextId::Label2, "SPEED", "SPEED"},
    {TextId::Label3, "ZOOM", "ZOOM"},
    {TextId::GroupBox2, "Page", "Page"},
    {TextId::GroupBox4, "Sea Color", "Sea Color"},
    {TextId::CheckBox3, "AUTO", "AUTO"},
    {TextId::Button1, "EXIT", "EXIT"},
    {TextId::Button3, "Google Earth", "Google Earth"},
    {TextId::btnHELP, "HELP", "HELP"},
    {TextId::pnlDIR, "GO/STOP", "GO/STOP"},
    {TextId::AlreadyShown, "Already shown.", "Already shown."},
    {TextId::GpsFileNotExists, "GPS file not exists.", "GPS file not exists."},
    {TextId::Loading, "LOADING  ", "LOADING  "},
};

}  // namespace

std::span<const TextEntry> TextTable() {
  return kTexts;
}

std::string Text(TextId id, int englishTexts) {
  const TextEntry& entry = kTexts[static_cast<int>(id)];
  return englishTexts > 0 ? entry.english : entry.japanese;
}

}  // namespace shell
