// The race clock text (a large countdown round the gun, small at the bottom right otherwise) and the
// analog clock of the time of day.
#include <cmath>
#include <cstdio>

#include "race/Numbers.h"
#include "view/DrawStyle.h"
#include "view/FrameRenderer.h"

namespace view {

std::string RaceClockText(double raceTime) {
  int s = std::abs(race::RoundToInt(raceTime));
  if (s < 60) return std::to_string(s);
  std::string text;
  if (s > 3000) {  // hours from 3000 s on, as the clock has always shown them
    text = std::to_string(s / 3600) + ":";
    s %= 3600;
  }
  char rest[16];
  std::snprintf(rest, sizeof rest, "%02d:%02d", s / 60, s % 60);
  return text + rest;
}

void DrawRaceClock(Canvas& frame, double raceTime) {
  const std::string text = RaceClockText(raceTime);
  const bool countdown = -30 <= raceTime && raceTime <= 20;
  const int x = countdown ? race::RoundToInt(frame.Width() / 2.0 - 50)
                          : frame.Width() - 9 * static_cast<int>(text.size()) - 20;
  const int y = countdown ? 10 : frame.Height() - 30;
  frame.SetBrush(raceTime > 0 ? kBlue : kRed);
  frame.SetFont(FontPixels(countdown ? 50 : 15), kWhite, false, true);
  frame.TextOut(x + 5, y + 5, text);
  frame.SetFont(FontPixels(9), kBlack);
}

void DrawAnalogClock(Canvas& frame, double clockSecond, double seaBrightness) {
  const int cx = frame.Width() - 40;
  const int cy = frame.Height() - 65;
  const int v = race::RoundToInt(seaBrightness * 2 + 55);
  frame.SetPen(Rgb(128, 128, 128), 5);
  frame.SetBrush(seaBrightness > 50 ? Rgb(v, v, v) : Rgb(192, 192, 55));
  frame.Ellipse(cx - 30, cy - 30, cx + 30, cy + 30);
  // The turn is 6.28 radians, as the clock has always drawn it.
  auto hand = [&](double a, double length, int width, Colour colour) {
    frame.SetPen(colour, width);
    frame.MoveTo(race::RoundToInt(cx + length * std::sin(a)), race::RoundToInt(cy - length * std::cos(a)));
    frame.LineTo(race::RoundToInt(cx - 3 * std::sin(a)), race::RoundToInt(cy + 3 * std::cos(a)));
  };
  hand(6.28 * clockSecond / 12 / 3600, 18, 4, kBlack);
  hand((clockSecond - race::Int(clockSecond / 3600) * 3600.0) * 6.28 / 3600, 26, 2, Rgb(128, 128, 128));
  hand((clockSecond - race::Int(clockSecond / 24 / 60) * 24.0 * 60) * 6.28 / 60, 27, 1, kRed);
}

}  // namespace view
