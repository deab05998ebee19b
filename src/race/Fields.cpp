// The field splitter shared by every reader.
#include "race/Fields.h"

#include "race/ByteSearch.h"
#include "race/PrintableText.h"

namespace race {
namespace {

constexpr std::string_view kZero = "0";
constexpr std::size_t kMaxRest = 5000;  // characters kept after a separator

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string Fields::Text(int i) const {
  if (i < 1 || i > lineFieldCount || (emptyMask & (1u << i))) return {};
  return std::string(lineField[i]);
}

void SplitFields(std::string_view text, char separator, Fields& fields) {
  int n = 0;
  fields.emptyMask = 0;
  std::string_view rest = TrimBlanks(text);  // so a blank-separated line may be indented
  bool truncated = false;
  auto store = [&](std::string_view field) {
    ++n;
    if (n > kMaxFields) return;
    if (field.empty()) {
      fields.lineField[n] = kZero;
      fields.emptyMask |= 1u << n;
    } else {
      fields.lineField[n] = field;
    }
  };
  for (;;) {
    // Inline, eight bytes at a time: fields are short, and a library search per field costs more than it
    // saves.
    const std::size_t p = FindByte(rest.data(), 0, rest.size(), separator);
    if (p == rest.size()) break;
    store(TrimBlanks(rest.substr(0, p)));
    rest = rest.substr(p + 1);
    if (!truncated && rest.size() > kMaxRest) {
      rest = rest.substr(0, Utf8Boundary(rest, kMaxRest));  // a name cut mid-character is not UTF-8
      truncated = true;
    }
    rest = TrimBlanks(rest);
    if (n >= kMaxFields) break;  // the surplus fields are not kept
  }
  if (n < kMaxFields) store(rest);
  fields.lineFieldCount = n < kMaxFields ? n : kMaxFields;
}

Fields SplitFields(std::string_view text, char separator) {
  Fields fields;
  SplitFields(text, separator, fields);
  return fields;
}

}  // namespace race
