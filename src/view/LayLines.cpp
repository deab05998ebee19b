// Lay lines: a boat on the line at w + A - 180 that sails to the point heads w + A, at true wind angle A.
#include "view/LayLines.h"

#include "analysis/Navigation.h"
#include "race/Numbers.h"

namespace view {

double ScreenWindDirection(int windTrueDirNow, bool northUp, int windDirection) {
  double w = northUp ? windTrueDirNow : windTrueDirNow - windDirection;
  if (w < 0) w += 360;
  return w;
}

void DrawLayLines(Canvas& canvas, const race::RaceStore& store, double x, double y, int windTrueDirNow,
                  bool northUp) {
  const double w = ScreenWindDirection(windTrueDirNow, northUp, store.windDirection);
  const struct {
    double angle;
    Colour colour;
  } lines[] = {
      {w + 180, store.windAxisColour},
      {w, store.windAxisColour},
      {w + store.layAngle1 - 180, store.layColourPort},
      {w - store.layAngle1 + 180, store.layColourStarboard},
      {w + store.layAngle2 - 180, store.layColourPort},
      {w - store.layAngle2 + 180, store.layColourStarboard},
  };
  const int fromX = race::RoundToInt(x);
  const int fromY = race::RoundToInt(y);
  for (const auto& line : lines) {
    const analysis::Offset r = analysis::PolarOffset(line.angle);
    canvas.SetPen(line.colour, 1, PenStyle::Dot);
    canvas.MoveTo(fromX, fromY);
    canvas.LineTo(race::RoundToInt(x + r.x), race::RoundToInt(y + r.y));
  }
  canvas.SetPen(store.layColourStarboard, 1, PenStyle::Solid);
}

}  // namespace view
