// A KML document written line by line: each line ends in CR LF and goes out through a buffer, so a
// whole-race export of millions of lines costs few stream calls.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace kml {

class KmlWriter {
 public:
  explicit KmlWriter(std::ostream& out);
  ~KmlWriter();
  KmlWriter(const KmlWriter&) = delete;
  KmlWriter& operator=(const KmlWriter&) = delete;

  // Writes one line.
  void Line(std::string_view text);
  // The line being built; End() finishes it.
  std::string& Open() { return buffer_; }
  void End();
  // Hands what is buffered to the stream; false when the stream has failed.
  bool Flush();

 private:
  std::ostream& out_;
  std::string buffer_;
};

}  // namespace kml
