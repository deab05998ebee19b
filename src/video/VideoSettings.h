// What a replay video shows and how: the span of race time, the replay speed, the frame rate and the
// picture size, checked against the race before anything is written.
#pragma once

#include <string>

#include "race/RaceStore.h"

namespace video {

inline constexpr int kDefaultVideoWidth = 1280;
inline constexpr int kDefaultVideoHeight = 720;
inline constexpr int kDefaultVideoFps = 25;
inline constexpr double kDefaultVideoSpeed = 10;  // race seconds per second of video
// The smallest picture that still holds the compass, the wind graph and the score panel side by side.
inline constexpr int kMinVideoWidth = 320;
inline constexpr int kMinVideoHeight = 240;
inline constexpr int kMaxVideoSide = 3840;
inline constexpr int kMaxVideoFps = 60;

struct VideoSettings {
  double from = 0;  // race seconds
  double to = 0;
  double speed = kDefaultVideoSpeed;
  int fps = kDefaultVideoFps;
  int width = kDefaultVideoWidth;
  int height = kDefaultVideoHeight;
};

// The whole time line of the race at the default speed, rate and size.
VideoSettings WholeRaceVideo(const race::RaceStore& store);

// Empty when the settings can be filmed for this race, else what is wrong, in words for the user.
std::string CheckVideoSettings(const VideoSettings& settings, const race::RaceStore& store);

// Frames of the video: one every speed / fps race seconds from `from`, until `to`; at least one.
int VideoFrameCount(const VideoSettings& settings);
// Replay time of frame k (0-based).
double VideoFrameTime(const VideoSettings& settings, int k);

}  // namespace video
