// Checking a video's settings and placing its frames in race time.
#include "video/VideoSettings.h"

#include <algorithm>
#include <cmath>

#include "race/Numbers.h"

namespace video {

VideoSettings WholeRaceVideo(const race::RaceStore& store) {
  VideoSettings settings;
  settings.from = store.timelineStart;
  settings.to = store.timelineEnd;
  return settings;
}

std::string CheckVideoSettings(const VideoSettings& s, const race::RaceStore& store) {
  const auto seconds = [](double t) { return race::FormatGeneral(t) + " s"; };
  if (!std::isfinite(s.from) || !std::isfinite(s.to) || s.from < store.timelineStart ||
      s.to > store.timelineEnd) {
    return "the span " + seconds(s.from) + " to " + seconds(s.to) + " lies outside the race (" +
           seconds(store.timelineStart) + " to " + seconds(store.timelineEnd) + ")";
  }
  if (!(s.from < s.to)) return "the span " + seconds(s.from) + " to " + seconds(s.to) + " is empty";
  if (!std::isfinite(s.speed) || s.speed <= 0)
    return "the speed must be above 0, not " + race::FormatGeneral(s.speed);
  if (s.fps < 1 || s.fps > kMaxVideoFps) {
    return "the frame rate must lie between 1 and " + std::to_string(kMaxVideoFps) + ", not " +
           std::to_string(s.fps);
  }
  const std::string size = std::to_string(s.width) + "x" + std::to_string(s.height);
  if (s.width < kMinVideoWidth || s.height < kMinVideoHeight) {
    return "the size " + size + " is too small (at least " + std::to_string(kMinVideoWidth) + "x" +
           std::to_string(kMinVideoHeight) + ")";
  }
  if (s.width > kMaxVideoSide || s.height > kMaxVideoSide) {
    return "the size " + size + " is too large (at most " + std::to_string(kMaxVideoSide) + " a side)";
  }
  // H.264 in 4:2:0 halves the colour planes both ways.
  if (s.width % 2 != 0 || s.height % 2 != 0)
    return "the size " + size + " is odd: width and height must be even";
  return {};
}

int VideoFrameCount(const VideoSettings& s) {
  const double frames = std::floor((s.to - s.from) / s.speed * s.fps + 1e-9);
  return static_cast<int>(std::clamp(frames, 1.0, 1e8));
}

double VideoFrameTime(const VideoSettings& s, int k) {
  return s.from + k * s.speed / s.fps;
}

}  // namespace video
