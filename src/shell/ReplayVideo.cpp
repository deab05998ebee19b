// ExportReplayVideo: the chart fitted to the video's size, each frame drawn by TrackPageFrames.
#include "shell/ReplayVideo.h"

#include "analysis/ChartFit.h"
#include "playback/WindowOverlays.h"
#include "shell/TrackPageFrames.h"

namespace shell {

video::VideoResult ExportReplayVideo(const std::string& path, const race::RaceStore& store,
                                     const video::VideoSettings& settings, const view::TrackPageRequest& look,
                                     const video::VideoProgress& progress) {
  TrackPageFrames frames(store, analysis::FitChart(store, settings.width, settings.height));
  view::TrackPageRequest request = look;
  request.manual = false;  // a video follows the fleet
  const auto draw = [&](double raceTime) {
    request.at = raceTime;
    request.overlays = playback::WindowOverlaysAt(store, raceTime);
    const QImage& picture = frames.Draw(request);
    return video::FramePixels{picture.constBits(), static_cast<int>(picture.bytesPerLine())};
  };
  return video::ExportVideo(path, settings, draw, progress);
}

}  // namespace shell
