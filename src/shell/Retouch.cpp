// Writing the retouch picture, with the reason when the file cannot be made.
#include "shell/Retouch.h"

#include <QFile>
#include <QImageWriter>

namespace shell {

std::string RetouchPath(const std::string& documentsFolder) {
  return documentsFolder + kRetouchFileName;
}

std::string WriteWindowsBitmap(const QImage& picture, const std::string& path) {
  if (picture.isNull()) return "no picture";
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return file.errorString().toStdString();
  QImageWriter writer(&file, "bmp");
  // The canvas keeps an alpha channel the bitmap does not need; 24-bit bitmaps open everywhere.
  if (!writer.write(picture.convertToFormat(QImage::Format_RGB888))) {
    const std::string reason = writer.errorString().toStdString();
    file.remove();
    return reason;
  }
  file.close();
  if (file.error() != QFileDevice::NoError) return file.errorString().toStdString();
  return {};
}

}  // namespace shell
