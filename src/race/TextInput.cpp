// Decoding input files to UTF-8 and walking their lines.
#include "race/TextInput.h"

#include <iconv.h>

#include <cerrno>
#include <fstream>

namespace race {
namespace {

bool IsValidUtf8(std::string_view text) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t i = 0;
  while (i < size) {
    // Most input is plain ASCII: skip it eight bytes at a time.
    while (i + 8 <= size) {
      unsigned long long block = 0;
      for (int k = 0; k < 8; ++k) block |= static_cast<unsigned long long>(s[i + k]) << (8 * k);
      if (block & 0x8080808080808080ULL) break;
      i += 8;
    }
    if (i >= size) break;
    const unsigned char c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if ((c & 0xE0) == 0xC0) {
      extra = 1, minimum = 0x80, code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, minimum = 0x800, code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, minimum = 0x10000, code = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= size) return false;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char d = s[i + k];
      if ((d & 0xC0) != 0x80) return false;
      code = (code << 6) | (d & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::string FromShiftJis(const std::string& bytes) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return bytes;
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, outPtr);
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // Not a Shift-JIS character (or cut off at the end): mark it and go on with the next byte.
      out += "\xEF\xBF\xBD";
      ++in;
      --inLeft;
    }
  }
  iconv_close(converter);
  return out;
}

}  // namespace

std::string DecodeText(std::string bytes) {
  if (IsValidUtf8(bytes)) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    return bytes;
  }
  return FromShiftJis(bytes);
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes;
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (!error) {
    // Read straight into the string: track files are large and copying them twice shows.
    bytes.resize(static_cast<std::size_t>(size));
    file.read(bytes.data(), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
  }
  char chunk[1 << 16];  // whatever the size did not announce (a pipe, a growing file)
  while (file.read(chunk, sizeof chunk) || file.gcount() > 0) bytes.append(chunk, file.gcount());
  return DecodeText(std::move(bytes));
}

bool LineReader::Next(std::string_view& line) {
  const std::size_t size = text_.size();
  if (pos_ >= size) return false;
  const char* data = text_.data();
  std::size_t end = pos_;
  while (end < size && data[end] != '\n' && data[end] != '\r') ++end;
  line = text_.substr(pos_, end - pos_);
  pos_ = end + 1;
  if (end < size && data[end] == '\r' && pos_ < size && data[pos_] == '\n') ++pos_;
  ++lineNumber_;
  return true;
}

}  // namespace race
