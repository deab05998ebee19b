// The boat list ticker, refreshed once a second so the numbers stay readable: speed bars, true wind
// angles, and the fleet means that decide which wakes are drawn red.
#include <cmath>

#include "playback/BoatList.h"
#include "race/Numbers.h"

namespace playback {

std::string TwaText(double twa) {
  const std::string text = "   " + std::to_string(race::RoundToInt(-twa));
  return text.substr(text.size() - 4);
}

std::vector<TickerRow> UpdateTicker(view::Playback& playback, const view::FrameState& frame,
                                    const race::RaceStore& store) {
  std::vector<TickerRow> rows(static_cast<size_t>(store.boatCount) + 1);
  double upwindSum = 0, downwindSum = 0;
  int upwindCount = 0, downwindCount = 0;
  for (int b = 1; b <= store.boatCount && b < static_cast<int>(frame.boatActive.size()); ++b) {
    const double speed = frame.curSpeed[b];
    if (frame.boatActive[b] > 0) {
      const double scale = store.maxBoatSpeed > 0 ? store.maxBoatSpeed : 1;
      rows[b].barWidth = race::RoundToInt(100 * speed / scale);
      rows[b].speedText = race::FormatGeneral(speed).substr(0, 4);
      rows[b].twaText = TwaText(frame.curTwa[b]);
    }
    // Only boats under way: a finished boat keeps its last speed, which is no longer racing.
    if (frame.boatActive[b] > 0 && speed > 0) {
      if (std::abs(frame.curTwa[b]) < 90) {
        upwindSum += speed;
        ++upwindCount;
      } else {
        downwindSum += speed;
        ++downwindCount;
      }
    }
  }
  playback.upwindMeanSpeed = upwindCount > 0 ? upwindSum / upwindCount : 10000;
  playback.downwindMeanSpeed = downwindCount > 0 ? downwindSum / downwindCount : 10000;
  return rows;
}

}  // namespace playback
