// The fast GPX scanner. It checks as much of XML's well-formedness as the forms it accepts need (characters,
// tag nesting, attributes, references, comments, namespace prefixes) and gives up on everything else (DTDs,
// CDATA, processing instructions, other encodings, names beyond ASCII), so that what it reads is what the
// XML parser would read and what it refuses is still told apart by the parser's own message.
#include "race/GpxPointScanner.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "race/Convert.h"
#include "race/GpxTrackReader.h"

namespace race {

std::string_view TrimmedXmlBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

void TakeGpxName(std::string& name, bool& trackNamed, std::string_view text, bool ofTrack) {
  // The first track's name names the boat better than the file's metadata does.
  text = TrimmedXmlBlanks(text);
  if (!text.empty() && (name.empty() || (ofTrack && !trackNamed))) name = std::string(text);
  trackNamed = trackNamed || (ofTrack && !text.empty());
}

namespace {

enum class Node : std::uint8_t { Other, Gpx, Metadata, Track, Segment, Point, PointTime, Name };

constexpr std::size_t kMaxAttributes = 16;
constexpr std::size_t kLongestReference = 12;  // "&#x10FFFF;" and a little room

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c) {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool IsXmlCharacter(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool ValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    std::uint32_t point = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2, point = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3, point = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4, point = c & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto d = static_cast<unsigned char>(text[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      point = (point << 6) | (d & 0x3F);
    }
    if ((length == 3 && point < 0x800) || (length == 4 && point < 0x10000) || !IsXmlCharacter(point)) {
      return false;
    }
    i += length;
  }
  return true;
}

// Every byte is one XML allows, and a carriage return only ever starts a CR LF pair, so that counting line
// feeds counts lines as the parser does.
bool PlainCharacters(std::string_view text) {
  // Branch-free over the bytes so that the compiler can take many at a time.
  unsigned char all = 0;
  unsigned char control = 0;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    all |= c;
    control |= static_cast<unsigned char>((c < 0x20) & (c != '\t') & (c != '\n') & (c != '\r'));
  }
  if (control || ((all & 0x80) && !ValidUtf8(text))) return false;
  for (std::size_t at = text.find('\r'); at != std::string_view::npos; at = text.find('\r', at + 1)) {
    if (at + 1 == text.size() || text[at + 1] != '\n') return false;
  }
  return true;
}

// A reference starting at text[i] ('&'), decoded onto out when given; i moves past it.
bool TakeReference(std::string_view text, std::size_t& i, std::string* out) {
  const auto end = text.substr(i, kLongestReference).find(';');
  if (end == std::string_view::npos) return false;
  const std::string_view body = text.substr(i + 1, end - 1);
  i += end + 1;
  std::uint32_t point = 0;
  if (body == "amp") {
    point = '&';
  } else if (body == "lt") {
    point = '<';
  } else if (body == "gt") {
    point = '>';
  } else if (body == "quot") {
    point = '"';
  } else if (body == "apos") {
    point = '\'';
  } else if (body.size() >= 2 && body[0] == '#') {
    const bool hex = body[1] == 'x';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return false;
    for (const char c : digits) {
      int value = -1;
      if (c >= '0' && c <= '9') value = c - '0';
      if (hex && c >= 'a' && c <= 'f') value = c - 'a' + 10;
      if (hex && c >= 'A' && c <= 'F') value = c - 'A' + 10;
      if (value < 0 || point > 0x10FFFF) return false;
      point = point * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
    }
    if (!IsXmlCharacter(point)) return false;
  } else {
    return false;
  }
  if (out) AppendUtf8(*out, point);
  return true;
}

// Character data between tags: checked, and appended to out (references decoded, CR LF as LF) when given.
bool TakeText(std::string_view text, std::string* out) {
  if (text.find("]]>") != std::string_view::npos) return false;
  if (!out && text.find('&') == std::string_view::npos) return true;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '&') {
      if (!TakeReference(text, i, out)) return false;
    } else {
      if (out && text[i] != '\r') *out += text[i];
      ++i;
    }
  }
  return true;
}

struct Attribute {
  std::string_view name;
  std::string_view value;
};

class Scanner {
 public:
  Scanner(std::string_view text, std::vector<TrackFix>& fixes, std::string* name)
      : s_(text), fixes_(fixes), name_(name) {}

