// The small texts of a KML file.
#include "export/KmlText.h"

#include <cmath>

#include "race/Numbers.h"

namespace kml {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Length of the valid UTF-8 sequence at text[i], or 0 when the bytes there are not one.
size_t SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t length = 0;
  unsigned codePoint = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
  }
  const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  const bool nonCharacter = codePoint == 0xFFFE || codePoint == 0xFFFF;  // not allowed in XML
  if (overlong || surrogate || nonCharacter || codePoint > 0x10FFFF) return 0;
  return length;
}

// Calls plain(byte) for each allowed ASCII byte and copies longer sequences; the clean-up both text
// forms share.
template <typename Ascii>
std::string CleanText(std::string_view text, Ascii plain) {
  std::string out;
  out.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size();) {
    const size_t length = SequenceLength(text, i);
    if (length == 0) {
      out += kReplacement;
      ++i;
    } else if (length == 1) {
      const char c = text[i++];
      const bool allowedControl = c == '\t' || c == '\n' || c == '\r';
      if (static_cast<unsigned char>(c) >= 0x20 || allowedControl) plain(out, c);
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return out;
}

}  // namespace

std::string XmlText(std::string_view text) {
  return CleanText(text, [](std::string& out, char c) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  });
}

std::string CdataText(std::string_view text) {
  std::string clean = CleanText(text, [](std::string& out, char c) { out += c; });
  std::string out;
  size_t from = 0;
  for (size_t at = clean.find("]]>"); at != std::string::npos; at = clean.find("]]>", from)) {
    out.append(clean, from, at + 2 - from);
    out += "]]><![CDATA[";  // the first section ends after "]]", the next starts with ">"
    from = at + 2;
  }
  out.append(clean, from);
  return out;
}

void AppendNumber(std::string& out, double value) {
  race::AppendGeneral(out, value);
}

std::string NumberText(double value) {
  return race::FormatGeneral(value);
}

std::string DocumentName(std::string_view raceCaption) {
  const size_t blank = raceCaption.find(' ');
  const size_t start = blank == std::string_view::npos ? 0 : blank + 1;
  const size_t point = raceCaption.find('.');
  if (point != std::string_view::npos && point >= start)
    return std::string(raceCaption.substr(start, point - start));
  // Captions made from titles have no "."; the folder then carries the whole caption, trailing blanks off.
  const size_t last = raceCaption.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(raceCaption.substr(0, last + 1));
}

std::string RaceTitle(std::string_view raceCaption) {
  const size_t blank = raceCaption.find(' ');
  std::string_view rest = blank == std::string_view::npos ? raceCaption : raceCaption.substr(blank + 1);
  rest = rest.substr(0, rest.find('.'));
  std::string title;
  for (char c : rest) {
    const bool space = c == ' ' || c == '\t';
    if (space && (title.empty() || title.back() == ' ')) continue;
    title += space ? ' ' : c;
  }
  if (!title.empty() && title.back() == ' ') title.pop_back();
  return title;
}

int IconHeading(double course) {
  if (!(std::fabs(course) < 1e6)) return 0;  // no course (NaN) or nonsense: the north arrow
  const int heading = race::Int(course / 10 + 0.5) * 10;
  return heading == 360 ? 0 : heading;
}

double KmlSpeed(double knots) {
  return race::Int(knots * 100 + 0.5) / 100.0;
}

int KmlHeading(double course) {
  return race::Int(course);
}

std::string OpaqueColour(std::string_view kmlColour) {
  if (kmlColour.size() < 6) return "ffffffff";
  return "ff" + std::string(kmlColour.substr(kmlColour.size() - 6));
}

}  // namespace kml
