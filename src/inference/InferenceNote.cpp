// The wording of every note of the race maker in both languages.
#include "inference/InferenceNote.h"

#include "race/LoadWarning.h"

namespace inference {

namespace {

struct Wording {
  NoteKind kind;
  const char* english;
  const char* japanese;
};

constexpr Wording kWordings[] = {
    {NoteKind::kGunFound, "gun at %1; start line %2 m long", "スタート %1、スタートライン長さ %2 m"},
    {NoteKind::kCourseFound, "%1 marks, course %2", "マーク %1 個、コース %2"},
    {NoteKind::kFinishFound, "finish line: %1 of %2 boats crossed it",
     "フィニッシュライン: %2 艇中 %1 艇が通過"},
    {NoteKind::kWindFound, "wind from %1 degrees (from the tacks)", "風向 %1 度 (タックの向きから)"},
    {NoteKind::kTimeZoneFound, "time zone %1, TD %2", "タイムゾーン %1、TD %2"},
    {NoteKind::kOneBoat, "gun and start line not found: one boat alone shows no fleet starting",
     "スタート時刻とスタートラインが見つかりません: 1 艇だけでは船団のスタートがわかりません"},
    {NoteKind::kNoDeparture, "gun not found: the boats never sailed off together (no movement?)",
     "スタート時刻が見つかりません: 艇がそろって走り出していません (動きがない?)"},
    {NoteKind::kNoMarks, "marks not found: no place where most boats turned together",
     "マークが見つかりません: 多くの艇がそろって曲がった場所がありません"},
    {NoteKind::kNoFinish, "finish line not found: no boat sailed on from the last mark",
     "フィニッシュラインが見つかりません: 最後のマークから先へ走った艇がありません"},
    {NoteKind::kNoTacks, "wind not found: nobody tacked; the first leg's bearing stands in",
     "風向が見つかりません: タックした艇がないため、第1レグの方位を使いました"},
    {NoteKind::kNoTimeZone, "time zone not found: none near the race; TD %1 from the longitude",
     "タイムゾーンが見つかりません: 近くにないため、経度から TD %1 としました"},
    {NoteKind::kWindowCut, "race window: the tracks run on for more than a day; only their first day is used",
     "レース時間: 航跡が1日以上続くため、最初の1日だけを使いました"},
    {NoteKind::kCourseCut, "course: %1 roundings; a race file holds %2, the later ones are left out",
     "コース: 回航が %1 回あります。レースファイルには %2 回までなので、後のものは除きました"},
    {NoteKind::kNoSuchPath, "%1: no such file or folder", "%1: ファイルまたはフォルダがありません"},
    {NoteKind::kTooFewFixes, "%1: skipped: %2 fixes are too few for a boat's track",
     "%1: 読み飛ばしました: 測位 %2 点では艇の航跡として少なすぎます"},
    {NoteKind::kNotATrack, "%1: skipped: %2", "%1: 読み飛ばしました (航跡ではありません): %2"},
    {NoteKind::kNoTrack, "no track among the files given: no race made",
     "指定したファイルに航跡がありません。レースは作っていません"},
    {NoteKind::kSeveralRaces, "the tracks are of %1 different days or places: one race each",
     "航跡は %1 つの異なる日または場所のものです。それぞれ別のレースにしました"},
    {NoteKind::kFleetTooSmall, "%1: %2 track(s) sailing together, a race needs %3: no race made",
     "%1: 一緒に走った航跡が %2 本です。レースには %3 本必要なので、作っていません"},
    {NoteKind::kFleetTooLarge, "%1 tracks sail together; a race holds %2 boats, the rest are left out",
     "%1 本の航跡が一緒に走っています。レースは %2 艇までなので、残りは除きました"},
    {NoteKind::kCannotWrite, "%1", "書き込めませんでした: %1"},
};

}  // namespace

std::string NoteText(const InferenceNote& note, int englishTexts) {
  for (const Wording& wording : kWordings) {
    if (wording.kind == note.kind)
      return race::FillValues(englishTexts > 0 ? wording.english : wording.japanese, note.values);
  }
  return {};
}

}  // namespace inference
