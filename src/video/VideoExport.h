// A replay video: the pictures of a span of race time, drawn by the caller, encoded into an MP4 file that
// appears under its name only when complete, so a failed or cancelled export leaves nothing behind.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "video/VideoSettings.h"

namespace video {

// A picture of the settings' size: rows of 32-bit 0xffRRGGBB values, `stride` bytes apart.
struct FramePixels {
  const std::uint8_t* pixels = nullptr;
  int stride = 0;
};

// Draws the picture of replay time t; the pixels must stay valid until the next call.
using DrawFrameAt = std::function<FramePixels(double raceTime)>;
// Told after each frame how many of how many are done; false stops the export.
using VideoProgress = std::function<bool(int done, int total)>;

struct VideoResult {
  std::string error;  // empty when the file was written (or the export cancelled)
  bool cancelled = false;
  int frames = 0;  // frames in the finished file
};

// The settings must have passed CheckVideoSettings.
VideoResult ExportVideo(const std::string& path, const VideoSettings& settings, const DrawFrameAt& draw,
                        const VideoProgress& progress = {});

}  // namespace video
