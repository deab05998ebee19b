// Text from input files made safe to show.
#include "race/PrintableText.h"

namespace race {
namespace {

constexpr std::size_t kMaxQuoted = 80;

}  // namespace

std::size_t Utf8Boundary(std::string_view text, std::size_t at) {
  if (at >= text.size()) return text.size();
  // Step back over continuation bytes (10xxxxxx) to the start of the character at `at`.
  while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
  return at;
}

std::string Printable(std::string_view text, std::size_t maxBytes) {
  const bool cut = text.size() > maxBytes;
  if (cut) text = text.substr(0, Utf8Boundary(text, maxBytes));
  std::string out;
  out.reserve(text.size() + 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if (c < 0x20 || c == 0x7F || c1) {
      out += '?';
      i += c1 ? 1 : 0;
    } else {
      out += text[i];
    }
  }
  if (cut) out += "...";
  return out;
}

std::string Quoted(std::string_view text) {
  return "\"" + Printable(text, kMaxQuoted) + "\"";
}

}  // namespace race
