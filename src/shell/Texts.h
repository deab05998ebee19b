// Every text the windows show, in English and Japanese, kept in one table so a language switch and a
// new text touch one place.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

namespace shell {

enum class TextId {
  // Captions switched by the language choice.
  Label1,
  Label5,
  GroupBox1,
  RadioN,
  RadioW,
  chkAutoNext,
  Button4,
  RadioButton1,
  RadioButton2,
  RadioButton3,
  CheckBox1,
  chkLL,
  ChkRefLine,
  CheckBox2,
  ChkBigBoat,
  chkHint,
  Button2,
  Button5,
  // Captions that read the same in both languages.
  Label2,
  Label3,
  GroupBox2,
  GroupBox4,
  CheckBox3,
  Button1,
  Button3,
  btnHELP,
  pnlDIR,
  // Messages.
  AlreadyShown,
  GpsFileNotExists,
  AutoNextGoesOn,
  // Progress display.
  Loading,
  // Tips of the controls (lines separated by CR LF).
  TipAutoNext,
  TipShow,
  TipBigBoat,
  TipAttachment,
  TipGoogleEarth,
  TipHelp,
  TipWindGraph,
  // Tips of the chart, the time bar and the boat list; %1 is the moment or the boat's name.
  TipManualView,
  TipRedWakes,
  TipTimeBar,
  TipFocusAll,
  TipFocusBoat,
  // The range and bearing read-out before a base point is set.
  ClickBasePoint,
  // The logo tip: the maker's notice and the words around the web site's address.
  LogoNotice1,
  LogoNotice2,
  LogoLinkBefore,
  LogoLinkAfter,
  // The globe viewer export's question.
  HideUnfocusedQuestion,
  // Files that could not be written (picture, globe viewer file, report); %1 is the path, %2 the reason.
  CannotWriteFile,
  ReportNotWritten,
  // The share menu under HELP: the replay video and the race with time.
  ShareButton,
  VideoCommand,
  RaceWithTimeCommand,
  VideoTitle,
  VideoFrom,
  VideoTo,
  VideoSpeed,
  VideoFps,
  VideoSize,
  VideoFileFilter,
  VideoWriting,
  VideoCancel,
  VideoCannotMake,  // %1 what is wrong
  // Open tracks: the button, the dialog and its filter, and what came of it (%1 the maker's lines).
  OpenTracksButton,
  OpenTracksTitle,
  OpenTracksFilter,
  NoRaceMade,
  RaceMadeNotes,
  // The list of what a load found worth checking: its caption and its button.
  LoadWarningsTitle,
  LoadWarningsClose,
  // After a boat's name in the boat list and the score panel: %1 the course points it missed.
  MissedPoints,
  // The boat list in race order: its switch, its header, the gap column's units and a finished boat.
  chkRank,
  RankHeader,
  GapSeconds,
  GapFinished,
  // The wakes' and the Graph page's options; %1 the seconds of a smoothing choice.
  chkTacks,
  chkSpeedTail,
  chkLongTail,
  lblSmooth,
  SmoothOff,
  SmoothSeconds,
  // The wind graph's reading under the pointer: %1 time of day, %2 knots, %3 degrees.
  WindReading,
  // The race editor: its button, its form, what it refuses (and why), where a copy went (%1 the race file)
  // and a race made from tracks that did not show everything (%1 what was not found).
  EditRaceButton,
  EditorTitle,
  EditorHint,
  EditorGun,
  EditorFinish,
  EditorTd,
  EditorCourse,
  EditorAdd,
  EditorRemove,
  EditorUp,
  EditorDown,
  EditorNewMark,
  EditorNewLine,
  EditorSave,
  EditorCancel,
  EditBadTime,
  EditBadTd,
  EditWindowOrder,
  EditWindowTooLong,
  EditEmptyCourse,
  EditUnknownEntry,
  EditTooLong,
  EditCannotSave,
  EditSavedCopy,
  EditIncompleteRace,
};

struct TextEntry {
  TextId id;
  const char* english;
  const char* japanese;
};

// The whole table, one entry per id in the order of TextId.
std::span<const TextEntry> TextTable();

// englishTexts above 0 selects English, 0 Japanese.
std::string Text(TextId id, int englishTexts);

// The text with %1, %2 ... replaced by the arguments in order.
std::string Text(TextId id, int englishTexts, std::initializer_list<std::string> arguments);

}  // namespace shell
