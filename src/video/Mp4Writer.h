// An H.264 MP4 file (yuv420p, so every browser and phone plays it) made from 32-bit pictures, one frame
// at a time, through FFmpeg's libraries.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace video {

// Anything the encoder or the file refused; the text says what, for the user.
class VideoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Mp4Writer {
 public:
  // Creates the file at `path` (as it is: the caller picks a temporary name). Throws VideoError.
  Mp4Writer(const std::string& path, int width, int height, int fps);
  ~Mp4Writer();
  Mp4Writer(const Mp4Writer&) = delete;
  Mp4Writer& operator=(const Mp4Writer&) = delete;

  // One picture of width x height pixels, rows of 32-bit values 0xffRRGGBB (bytes B, G, R, x) that lie
  // `stride` bytes apart. Throws VideoError.
  void AddFrame(const std::uint8_t* pixels, int stride);
  // Encodes what is left and completes the file. Throws VideoError.
  void Finish();

 private:
  struct Codec;
  std::unique_ptr<Codec> codec_;
};

}  // namespace video
