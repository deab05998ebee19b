// The race editor's side of the session: the course being edited, its handles on the chart, Save and Cancel.
// Marks and lines are moved in the shown race's store, so the chart shows them where they are dragged;
// Cancel puts the race file's own back.
#include <algorithm>
#include <stdexcept>

#include "analysis/Navigation.h"
#include "inference/RaceSaving.h"
#include "playback/Clock.h"
#include "shell/RaceSession.h"
#include "view/StaticChart.h"

namespace shell {

namespace {

constexpr int kHandleReach = 8;    // pixels from a handle's centre that still take it
constexpr int kNewPlaceStep = 30;  // pixels between new marks (and new lines), so none hides another

TextId ProblemText(inference::CourseProblem problem) {
  switch (problem) {
    case inference::CourseProblem::TimeDifference:
      return TextId::EditBadTd;
    case inference::CourseProblem::WindowOrder:
      return TextId::EditWindowOrder;
    case inference::CourseProblem::WindowTooLong:
      return TextId::EditWindowTooLong;
    case inference::CourseProblem::EmptyCourse:
      return TextId::EditEmptyCourse;
    case inference::CourseProblem::UnknownEntry:
      return TextId::EditUnknownEntry;
    case inference::CourseProblem::TooLong:
    case inference::CourseProblem::None:
      break;
  }
  return TextId::EditTooLong;
}

}  // namespace

analysis::ChartView RaceSession::ChartViewNow() const {
  const view::ViewOptions& options = state_.options;
  if (options.autoTrace) {
    return view::FrameView(state_.frame, state_.mapWidth, state_.mapHeight, options.northUp,
                           Store().windDirection);
  }
  return view::StillView(state_.chartFit, state_.manualView, state_.mapWidth, state_.mapHeight,
                         options.northUp, Store().windDirection);
}

void RaceSession::StartEditing() {
  if (loading_ || !RaceShown()) return;
  if (!editing_) autoTraceBeforeEditing_ = state_.options.autoTrace;
  Stop();
  if (state_.clock.activePage != kTrackPage) ShowPage(kTrackPage);
  // The still chart of the whole race, so every mark is in reach and stays put while it is dragged.
  playback::Effects effects = playback::CheckBox1Click(state_.clock, state_.options, state_.manualView,
                                                       state_.frame, state_.chartFit, false);
  effects.beeps = 0;
  Apply(effects);
  emit optionsChanged();
  // Asked again while editing, only the view goes back to the whole race: the form keeps what it holds.
  if (!editing_) {
    beforeEditing_ = edited_ = inference::CourseOfStore(Store());
    editing_ = true;
    emit editingChanged();
  }
  Redraw();
}

std::vector<QPoint> RaceSession::EditHandles() const {
  std::vector<QPoint> handles;
  if (!editing_) return handles;
  const analysis::ChartView view = ChartViewNow();
  const auto pixel = [&](const inference::LatLon& p) {
    const analysis::ChartPoint at = analysis::ProjectToChart(p.lat, p.lon, view);
    return QPoint(at.x, at.y);
  };
  for (const inference::LatLon& mark : edited_.marks) handles.push_back(pixel(mark));
  for (const inference::LineEnds& line : edited_.lines) {
    handles.push_back(pixel(line.end1));
    handles.push_back(pixel(line.end2));
  }
  return handles;
}

int RaceSession::EditHandleAt(QPoint at) const {
  const std::vector<QPoint> handles = EditHandles();
  for (int h = static_cast<int>(handles.size()) - 1; h >= 0; --h) {
    const QPoint off = handles[h] - at;
    if (std::abs(off.x()) <= kHandleReach && std::abs(off.y()) <= kHandleReach) return h;
  }
  return -1;
}

void RaceSession::MoveEditHandle(int handle, QPoint to) {
  if (!editing_ || handle < 0) return;
  const analysis::Position p = analysis::ChartToPosition(to.x(), to.y(), ChartViewNow());
  const inference::LatLon place{std::clamp(p.lat, -5400.0, 5400.0), std::clamp(p.lon, -10800.0, 10800.0)};
  const int marks = static_cast<int>(edited_.marks.size());
  if (handle < marks) {
    edited_.marks[handle] = place;
  } else {
    const int end = handle - marks;
    if (end / 2 >= static_cast<int>(edited_.lines.size())) return;
    inference::LineEnds& line = edited_.lines[end / 2];
    (end % 2 == 0 ? line.end1 : line.end2) = place;
  }
  inference::PutCourseInStore(edited_, Store());
  Redraw();
  emit courseEdited();
}

void RaceSession::AddEditMark() {
  if (!editing_ || edited_.marks.size() >= static_cast<std::size_t>(race::kMaxMarks)) return;
  const double down = static_cast<double>(edited_.marks.size() % 5 * kNewPlaceStep);
  const analysis::Position middle =
      analysis::ChartToPosition(state_.mapWidth / 2.0, state_.mapHeight / 2.0 + down, ChartViewNow());
  edited_.marks.push_back({middle.lat, middle.lon});
  inference::PutCourseInStore(edited_, Store());
  Redraw();
  emit courseEdited();
}

void RaceSession::AddEditLine() {
  if (!editing_ || edited_.lines.size() >= static_cast<std::size_t>(race::kMaxLines)) return;
  const analysis::ChartView view = ChartViewNow();
  const double quarter = state_.mapWidth / 4.0;
  const double middle =
      state_.mapHeight / 2.0 + static_cast<double>(edited_.lines.size() % 5 * kNewPlaceStep);
  const analysis::Position end1 = analysis::ChartToPosition(quarter * 1.5, middle, view);
  const analysis::Position end2 = analysis::ChartToPosition(quarter * 2.5, middle, view);
  edited_.lines.push_back({{end1.lat, end1.lon}, {end2.lat, end2.lon}});
  inference::PutCourseInStore(edited_, Store());
  Redraw();
  emit courseEdited();
}

bool RaceSession::SaveEdits(inference::RaceCourse formValues) {
  if (!editing_) return false;
  formValues.marks = edited_.marks;
  formValues.lines = edited_.lines;
  if (const auto problem = inference::CheckCourse(formValues); problem != inference::CourseProblem::None) {
    platform_.ShowMessage(Tr(ProblemText(problem)));
    return false;
  }
  inference::SavedRace saved;
  try {
    saved =
        inference::SaveEditedRace(Store().programFolder, Store().raceFilePath, UserRacesFolder(), formValues);
  } catch (const std::exception& error) {
    platform_.ShowMessage(Text(TextId::EditCannotSave, state_.englishTexts, {error.what()}));
    return false;
  }
  EndEditing();
  race::RaceCatalogue& catalogue = state_.catalogue;
  race::BuildRaceList(catalogue, Store().programFolder);
  emit raceListChanged();
  const std::string path = saved.raceFile.generic_string();
  const LoadResult result = LoadRace(path, catalogue.IndexOfPath(Store().programFolder, path));
  if (saved.copied && result == LoadResult::Loaded)
    platform_.ShowMessage(Text(TextId::EditSavedCopy, state_.englishTexts, {path}));
  return true;
}

void RaceSession::CancelEditing() {
  if (!editing_) return;
  EndEditing();
  if (autoTraceBeforeEditing_) {
    SetAutoTrace(true);
  } else {
    Redraw();
  }
}

void RaceSession::EndEditing() {
  inference::PutCourseInStore(beforeEditing_, Store());
  editing_ = false;
  emit editingChanged();
}

}  // namespace shell
