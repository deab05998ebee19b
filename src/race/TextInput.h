// Reading input text files: bytes decoded to UTF-8 (Shift-JIS when not valid UTF-8), split into numbered lines.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace race {

// Valid UTF-8 is returned unchanged (a leading byte-order mark removed); anything else is taken as
// Shift-JIS (Windows code page 932) and converted. A byte that is not Shift-JIS becomes U+FFFD.
std::string DecodeText(std::string bytes);

// The whole file as decoded text, or nothing when it cannot be opened.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

// Walks decoded text line by line. Lines may end in CR LF, LF or CR; the end is not part of the line.
// A final line without an end is a line; an empty text has no lines. Views point into the text given.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // The next line, or false at the end of the text.
  bool Next(std::string_view& line);
  // 1-based number of the line last returned (0 before the first).
  int lineNumber() const { return lineNumber_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int lineNumber_ = 0;
};

}  // namespace race
