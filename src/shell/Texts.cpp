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
    {TextId::AutoNextGoesOn, "AutoNext goes on to the next race that loads.",
     "自動切換で読み込める次のレースに進みます。"},
    {TextId::Loading, "LOADING  ", "LOADING  "},
    {TextId::TipAutoNext, "Auto changer on/off", "ファイルを順次自動切換えします"},
    {TextId::TipShow, "Choose race file at left box\r\nthen click here to show it.",
     "左のボックスでレースを選び\r\nこのボタンでそれを表示します"},
    {TextId::TipBigBoat, "Enlarge Minimum Boat Size", "表示艇の最小サイズ拡大"},
    {TextId::TipAttachment, "Show following attachment file", "下記の添付ファイルを表示します"},
    {TextId::TipGoogleEarth,
     "    Show Google Earth\r\nLeft Button => Present Scene\r\nRight Button => All Race\r\n(△Button to "
     "Restart)",
     "  Google Earthを表示します\r\n左ｸﾘｯｸ → 現在表示中のシーン\r\n右ｸﾘｯｸ → 全レース\r\n"
     "(再開するには△ボタンを押してください)"},
    {TextId::TipHelp, "    Show Help", "  HELPを表示します"},
    {TextId::TipWindGraph, "TWD graph can be ON/OFF when click map.",
     "地図画面をクリックすると風向グラフ表示をON/OFFできます"},
    {TextId::TipManualView,
     "Left Button => Enlarge Map.\r\nRight Button => Shrink Map\r\n(Click point is a center of map)\r\n"
     "\r\nShift Key to be Range & Bearing Measuring Mode\r\nMouseDown to Set Base Point and Move to\r\n"
     "Indicate Range and Bearing to New Point",
     "左ｸﾘｯｸでｸﾘｯｸした点を中心に地図が拡大\r\n右ｸﾘｯｸで縮小します\r\n\r\n"
     "Shiftを押している間は距離方位計測ﾓｰﾄﾞになります\r\nｸﾘｯｸすると基点が設定され､マウスを移動すると\r\n"
     "移動した地点までの距離、方位を表示します"},
    {TextId::TipRedWakes, "Red wake boats are faster boats", "平均速度より速い艇の航跡が赤字で表示されます"},
    {TextId::TipTimeBar,
     "Click to change the time.\r\n(%1)\r\n(White zone = UpWind   )\r\n(Gray zone   = DownWind )",
     "クリックで時間を瞬時に変更します\r\n(白はUpWind、灰色はDownWind )\r\n(%1)"},
    {TextId::TipFocusAll, "Left Button => Focus All Boats.", "左ｸﾘｯｸで全艇にﾁｪｯｸが入ります"},
    {TextId::TipFocusBoat,
     "Checked boats are focused.\r\nUnchecked boats are out of focus.\r\n\r\nR-Click to focus only %1",
     "ﾁｪｯｸの入った艇がﾌｫｰｶｽされます。\r\n右ｸﾘｯｸで%1\r\nのみ残して他全艇のﾌｫｰｶｽを外します。\r\n\r\n"
     "SHIFT+左ｸﾘｯｸで１艇のみ常時強調表示します\r\n(再度SHIFT+左ｸﾘｯｸで強調表示を解除)"},
    {TextId::ClickBasePoint, "Click to set base point", "基点の位置をクリック"},
    {TextId::LogoNotice1, "(C) 2026 Regatix team", "(C) 2026 Regatix開発チーム"},
    {TextId::LogoNotice2, "Free for sailing clubs", "ヨットクラブは無償で利用可"},
    {TextId::LogoLinkBefore, "<link to ", "<ｸﾘｯｸ=>"},
    {TextId::LogoLinkAfter, ">", "にﾘﾝｸ>"},
    {TextId::HideUnfocusedQuestion, "Hide Unfocused Boat ?",
     "フォーカスの外れた艇を隠しますか？\n（いいえの場合はフォーカスの外れた艇を細線で表示します）"},
    {TextId::CannotWriteFile, "Cannot write %1: %2", "%1 に書き込めません: %2"},
    {TextId::ReportNotWritten, "The report could not be written:\r\n%1\r\n%2",
     "レポートを書き込めませんでした:\r\n%1\r\n%2"},
    {TextId::ShareButton, "Share", "共有"},
    {TextId::VideoCommand, "Video...", "ビデオ..."},
    {TextId::RaceWithTimeCommand, "Google Earth: race with time", "Google Earth: 時間付きレース"},
    {TextId::VideoTitle, "Video of the replay", "リプレイのビデオ"},
    {TextId::VideoFrom, "From (race seconds)", "開始 (スタートからの秒)"},
    {TextId::VideoTo, "To (race seconds)", "終了 (スタートからの秒)"},
    {TextId::VideoSpeed, "Speed", "速度"},
    {TextId::VideoFps, "Frames per second", "毎秒のフレーム数"},
    {TextId::VideoSize, "Size", "サイズ"},
    {TextId::VideoFileFilter, "MP4 video (*.mp4)", "MP4 ビデオ (*.mp4)"},
    {TextId::VideoWriting, "Writing the video...", "ビデオを書き出しています..."},
    {TextId::VideoCancel, "Cancel", "キャンセル"},
    {TextId::VideoCannotMake, "Cannot make the video: %1", "ビデオを作れません: %1"},
    {TextId::OpenTracksButton, "Open tracks...", "航跡を開く..."},
    {TextId::OpenTracksTitle, "Open tracks: GPX, NMEA or text tracks of every boat",
     "航跡を開く: 各艇の GPX・NMEA・テキスト航跡"},
    {TextId::OpenTracksFilter, "Tracks (*.gpx *.nmea *.nme *.txt);;All files (*)",
     "航跡 (*.gpx *.nmea *.nme *.txt);;すべてのファイル (*)"},
    {TextId::NoRaceMade, "No race could be made from these files; nothing was written.\r\n\r\n%1",
     "これらのファイルからレースを作れませんでした。何も書き込んでいません。\r\n\r\n%1"},
    {TextId::RaceMadeNotes, "The race was made and is shown. Please check:\r\n\r\n%1",
     "レースを作成して表示しました。次の点を確かめてください:\r\n\r\n%1"},
    {TextId::LoadWarningsTitle, "Check before trusting the results", "結果を見る前に確かめてください"},
    {TextId::LoadWarningsClose, "Close", "閉じる"},
    {TextId::MissedPoints, " (missed %1)", " (%1 未通過)"},
    {TextId::chkRank, "Race order", "順位順"},
    {TextId::RankHeader, "     Boat Name          Gap to leader (at last mark)",
     "       艇　名          　  トップとの差 (前マーク)"},
    {TextId::GapSeconds, "s", "秒"},
    {TextId::GapFinished, "Finished", "フィニッシュ"},
    {TextId::chkTacks, "Tack/Gybe", "タック等"},
    {TextId::chkSpeedTail, "Speed Tail", "艇速航跡"},
    {TextId::chkLongTail, "Long Tail", "長い航跡"},
    {TextId::lblSmooth, "Graph smoothing", "グラフ平滑化"},
    {TextId::SmoothOff, "Off", "なし"},
    {TextId::SmoothSeconds, "%1 s", "%1秒"},
    {TextId::WindReading, "%1\n%2 kn  %3°", "%1\n%2ﾉｯﾄ  %3°"},
    {TextId::EditRaceButton, "Edit race...", "レース編集..."},
    {TextId::EditorTitle, "Edit race", "レースの編集"},
    {TextId::EditorHint, "Drag the marks and the line ends on the chart.",
     "マークとラインの端はチャート上でドラッグして動かします。"},
    {TextId::EditorGun, "Gun (start)", "スタート時刻"},
    {TextId::EditorFinish, "Window end", "終了時刻"},
    {TextId::EditorTd, "TD (hours from GPS time)", "時差 TD (GPSとの差・時間)"},
    {TextId::EditorCourse, "Course in sailing order", "コース (帆走順)"},
    {TextId::EditorAdd, "Add", "追加"},
    {TextId::EditorRemove, "Remove", "削除"},
    {TextId::EditorUp, "Up", "上へ"},
    {TextId::EditorDown, "Down", "下へ"},
    {TextId::EditorNewMark, "New mark", "新しいマーク"},
    {TextId::EditorNewLine, "New line", "新しいライン"},
    {TextId::EditorSave, "Save", "保存"},
    {TextId::EditorCancel, "Cancel", "キャンセル"},
    {TextId::EditBadTime, "\"%1\" is no date and time. Write it as 2024/05/11 10:00:00; nothing was saved.",
     "「%1」は日時として読めません。2024/05/11 10:00:00 の形で書いてください。保存していません。"},
    {TextId::EditBadTd, "TD must be a whole number of hours from -24 to 24; nothing was saved.",
     "時差 TD は -24 から 24 までの整数 (時間) にしてください。保存していません。"},
    {TextId::EditWindowOrder, "The window end must come after the gun; nothing was saved.",
     "終了時刻はスタート時刻より後にしてください。保存していません。"},
    {TextId::EditWindowTooLong, "The window end must lie within 7 days of the gun; nothing was saved.",
     "終了時刻はスタートから7日以内にしてください。保存していません。"},
    {TextId::EditEmptyCourse,
     "The course is empty: add the start line, the marks in sailing order and the finish line; nothing was "
     "saved.",
     "コースが空です。スタートライン、帆走順のマーク、フィニッシュラインを追加してください。保存していません"
     "。"},
    {TextId::EditUnknownEntry, "The course names a mark or line the race does not have; nothing was saved.",
     "コースにこのレースにないマークまたはラインがあります。保存していません。"},
    {TextId::EditTooLong, "A race holds at most 19 course entries, 20 marks and 10 lines; nothing was saved.",
     "コースは19項目、マークは20個、ラインは10本までです。保存していません。"},
    {TextId::EditCannotSave, "The race could not be saved; the race file is as it was.\r\n\r\n%1",
     "レースを保存できませんでした。レースファイルは元のままです。\r\n\r\n%1"},
    {TextId::EditSavedCopy,
     "This race came with the program, so your changes were saved as a race of your own, now in the race "
     "list:\r\n\r\n%1",
     "このレースはプログラム付属のため、変更は自分のレースとして保存し、レース一覧に加えました:\r\n\r\n%1"},
    {TextId::EditIncompleteRace,
     "The race was made, but the tracks did not show everything. What was found and what was "
     "not:\r\n\r\n%1\r\n\r\nThe editor is open: drag "
     "the marks and lines into place, check the gun and the course, then Save.",
     "レースを作成しましたが、航跡から分からなかった点があります。分かったことと分からなかったこと:\r\n\r\n%"
     "1\r\n\r\n編集画面を開きました。"
     "マークとラインを正しい位置へドラッグし、スタート時刻とコースを確かめてから保存してください。"},
};

}  // namespace

std::span<const TextEntry> TextTable() {
  return kTexts;
}

std::string Text(TextId id, int englishTexts) {
  const TextEntry& entry = kTexts[static_cast<int>(id)];
  return englishTexts > 0 ? entry.english : entry.japanese;
}

std::string Text(TextId id, int englishTexts, std::initializer_list<std::string> arguments) {
  const std::string pattern = Text(id, englishTexts);
  std::string text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const size_t n = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - '1') : arguments.size();
    if (pattern[i] == '%' && n < arguments.size()) {
      text += *(arguments.begin() + n);  // arguments are not scanned again, so a '%' in a path stays
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace shell
