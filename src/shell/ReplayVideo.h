// The replay as a video: the Track page pictures of a span of race time, as the window would show them
// at that size, with its panels and notices, encoded into an MP4 file.
#pragma once

#include <string>

#include "race/RaceStore.h"
#include "video/VideoExport.h"
#include "view/TrackPagePicture.h"

namespace shell {

// `look` gives north-up, boat labels and boat size; its time and overlays are set for each frame. The
// settings must have passed video::CheckVideoSettings. A QGuiApplication must exist.
video::VideoResult ExportReplayVideo(const std::string& path, const race::RaceStore& store,
                                     const video::VideoSettings& settings, const view::TrackPageRequest& look,
                                     const video::VideoProgress& progress = {});

}  // namespace shell
