// A KML document written line by line with CR LF line ends.
#include "export/KmlWriter.h"

namespace kml {
namespace {
constexpr size_t kFlushSize = 1 << 20;
}

KmlWriter::KmlWriter(std::ostream& out) : out_(out) { buffer_.reserve(kFlushSize + 4096); }

KmlWriter::~KmlWriter() { Flush(); }

void KmlWriter::Line(std::string_view text) {
  buffer_ += text;
  End();
}

void KmlWriter::End() {
  buffer_ += "\r\n";
  if (buffer_.size() >= kFlushSize) Flush();
}

bool KmlWriter::Flush() {
  if (!buffer_.empty()) {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }
  return static_cast<bool>(out_);
}

}  // namespace kml
