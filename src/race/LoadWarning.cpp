// The wording of every load warning in both languages, and the list they go into.
#include "race/LoadWarning.h"

#include <utility>

#include "race/RaceStore.h"

namespace race {

namespace {

struct Wording {
  WarningKind kind;
  const char* english;
  const char* japanese;
};

constexpr Wording kWordings[] = {
    {WarningKind::kNoFixInWindow,
     "boat %1: no fix inside the race window (its fixes run %2 to %3, the window %4 to %5); the boat is left "
     "out: check ST, FT and the logger's clock",
     "艇 %1: レース時間内の測位がありません (測位 %2 ～ %3、レース時間 %4 ～ %5)。この艇は除かれました: "
     "ST・FT と"
     "ロガーの時計を確かめてください"},
    {WarningKind::kNoFixInWindowHours,
     "boat %1: no fix inside the race window (its fixes run %2 to %3, the window %4 to %5); the boat is left "
     "out: TD may be wrong (or ST a day off), with TD %6 its fixes would fit",
     "艇 %1: レース時間内の測位がありません (測位 %2 ～ %3、レース時間 %4 ～ %5)。この艇は除かれました: TD "
     "(または ST の日付) が誤っているかもしれません。TD を %6 にすると合います"},
    {WarningKind::kTooFewFixes,
     "boat %1: only %2 fixes inside the race window (%3 needed); the boat is left out: check ST, FT and TD",
     "艇 %1: レース時間内の測位が %2 点しかありません (%3 点必要)。この艇は除かれました: ST・FT・TD "
     "を確かめて"
     "ください"},
    {WarningKind::kTrackFileMissing, "boat %1: track file \"%2\" not found in gpsdat; the boat is left out",
     "艇 %1: 航跡ファイル \"%2\" が gpsdat にありません。この艇は除かれました"},
    {WarningKind::kBoatsBeyondCapacity, "the race file names %1 boats; only the first %2 are read",
     "レースファイルに %1 艇ありますが、読み込むのは最初の %2 艇だけです"},
    {WarningKind::kPointNobodyPassed,
     "course point %2 (%1) was passed by no boat (closest approach %3 m); it counts against nobody: check "
     "its "
     "position",
     "コースの %2 番目 (%1) はどの艇も通過していません (最接近 %3 m)。誰の減点にもなりません: 位置を確かめて"
     "ください"},
    {WarningKind::kMarkFarFromTracks,
     "mark %1 lies %2 nautical miles from every track: check its position (minutes of arc, not degrees)",
     "マーク %1 はどの航跡からも %2 海里離れています: 位置を確かめてください (度ではなく分で)"},
    {WarningKind::kWindOutOfOrder, "%1: wind samples out of time order; sorted by time",
     "%1: 風のデータが時刻順ではないため、時刻順に並べ替えました"},
    {WarningKind::kLinkOutside, "%1: a link leading outside %2/, not read",
     "%1: %2/ の外を指すリンクのため読み込みません"},
    {WarningKind::kUnreadableFile, "%1: cannot read the file: %2", "%1: ファイルを読めません: %2"},
    {WarningKind::kGlitchAtOrigin, "%1: fix at %2 dropped as a GPS glitch: a jump to 0°N 0°E",
     "%1: %2 の測位を GPS の異常値として除きました: 北緯0度・東経0度への飛び"},
    {WarningKind::kGlitchSpeed, "%1: fix at %2 dropped as a GPS glitch: %3 knots from its neighbour",
     "%1: %2 の測位を GPS の異常値として除きました: 隣の測位から %3 ノット"},
    {WarningKind::kMoreGlitches, "%1: %2 more fixes dropped as GPS glitches",
     "%1: ほかに %2 点の測位を GPS の異常値として除きました"},
    {WarningKind::kMoreWarnings, "more warnings left out", "ほかの警告は省きました"},
    {WarningKind::kNote, "%1", "%1"},
};

}  // namespace

std::string FillValues(std::string text, const std::vector<std::string>& values) {
  // From the highest number down, so %1 never eats the start of %10.
  for (std::size_t i = values.size(); i >= 1; --i) {
    const std::string key = "%" + std::to_string(i);
    for (std::size_t at = text.find(key); at != std::string::npos;
         at = text.find(key, at + values[i - 1].size()))
      text.replace(at, key.size(), values[i - 1]);
  }
  return text;
}

void Warn(RaceStore& store, WarningKind kind, std::vector<std::string> values) {
  store.warnings.push_back({kind, std::move(values)});
}

void AddWarning(std::vector<LoadWarning>& warnings, std::string_view text) {
  warnings.push_back({WarningKind::kNote, {std::string(text)}});
}

std::string WarningText(const LoadWarning& warning, int englishTexts) {
  for (const Wording& wording : kWordings) {
    if (wording.kind == warning.kind)
      return FillValues(englishTexts > 0 ? wording.english : wording.japanese, warning.values);
  }
  return {};
}

}  // namespace race
