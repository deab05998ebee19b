// The field splitter shared by every reader: trimmed fields, an empty field reads "0", at most 20 fields.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace race {

inline constexpr int kMaxFields = 20;

// The fields of one line. Views point into the split text (or at a constant "0"), so the text must
// outlive them. Fields past the 20th are dropped.
struct Fields {
  std::array<std::string_view, kMaxFields + 1> lineField{};  // 1..lineFieldCount
  int lineFieldCount = 0;
  unsigned emptyMask = 0;  // bit i set when field i was empty in the text (it then reads "0")

  std::string_view operator[](int i) const { return lineField[i]; }
  // The field as free text: an empty field gives "" rather than "0"; a field the line does not have, "".
  std::string Text(int i) const;
};

// Splits text at each occurrence of the separator. Fields lose leading and trailing blanks and control
// characters (bytes up to 32); an empty field reads "0"; with a blank separator a run of blanks acts as
// one; a text without separator is one field; an empty text is one field, "0".
void SplitFields(std::string_view text, char separator, Fields& fields);
Fields SplitFields(std::string_view text, char separator);

// Removes leading and trailing bytes up to 32 (blanks and control characters).
std::string_view TrimBlanks(std::string_view text);

}  // namespace race
