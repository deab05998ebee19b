// The export loop: a frame for each step of replay time, into a part file renamed at the end.
#include "video/VideoExport.h"

#include "race/PartFile.h"
#include "video/Mp4Writer.h"

namespace video {

VideoResult ExportVideo(const std::string& path, const VideoSettings& settings, const DrawFrameAt& draw,
                        const VideoProgress& progress) {
  VideoResult result;
  race::PartFile part(path);
  try {
    Mp4Writer writer(part.path(), settings.width, settings.height, settings.fps);
    const int total = VideoFrameCount(settings);
    for (int k = 0; k < total; ++k) {
      const FramePixels frame = draw(VideoFrameTime(settings, k));
      writer.AddFrame(frame.pixels, frame.stride);
      if (progress && !progress(k + 1, total)) {
        result.cancelled = true;
        return result;  // the part file goes with `part`
      }
    }
    writer.Finish();
    result.frames = total;
  } catch (const VideoError& e) {
    result.error = e.what();
    return result;
  }
  result.error = part.Commit();
  if (!result.error.empty()) result.frames = 0;
  return result;
}

}  // namespace video
