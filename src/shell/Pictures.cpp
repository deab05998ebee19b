// Pictures: JPEG through libjpeg (the program's one named dependency), PNG through Qt.
#include "shell/Pictures.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

// Q_INIT_RESOURCE has to be used outside any namespace.
static void RegisterRegatixResources() {
  Q_INIT_RESOURCE(regatix);
}

namespace shell {

void InitShellResources() {
  RegisterRegatixResources();
}

namespace {

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
  // libjpeg's default handler exits the process; jump back to the decoder instead.
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void QuietJpegMessage(j_common_ptr) {}

QByteArray ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// Decodes into rows the caller owns, or only reads the size when rows is null. Holds nothing that needs a
// destructor, so libjpeg's error jump skips nothing.
bool RunJpeg(const QByteArray& data, unsigned char* rows, qsizetype stride, int* width, int* height) {
  jpeg_decompress_struct info{};
  JpegError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = OnJpegError;
  error.manager.output_message = QuietJpegMessage;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (rows == nullptr) {
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
  } else if (*width == static_cast<int>(info.output_width) &&
             *height == static_cast<int>(info.output_height)) {
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = rows + stride * info.output_scanline;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
  }
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  int width = 0, height = 0;
  if (data.isEmpty() || !RunJpeg(data, nullptr, 0, &width, &height) || width <= 0 || height <= 0) return {};
  QImage image(width, height, QImage::Format_RGB888);
  if (!RunJpeg(data, image.bits(), image.bytesPerLine(), &width, &height)) return {};
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage Picture(const QString& name) {
  if (name == QLatin1String("splash") || name == QLatin1String("logo")) {
    return DecodeJpeg(ReadResource(QStringLiteral(":/regatix/") + name + QStringLiteral(".jpg")));
  }
  return QImage(QStringLiteral(":/regatix/") + name + QStringLiteral(".png"));
}

}  // namespace shell
