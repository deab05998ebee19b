// The dots and labels of marks and lines.
#include "view/CourseMarks.h"

#include <algorithm>
#include <cmath>

#include "view/DrawStyle.h"

namespace view {

namespace {

constexpr int kLabelPoints = 9;
constexpr int kLabelLineHeight = 12;  // pixels between two labels at one place
constexpr double kSamePlacePixels = 3;

bool OnAMark(analysis::ChartPoint end, const race::RaceStore& store, const analysis::ChartView& view) {
  for (int i = 1; i <= std::min(store.markCount, race::kMaxMarks); ++i) {
    const analysis::ChartPoint mark = analysis::ProjectToChart(store.markLat[i], store.markLon[i], view);
    if (std::abs(mark.x - end.x) <= kSamePlacePixels && std::abs(mark.y - end.y) <= kSamePlacePixels)
      return true;
  }
  return false;
}

}  // namespace

void DrawMarkDot(Canvas& frame, int x, int y) {
  frame.SetPen(kBlack, 1);
  frame.SetBrush(kYellow);
  frame.Ellipse(x - 4, y - 4, x + 4, y + 4);
}

void DrawCourseLabel(Canvas& frame, Colour seaColour, const std::string& label, int x, int y) {
  frame.SetBrush(seaColour);
  frame.SetFont(FontPixels(kLabelPoints), kRed, false, true);
  frame.TextOut(x + 8, y - 6, label);
}

void DrawLineEndLabel(Canvas& frame, Colour seaColour, const std::string& label, analysis::ChartPoint end,
                      const race::RaceStore& store, const analysis::ChartView& view) {
  const int drop = OnAMark(end, store, view) ? kLabelLineHeight : 0;
  DrawCourseLabel(frame, seaColour, label, end.x, end.y + drop);
}

}  // namespace view