  bool Run() {
    if (!PlainCharacters(s_)) return false;
    if (s_.starts_with("<?xml") && !Declaration()) return false;
    while (true) {
      if (open_.empty()) {
        SkipBlanks();
        if (p_ == s_.size()) return rootSeen_;
        if (s_.substr(p_).starts_with("<!--")) {
          if (!Comment()) return false;
        } else if (rootSeen_ || !StartTag()) {
          return false;
        }
        continue;
      }
      const auto lt = s_.find('<', p_);
      if (lt == std::string_view::npos) return false;
      if (!TakeText(s_.substr(p_, lt - p_), TextTarget())) return false;
      p_ = lt;
      if (open_.back().node == Node::Segment && PlainPoint()) continue;
      const std::string_view rest = s_.substr(p_);
      const bool ok = rest.starts_with("</") ? EndTag() : rest.starts_with("<!--") ? Comment() : StartTag();
      if (!ok) return false;
    }
  }

 private:
  struct Open {
    std::string_view name;
    Node node;
    std::size_t prefixMark;  // prefixes_ before the element's own declarations
  };

  void SkipBlanks() {
    while (p_ < s_.size() && IsBlank(s_[p_])) ++p_;
  }

  bool TakeName(std::string_view& name) {
    const std::size_t start = p_;
    if (p_ >= s_.size() || !IsNameStart(s_[p_])) return false;
    while (++p_ < s_.size() && IsNameChar(s_[p_])) {
    }
    if (p_ < s_.size() && s_[p_] == ':') {
      if (++p_ >= s_.size() || !IsNameStart(s_[p_])) return false;
      while (++p_ < s_.size() && IsNameChar(s_[p_])) {
      }
    }
    name = s_.substr(start, p_ - start);
    return p_ < s_.size() && s_[p_] != ':';
  }

  bool TakeQuoted(std::string_view& value) {
    if (p_ >= s_.size() || (s_[p_] != '"' && s_[p_] != '\'')) return false;
    const auto end = s_.find(s_[p_], p_ + 1);
    if (end == std::string_view::npos) return false;
    value = s_.substr(p_ + 1, end - p_ - 1);
    p_ = end + 1;
    return true;
  }

  bool TakeEquals() {
    SkipBlanks();
    if (p_ >= s_.size() || s_[p_] != '=') return false;
    ++p_;
    SkipBlanks();
    return true;
  }

  // <?xml version="1.0" encoding="UTF-8" standalone="yes"?>, the last two optional.
  bool Declaration() {
    const auto end = s_.find("?>");
    if (end == std::string_view::npos || !IsBlank(s_[5])) return false;
    p_ = 5;
    static constexpr std::array<std::string_view, 3> kOrder = {"version", "encoding", "standalone"};
    std::size_t next = 0;
    while (true) {
      SkipBlanks();
      if (p_ == end) break;
      std::string_view key, value;
      if (!IsBlank(s_[p_ - 1]) || !TakeName(key) || !TakeEquals() || !TakeQuoted(value) || p_ > end)
        return false;
      while (next < kOrder.size() && kOrder[next] != key) ++next;
      if (next == kOrder.size()) return false;
      const bool known = key == "version"    ? value == "1.0"
                         : key == "encoding" ? (value == "UTF-8" || value == "utf-8")
                                             : (value == "yes" || value == "no");
      if (!known || (next > 0 && !versionSeen_)) return false;
      versionSeen_ = versionSeen_ || next == 0;
      ++next;
    }
    p_ = end + 2;
    return versionSeen_;
  }

  bool Comment() {
    const auto dashes = s_.find("--", p_ + 4);
    if (dashes == std::string_view::npos || dashes + 2 >= s_.size() || s_[dashes + 2] != '>') return false;
    p_ = dashes + 3;
    return true;
  }

  // A prefixed name needs its prefix declared here or by an enclosing element; xml is always bound.
  bool Bound(std::string_view name, bool isAttribute) const {
    const auto colon = name.find(':');
    if (colon == std::string_view::npos) return true;
    const std::string_view prefix = name.substr(0, colon);
    if (prefix == "xml") return isAttribute;
    return std::find(prefixes_.begin(), prefixes_.end(), prefix) != prefixes_.end();
  }

  bool Declare(std::string_view key, std::string_view value) {
    if (value == "http://www.w3.org/XML/1998/namespace" || value == "http://www.w3.org/2000/xmlns/") {
      return false;
    }
    if (key == "xmlns") return true;
    const std::string_view prefix = key.substr(6);
    if (value.empty() || prefix == "xml" || prefix == "xmlns") return false;
    prefixes_.push_back(prefix);
    return true;
  }

