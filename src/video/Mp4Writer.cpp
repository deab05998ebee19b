// Mp4Writer on libavformat (MP4 with its index at the front, so playback starts before the download ends),
// libavcodec (H.264, preferably x264) and libswscale (RGB to BT.709 YUV 4:2:0).
#include "video/Mp4Writer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace video {

namespace {

std::string AvText(int error) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(error, text, sizeof text);
  return text;
}

void Check(int result, const std::string& what) {
  if (result < 0) throw VideoError(what + ": " + AvText(result));
}

}  // namespace

struct Mp4Writer::Codec {
  AVFormatContext* format = nullptr;
  AVCodecContext* encoder = nullptr;
  AVStream* stream = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  SwsContext* scaler = nullptr;
  std::int64_t nextPts = 0;
  bool finished = false;

  ~Codec() {
    sws_freeContext(scaler);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&encoder);
    if (format != nullptr) {
      if (format->pb != nullptr) avio_closep(&format->pb);
      avformat_free_context(format);
    }
  }

  // Hands every packet the encoder has ready to the file.
  void Drain() {
    for (;;) {
      const int received = avcodec_receive_packet(encoder, packet);
      if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
      Check(received, "cannot encode the video");
      av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
      packet->stream_index = stream->index;
      Check(av_interleaved_write_frame(format, packet), "cannot write the video");
    }
  }
};

Mp4Writer::Mp4Writer(const std::string& path, int width, int height, int fps)
    : codec_(std::make_unique<Codec>()) {
  av_log_set_level(AV_LOG_ERROR);  // the encoder's statistics are no news for the user
  Codec& c = *codec_;
  Check(avformat_alloc_output_context2(&c.format, nullptr, "mp4", path.c_str()), "cannot make an MP4 file");
  const AVCodec* h264 = avcodec_find_encoder_by_name("libx264");
  if (h264 == nullptr) h264 = avcodec_find_encoder(AV_CODEC_ID_H264);
  if (h264 == nullptr) throw VideoError("no H.264 encoder in this FFmpeg");
  c.stream = avformat_new_stream(c.format, nullptr);
  c.encoder = avcodec_alloc_context3(h264);
  c.frame = av_frame_alloc();
  c.packet = av_packet_alloc();
  if (c.stream == nullptr || c.encoder == nullptr || c.frame == nullptr || c.packet == nullptr) {
    throw VideoError("out of memory for the video");
  }
  AVCodecContext& e = *c.encoder;
  e.width = width;
  e.height = height;
  e.time_base = AVRational{1, fps};
  e.framerate = AVRational{fps, 1};
  e.pix_fmt = AV_PIX_FMT_YUV420P;
  e.gop_size = 2 * fps;  // a key frame every 2 s, so a player can seek
  e.color_range = AVCOL_RANGE_MPEG;
  e.colorspace = AVCOL_SPC_BT709;
  e.color_primaries = AVCOL_PRI_BT709;
  e.color_trc = AVCOL_TRC_BT709;
  if ((c.format->oformat->flags & AVFMT_GLOBALHEADER) != 0) e.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  // The fastest preset: charts are flat colour and thin lines that it keeps sharp at about 2 Mbit/s for
  // 720p, and it encodes several times faster than the video plays even on a busy machine.
  av_opt_set(e.priv_data, "preset", "ultrafast", 0);
  av_opt_set(e.priv_data, "crf", "20", 0);
  av_opt_set(e.priv_data, "tune", "animation", 0);
  Check(avcodec_open2(c.encoder, h264, nullptr), "cannot start the H.264 encoder");
  Check(avcodec_parameters_from_context(c.stream->codecpar, c.encoder), "cannot describe the video");
  c.stream->time_base = e.time_base;
  c.stream->avg_frame_rate = e.framerate;

  c.frame->format = e.pix_fmt;
  c.frame->width = width;
  c.frame->height = height;
  Check(av_frame_get_buffer(c.frame, 0), "out of memory for the video");
  c.scaler = sws_getContext(width, height, AV_PIX_FMT_BGR0, width, height, AV_PIX_FMT_YUV420P, SWS_POINT,
                            nullptr, nullptr, nullptr);
  if (c.scaler == nullptr) throw VideoError("cannot convert the pictures for the video");
  const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
  sws_setColorspaceDetails(c.scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);

  Check(avio_open(&c.format->pb, path.c_str(), AVIO_FLAG_WRITE), "cannot create the file");
  AVDictionary* options = nullptr;
  av_dict_set(&options, "movflags", "+faststart", 0);
  const int written = avformat_write_header(c.format, &options);
  av_dict_free(&options);
  Check(written, "cannot write the video");
}

Mp4Writer::~Mp4Writer() = default;

void Mp4Writer::AddFrame(const std::uint8_t* pixels, int stride) {
  Codec& c = *codec_;
  if (c.finished) throw VideoError("the video is already complete");
  Check(av_frame_make_writable(c.frame), "out of memory for the video");
  const std::uint8_t* const source[] = {pixels};
  const int sourceStride[] = {stride};
  sws_scale(c.scaler, source, sourceStride, 0, c.encoder->height, c.frame->data, c.frame->linesize);
  c.frame->pts = c.nextPts++;
  Check(avcodec_send_frame(c.encoder, c.frame), "cannot encode the video");
  c.Drain();
}

void Mp4Writer::Finish() {
  Codec& c = *codec_;
  if (c.finished) return;
  c.finished = true;
  Check(avcodec_send_frame(c.encoder, nullptr), "cannot encode the video");
  c.Drain();
  Check(av_write_trailer(c.format), "cannot write the video");
  Check(avio_closep(&c.format->pb), "cannot write the video");
}

}  // namespace video
