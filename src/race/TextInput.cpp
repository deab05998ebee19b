// Reading input text files line by line, decoding to UTF-8 as they are read.
#include "race/TextInput.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "race/ByteSearch.h"
#include "race/InputError.h"

namespace race {
namespace {

constexpr std::size_t kChunkBytes = 1 << 18;
constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

bool HasHighByte(const char* data, std::size_t size) {
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    unsigned long long block;
    std::memcpy(&block, data + i, 8);
    if (block & 0x8080808080808080ULL) return true;
  }
  for (; i < size; ++i) {
    if (static_cast<unsigned char>(data[i]) >= 0x80) return true;
  }
  return false;
}

// The first CR or LF of data[from..size), or size. Eight bytes at a time: track files are millions of lines.
std::size_t FindLineEnd(const char* data, std::size_t from, std::size_t size) {
  std::size_t i = from;
  for (; i + 8 <= size; i += 8) {
    const unsigned long long block = LoadEightBytes(data + i);
    if (ByteMatches(block, '\n') | ByteMatches(block, '\r')) break;
  }
  while (i < size && data[i] != '\n' && data[i] != '\r') ++i;
  return i;
}

// Checks text as UTF-8. Returns false at an invalid byte; otherwise true with complete set to the bytes
// before a sequence the text's end cuts off (the caller carries those into the next piece).
bool ScanUtf8(std::string_view text, std::size_t& complete) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t i = 0;
  while (i < size) {
    // Most input is plain ASCII: skip it eight bytes at a time.
    while (i + 8 <= size && !HasHighByte(text.data() + i, 8)) i += 8;
    if (i >= size) break;
    const unsigned char c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra = 0;
    unsigned minimum = 0, code = 0;
    if ((c & 0xE0) == 0xC0) {
      extra = 1, minimum = 0x80, code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, minimum = 0x800, code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, minimum = 0x10000, code = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= size) {
      complete = i;
      return true;
    }
    for (int k = 1; k <= extra; ++k) {
      const unsigned char d = s[i + k];
      if ((d & 0xC0) != 0x80) return false;
      code = (code << 6) | (d & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  complete = size;
  return true;
}

// Converts with an iconv handle, appending to out. A sequence that does not convert becomes U+FFFD and
// the input goes on after unitBytes; with keepCut, a sequence cut off at the end is left in `in`.
void Reencode(iconv_t converter, std::string_view& in, std::string& out, std::size_t unitBytes,
              bool keepCut) {
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  char* from = const_cast<char*>(in.data());
  std::size_t fromLeft = in.size();
  char buffer[4096];
  while (fromLeft > 0) {
    char* to = buffer;
    std::size_t toLeft = sizeof buffer;
    const std::size_t result = iconv(converter, &from, &fromLeft, &to, &toLeft);
    const int error = errno;
    out.append(buffer, to);
    if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    if (error == EINVAL && keepCut) break;
    out += kReplacement;
    const std::size_t skip = std::min(unitBytes, fromLeft);
    from += skip;
    fromLeft -= skip;
  }
  in = std::string_view(from, fromLeft);
}

}  // namespace

bool OpenInput(std::ifstream& in, const std::filesystem::path& path, std::string& problem) {
  errno = 0;
  in.open(path, std::ios::binary);
  if (in.is_open()) return true;
  problem = errno != 0 ? std::strerror(errno) : "cannot be opened";
  return false;
}

TextLines::TextLines(std::istream& in, std::string file) : in_(in), file_(std::move(file)) {}

TextLines::~TextLines() {
  if (converter_) iconv_close(static_cast<iconv_t>(converter_));
}

bool TextLines::Next(std::string_view& line) {
  for (;;) {
    const char* data = buffer_.data();
    const std::size_t size = size_;
    const std::size_t end = FindLineEnd(data, pos_ + scanned_, size);
    // A CR at the buffer's end may be the first half of CR LF: read on before deciding.
    const bool lineEnds = end < size && (data[end] == '\n' || end + 1 < size || end_);
    if (lineEnds || (end_ && pos_ < size)) {
      if (end - pos_ > kMaxLineBytes) {
        throw InputError(file_, lineNumber_ + 1,
                         "line longer than " + std::to_string(kMaxLineBytes) + " bytes");
      }
      line = std::string_view(data + pos_, end - pos_);
      pos_ = end + 1;
      if (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n') ++pos_;
      if (pos_ > size) pos_ = size;
      scanned_ = 0;
      ++lineNumber_;
      line = Decoded(line);
      return true;
    }
    if (end_) return false;
    scanned_ = end - pos_;
    if (scanned_ > kMaxLineBytes) {
      throw InputError(file_, lineNumber_ + 1,
                       "line longer than " + std::to_string(kMaxLineBytes) + " bytes");
    }
    Fill();
  }
}

void TextLines::Fill() {
  // The unread rest moves to the front. The buffer keeps its size (and the bytes past size_ their
  // contents): track files are large, and clearing or copying them twice shows.
  std::memmove(buffer_.data(), buffer_.data() + pos_, size_ - pos_);
  size_ -= pos_;
  pos_ = 0;
  const std::size_t before = size_;
  if (encoding_ == Encoding::kUtf16Le || encoding_ == Encoding::kUtf16Be) {
    const std::size_t carried = utf16Carry_.size();
    utf16Carry_.resize(carried + kChunkBytes);
    in_.read(utf16Carry_.data() + carried, static_cast<std::streamsize>(kChunkBytes));
    utf16Carry_.resize(carried + static_cast<std::size_t>(in_.gcount()));
  } else {
    if (buffer_.size() < size_ + kChunkBytes) buffer_.resize(size_ + kChunkBytes);
    in_.read(buffer_.data() + size_, static_cast<std::streamsize>(kChunkBytes));
    size_ += static_cast<std::size_t>(in_.gcount());
  }
  if (in_.bad()) throw InputError(file_, lineNumber_ + 1, "cannot read the file");
  if (!in_) end_ = true;
  if (!started_) {
    started_ = true;
    TakeByteOrderMark();
  }
  if (encoding_ == Encoding::kUtf16Le || encoding_ == Encoding::kUtf16Be) return AppendUtf16();
  // Until the first byte above ASCII both decodings read alike; that byte decides for the whole text.
  const std::size_t fresh = std::max(before, pos_);  // the bytes read now, less a byte-order mark
  if (encoding_ == Encoding::kUndecided && HasHighByte(buffer_.data() + fresh, size_ - fresh)) {
    DecideEncoding();
  }
}

void TextLines::TakeByteOrderMark() {
  const std::string_view start(buffer_.data(), size_);
  if (start.starts_with("\xEF\xBB\xBF")) {
    pos_ = 3;
  } else if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
    encoding_ = start[0] == '\xFF' ? Encoding::kUtf16Le : Encoding::kUtf16Be;
    utf16Carry_ = start.substr(2);
    size_ = 0;
    converter_ = iconv_open("UTF-8", encoding_ == Encoding::kUtf16Le ? "UTF-16LE" : "UTF-16BE");
    if (converter_ == kNoConverter) {
      converter_ = nullptr;
      throw InputError(file_, 1, "UTF-16 text cannot be read here: save the file as UTF-8");
    }
  }
}

void TextLines::AppendUtf16() {
  std::string_view rest = utf16Carry_;
  std::string converted;
  Reencode(static_cast<iconv_t>(converter_), rest, converted, 2, !end_);
  utf16Carry_.erase(0, utf16Carry_.size() - rest.size());
  if (buffer_.size() < size_ + converted.size()) buffer_.resize(size_ + converted.size());
  std::memcpy(buffer_.data() + size_, converted.data(), converted.size());
  size_ += converted.size();
}

void TextLines::DecideEncoding() {
  // The bytes before pos_ were plain ASCII; the rest of the buffer and of the input decide.
  std::string pending(buffer_.data() + pos_, size_ - pos_);
  bool valid = true;
  const std::streampos resume = end_ ? std::streampos(-1) : in_.tellg();
  std::string chunk(end_ || resume == std::streampos(-1) ? 0 : kChunkBytes, '\0');
  for (bool last = chunk.empty();; last = last || !in_) {
    std::size_t complete = 0;
    valid = ScanUtf8(pending, complete);
    if (!valid || last) {
      valid = valid && complete == pending.size();  // a sequence the end cuts off is not UTF-8
      break;
    }
    pending.erase(0, complete);
    in_.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    pending.append(chunk.data(), static_cast<std::size_t>(in_.gcount()));
  }
  if (resume != std::streampos(-1)) {
    in_.clear();
    in_.seekg(resume);
  }
  encoding_ = valid ? Encoding::kUtf8 : Encoding::kShiftJis;
  if (valid) return;
  converter_ = iconv_open("UTF-8", "CP932");
  if (converter_ == kNoConverter) converter_ = nullptr;
}

std::string_view TextLines::Decoded(std::string_view line) {
  if (encoding_ != Encoding::kShiftJis || !converter_ || !HasHighByte(line.data(), line.size())) return line;
  decoded_.clear();
  Reencode(static_cast<iconv_t>(converter_), line, decoded_, 1, false);
  return decoded_;
}

}  // namespace race