  bool StartTag() {
    const std::size_t tagStart = p_++;
    std::string_view name;
    if (!TakeName(name)) return false;
    const std::size_t prefixMark = prefixes_.size();
    std::array<Attribute, kMaxAttributes> attributes;
    std::size_t count = 0;
    bool selfClosed = false;
    while (true) {
      const std::size_t before = p_;
      SkipBlanks();
      if (p_ >= s_.size()) return false;
      if (s_[p_] == '>') {
        ++p_;
        break;
      }
      if (s_[p_] == '/') {
        if (p_ + 1 >= s_.size() || s_[p_ + 1] != '>') return false;
        p_ += 2;
        selfClosed = true;
        break;
      }
      Attribute a;
      if (p_ == before || count == kMaxAttributes || !TakeName(a.name) || !TakeEquals() ||
          !TakeQuoted(a.value)) {
        return false;
      }
      if (a.value.find('<') != std::string_view::npos) return false;
      if (a.value.find('&') != std::string_view::npos) {
        for (std::size_t i = a.value.find('&'); i < a.value.size(); i = a.value.find('&', i)) {
          if (!TakeReference(a.value, i, nullptr)) return false;
        }
      }
      for (std::size_t k = 0; k < count; ++k) {
        if (attributes[k].name == a.name) return false;
      }
      if ((a.name == "xmlns" || a.name.starts_with("xmlns:")) && !Declare(a.name, a.value)) return false;
      attributes[count++] = a;
    }
    if (!Bound(name, false)) return false;
    for (std::size_t k = 0; k < count; ++k) {
      const std::string_view key = attributes[k].name;
      if (key == "xmlns" || key.starts_with("xmlns:")) continue;
      if (!Bound(key, true)) return false;
      // Two prefixes may name one namespace; then one local name twice would be a duplicate.
      const auto colon = key.find(':');
      for (std::size_t j = 0; j < k && colon != std::string_view::npos; ++j) {
        const auto other = attributes[j].name;
        if (other.find(':') != std::string_view::npos && other.substr(other.find(':')) == key.substr(colon)) {
          return false;
        }
      }
    }
    const auto colon = name.find(':');
    const std::string_view local = colon == std::string_view::npos ? name : name.substr(colon + 1);
    const Node parent = open_.empty() ? Node::Other : open_.back().node;
    Node node = Node::Other;
    if (open_.empty()) {
      if (local != "gpx") return false;
      node = Node::Gpx;
      rootSeen_ = true;
    } else if (parent == Node::Gpx && local == "metadata") {
      node = Node::Metadata;
    } else if ((parent == Node::Metadata || parent == Node::Track) && local == "name" && name_ != nullptr) {
      node = Node::Name;
      nameText_.clear();
    } else if (parent == Node::Gpx && local == "trk") {
      node = Node::Track;
    } else if (parent == Node::Track && local == "trkseg") {
      node = Node::Segment;
    } else if (parent == Node::Segment && local == "trkpt") {
      node = Node::Point;
      if (!StartPoint(tagStart, attributes, count)) return false;
    } else if (parent == Node::Point && local == "time" && !pointHasTime_) {
      node = Node::PointTime;
      timeText_.clear();
    }
    if (selfClosed) {
      prefixes_.resize(prefixMark);
      return EndElement(node);
    }
    open_.push_back(Open{name, node, prefixMark});
    return true;
  }

  // The point nearly every logger writes, read without the general tag machinery:
  //   <trkpt lat="N" lon="N"> [<ele>N</ele>] <time>T</time> </trkpt>
  // Its values hold only the characters of numbers and times, so none needs a reference or a trim, and the
  // blanks between its parts are counted for the line numbers on the way. Anything else, and any value the
  // general path would refuse, is left to that path from the same place.
  bool PlainPoint() {
    std::size_t q = p_;
    int lines = 0;
    const auto word = [&](std::string_view w) {
      if (s_.compare(q, w.size(), w) != 0) return false;
      q += w.size();
      return true;
    };
    const auto blanks = [&] {
      const std::size_t from = q;
      for (; q < s_.size() && IsBlank(s_[q]); ++q) lines += s_[q] == '\n';
      return q > from;
    };
    const auto value = [&](char end, bool isTime, std::string_view& text) {
      const std::size_t from = q;
      while (q < s_.size() && IsPlainValueChar(s_[q], isTime)) ++q;
      if (q == s_.size() || s_[q] != end) return false;
      text = s_.substr(from, q++ - from);
      return true;
    };
    std::string_view lat, lon, ele, time;
    if (!word("<trkpt") || !blanks() || !word("lat=\"") || !value('"', false, lat) || !blanks() ||
        !word("lon=\"") || !value('"', false, lon)) {
      return false;
    }
    blanks();
    if (!word(">")) return false;
    blanks();
    if (word("<ele>")) {
      if (!value('<', false, ele) || !word("/ele>")) return false;
      blanks();
    }
    if (!word("<time>") || !value('<', true, time) || !word("/time>")) return false;
    blanks();
    if (!word("</trkpt>")) return false;

    TrackFix fix;
    fix.line = LineAt(p_);
    const auto gpsTime = time_(time);
    if (!Coordinate(lat, 90, fix.lat) || !Coordinate(lon, 180, fix.lon) || !gpsTime) return false;
    fix.gpsTime = *gpsTime;
    fixes_.push_back(fix);
    line_ += lines;
    lineCounted_ = q;
    p_ = q;
    return true;
  }

