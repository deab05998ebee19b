// Reading input text files line by line with bounded memory: bytes decoded to UTF-8 as they are read.
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <istream>
#include <string>
#include <string_view>

namespace race {

// No line of any input form comes near this; a longer one is damage (or an attack on memory).
inline constexpr std::size_t kMaxLineBytes = 1 << 16;

// Opens path for reading. False, with problem set ("Permission denied" ...), when it cannot be opened.
bool OpenInput(std::ifstream& in, const std::filesystem::path& path, std::string& problem);

// Walks a text line by line, holding only a chunk of it at a time. Lines may end in CR LF, LF or CR; the end
// is not part of the line. A final line without an end is a line; an empty text has no lines.
//
// Decoding: a text that is valid UTF-8 as a whole stays as it is (a leading byte-order mark removed); any
// other text is Shift-JIS (Windows code page 932), and a byte that is not Shift-JIS becomes U+FFFD. A text
// starting with a UTF-16 byte-order mark is UTF-16 (little or big endian), as Windows editors save it.
//
// Next throws InputError naming file and line for a line longer than kMaxLineBytes or a failing read.
class TextLines {
 public:
  TextLines(std::istream& in, std::string file);
  ~TextLines();
  TextLines(const TextLines&) = delete;
  TextLines& operator=(const TextLines&) = delete;

  // The next line, valid until the next call; false at the end of the text.
  bool Next(std::string_view& line);
  // 1-based number of the line last returned (0 before the first).
  int lineNumber() const { return lineNumber_; }
  // The input's name in messages.
  const std::string& file() const { return file_; }

 private:
  enum class Encoding { kUndecided, kUtf8, kShiftJis, kUtf16Le, kUtf16Be };

  void Fill();
  void TakeByteOrderMark();
  void AppendUtf16();
  void DecideEncoding();
  std::string_view Decoded(std::string_view line);

  std::istream& in_;
  std::string file_;
  std::string buffer_;  // bytes read: those not yet returned are pos_ .. size_
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  std::size_t scanned_ = 0;  // bytes after pos_ known to hold no line end
  bool end_ = false;         // the input has no more bytes
  bool started_ = false;
  int lineNumber_ = 0;
  Encoding encoding_ = Encoding::kUndecided;
  std::string utf16Carry_;     // UTF-16 bytes read and not yet converted
  std::string decoded_;        // a Shift-JIS line converted
  void* converter_ = nullptr;  // iconv handle of Shift-JIS or UTF-16
};

}  // namespace race