  static bool IsPlainValueChar(char c, bool isTime) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' ||
           (isTime && (c == ':' || c == 'T' || c == 'Z'));
  }

  // The line of the byte at offset at, counting on from the last place counted.
  int LineAt(std::size_t at) {
    line_ += static_cast<int>(std::count(s_.begin() + static_cast<std::ptrdiff_t>(lineCounted_),
                                         s_.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    lineCounted_ = at;
    return line_;
  }

  bool StartPoint(std::size_t tagStart, const std::array<Attribute, kMaxAttributes>& attributes,
                  std::size_t count) {
    fix_ = TrackFix{};
    fix_.line = LineAt(tagStart);
    pointHasTime_ = false;
    bool hasLat = false;
    bool hasLon = false;
    for (std::size_t k = 0; k < count; ++k) {
      const Attribute& a = attributes[k];
      if (a.name == "lat") {
        hasLat = Coordinate(a.value, 90, fix_.lat);
        if (!hasLat) return false;
      } else if (a.name == "lon") {
        hasLon = Coordinate(a.value, 180, fix_.lon);
        if (!hasLon) return false;
      }
    }
    return hasLat && hasLon;
  }

  // Decimal degrees to minutes of arc, as the XML path does.
  static bool Coordinate(std::string_view text, double limit, double& minutes) {
    if (text.find('&') != std::string_view::npos) return false;
    const auto degrees = ParseNumber(TrimmedXmlBlanks(text));
    if (!degrees || *degrees < -limit || *degrees > limit) return false;
    minutes = *degrees * 60;
    return true;
  }

  bool EndTag() {
    p_ += 2;
    std::string_view name;
    if (!TakeName(name)) return false;
    SkipBlanks();
    if (p_ >= s_.size() || s_[p_] != '>' || open_.empty() || open_.back().name != name) return false;
    ++p_;
    const Open closed = open_.back();
    open_.pop_back();
    prefixes_.resize(closed.prefixMark);
    return EndElement(closed.node);
  }

  bool EndElement(Node node) {
    if (node == Node::Name) {
      TakeGpxName(*name_, trackNamed_, nameText_, open_.back().node == Node::Track);
    } else if (node == Node::PointTime) {
      const auto time = time_(TrimmedXmlBlanks(timeText_));
      if (!time) return false;
      fix_.gpsTime = *time;
      pointHasTime_ = true;
    } else if (node == Node::Point) {
      if (!pointHasTime_) return false;
      fixes_.push_back(fix_);
    }
    return true;
  }

  std::string* TextTarget() {
    const Node node = open_.back().node;
    return node == Node::PointTime ? &timeText_ : node == Node::Name ? &nameText_ : nullptr;
  }

  std::string_view s_;
  std::size_t p_ = 0;
  std::vector<TrackFix>& fixes_;
  std::string* name_;
  std::vector<Open> open_;
  std::vector<std::string_view> prefixes_;
  bool versionSeen_ = false;
  bool rootSeen_ = false;
  bool trackNamed_ = false;
  std::size_t lineCounted_ = 0;
  int line_ = 1;
  TrackFix fix_;
  GpxTimeReader time_;
  bool pointHasTime_ = false;
  std::string timeText_;
  std::string nameText_;
};

}  // namespace

bool ScanGpxTrack(std::string_view text, std::vector<TrackFix>& fixes, std::string* name) {
  return Scanner(text, fixes, name).Run();
}

}  // namespace race
