// The GPX track reader: the fast scanner reads what it can; otherwise expat parses the file in chunks; only
// trk/trkseg/trkpt and each point's own <time> are looked at, so waypoints, routes, extensions and elevations
// pass by untouched.
#include "race/GpxTrackReader.h"

#include <expat.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <memory>

#include "race/Convert.h"
#include "race/GpxPointScanner.h"
#include "race/InputError.h"
#include "race/PrintableText.h"

namespace race {
namespace {

constexpr int kChunkBytes = 256 * 1024;
constexpr char kNamespaceSeparator =
    ' ';  // cannot occur in a namespace name, so the local name is what follows

enum class Node : std::uint8_t { Other, Gpx, Metadata, Track, Segment, Point, PointTime, Name };

std::string_view LocalName(const XML_Char* name) {
  std::string_view text(name);
  const auto separator = text.rfind(kNamespaceSeparator);
  return separator == std::string_view::npos ? text : text.substr(separator + 1);
}

class GpxParse {
 public:
  GpxParse(const std::string& file, const TrackFixSink& sink, std::string* name = nullptr)
      : parser_(XML_ParserCreateNS(nullptr, kNamespaceSeparator), &XML_ParserFree),
        file_(file),
        sink_(sink),
        name_(name) {
    if (!parser_) {
      throw std::bad_alloc();
    }
    XML_SetUserData(parser_.get(), this);
    XML_SetElementHandler(parser_.get(), &GpxParse::OnStart, &GpxParse::OnEnd);
    XML_SetCharacterDataHandler(parser_.get(), &GpxParse::OnText);
  }

  void Run(std::string_view text) {
    do {
      const std::string_view chunk = text.substr(0, kChunkBytes);
      text.remove_prefix(chunk.size());
      if (XML_Parse(parser_.get(), chunk.data(), static_cast<int>(chunk.size()), text.empty()) !=
          XML_STATUS_OK) {
        Fail();
      }
    } while (!text.empty());
  }

 private:
  // Handlers must not let an exception cross expat's C frames: they keep it and stop the parser instead.
  template <typename Action>
  void Guarded(Action action) {
    try {
      action();
    } catch (...) {
      pending_ = std::current_exception();
      XML_StopParser(parser_.get(), XML_FALSE);
    }
  }

  [[noreturn]] void Fail() {
    if (pending_) {
      std::rethrow_exception(pending_);
    }
    const auto line = static_cast<int>(XML_GetCurrentLineNumber(parser_.get()));
    throw InputError(file_, line,
                     std::string("malformed XML: ") + XML_ErrorString(XML_GetErrorCode(parser_.get())));
  }

  int Line() const { return static_cast<int>(XML_GetCurrentLineNumber(parser_.get())); }

  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
    auto* parse = static_cast<GpxParse*>(self);
    if (parse->pending_) return;  // expat may still deliver an event or two after being stopped
    parse->Guarded([&] { parse->Start(LocalName(name), attributes); });
  }
  static void XMLCALL OnEnd(void* self, const XML_Char*) {
    auto* parse = static_cast<GpxParse*>(self);
    if (parse->pending_) return;
    parse->Guarded([&] { parse->End(); });
  }
  static void XMLCALL OnText(void* self, const XML_Char* text, int length) {
    auto* parse = static_cast<GpxParse*>(self);
    if (parse->pending_ || parse->nodes_.empty()) return;
    if (parse->nodes_.back() == Node::PointTime) {
      parse->timeText_.append(text, static_cast<std::size_t>(length));
    } else if (parse->nodes_.back() == Node::Name) {
      parse->nameText_.append(text, static_cast<std::size_t>(length));
    }
  }

  void Start(std::string_view name, const XML_Char** attributes) {
    const Node parent = nodes_.empty() ? Node::Other : nodes_.back();
    Node node = Node::Other;
    if (nodes_.empty()) {
      if (name != "gpx") {
        throw InputError(file_, Line(), "not a GPX file: the document is <" + std::string(name) + ">");
      }
      node = Node::Gpx;
    } else if (parent == Node::Gpx && name == "metadata") {
      node = Node::Metadata;
    } else if ((parent == Node::Metadata || parent == Node::Track) && name == "name" && name_ != nullptr) {
      node = Node::Name;
      nameText_.clear();
    } else if (parent == Node::Gpx && name == "trk") {
      node = Node::Track;
    } else if (parent == Node::Track && name == "trkseg") {
      node = Node::Segment;
    } else if (parent == Node::Segment && name == "trkpt") {
      node = Node::Point;
      StartPoint(attributes);
    } else if (parent == Node::Point && name == "time" && !pointHasTime_) {
      node = Node::PointTime;
      timeText_.clear();
    }
    nodes_.push_back(node);
  }

  void StartPoint(const XML_Char** attributes) {
    fix_ = TrackFix{};
    fix_.line = Line();
    pointHasTime_ = false;
    bool hasLat = false;
    bool hasLon = false;
    for (int i = 0; attributes[i]; i += 2) {
      const std::string_view key(attributes[i]);
      if (key == "lat") {
        fix_.lat = Coordinate(attributes[i + 1], 90, "latitude");
        hasLat = true;
      } else if (key == "lon") {
        fix_.lon = Coordinate(attributes[i + 1], 180, "longitude");
        hasLon = true;
      }
    }
    if (!hasLat || !hasLon) {
      throw InputError(file_, fix_.line, hasLat ? "track point without lon" : "track point without lat");
    }
  }

  // Decimal degrees become minutes of arc as the text form's decimal-degree coordinates do: the number
  // times 60.
  double Coordinate(std::string_view text, double limit, const char* what) const {
    const auto degrees = ParseNumber(TrimmedXmlBlanks(text));
    if (!degrees || *degrees < -limit || *degrees > limit) {
      throw InputError(file_, fix_.line, std::string("not a ") + what + ": " + Quoted(text));
    }
    return *degrees * 60;
  }

  void End() {
    const Node node = nodes_.back();
    nodes_.pop_back();
    if (node == Node::Name) {
      TakeGpxName(*name_, trackNamed_, nameText_, nodes_.back() == Node::Track);
    } else if (node == Node::PointTime) {
      const auto time = ParseGpxTime(TrimmedXmlBlanks(timeText_));
      if (!time) {
        throw InputError(file_, Line(), "not a time: " + Quoted(timeText_));
      }
      fix_.gpsTime = *time;
      pointHasTime_ = true;
    } else if (node == Node::Point) {
      // A replay places every boat by its clock, so a point without a time cannot be used.
      if (!pointHasTime_) {
        throw InputError(file_, fix_.line, "track point without time");
      }
      sink_(fix_);
    }
  }

  std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser_;
  const std::string& file_;
  const TrackFixSink& sink_;
  std::string* name_;
  bool trackNamed_ = false;
  std::string nameText_;
  std::vector<Node> nodes_;
  TrackFix fix_;
  bool pointHasTime_ = false;
  std::string timeText_;
  std::exception_ptr pending_;
};

}  // namespace

namespace {

std::optional<GpxTimeFields> SplitGpxTime(std::string_view text) {
  // yyyy-mm-ddThh:mm:ss[.s...][Z|(+|-)hh:mm]
  if (text.size() < 19 || text[4] != '-' || text[7] != '-' || text[13] != ':' || text[16] != ':' ||
      (text[10] != 'T' && text[10] != 't' && text[10] != ' ')) {
    return std::nullopt;
  }
  const int year = ParseDigits(text, 4);
  const int month = ParseDigits(text.substr(5), 2);
  const int day = ParseDigits(text.substr(8), 2);
  const int hour = ParseDigits(text.substr(11), 2);
  const int minute = ParseDigits(text.substr(14), 2);
  if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || ParseDigits(text.substr(17), 2) < 0) {
    return std::nullopt;
  }
  std::size_t secondEnd = 19;
  if (secondEnd < text.size() && text[secondEnd] == '.') {
    ++secondEnd;
    const std::size_t firstDecimal = secondEnd;
    while (secondEnd < text.size() && text[secondEnd] >= '0' && text[secondEnd] <= '9') ++secondEnd;
    if (secondEnd == firstDecimal) {
      return std::nullopt;
    }
  }
  const auto second = ParseNumber(text.substr(17, secondEnd - 17));
  std::string_view zone = text.substr(secondEnd);
  int zoneMinutes = 0;
  if (zone == "Z" || zone == "z") {
    zoneMinutes = 0;
  } else if (!zone.empty()) {
    const int zoneHour = ParseDigits(zone.substr(1), 2);
    // The schema writes +hh:mm; some loggers leave the colon out.
    const int zoneMinute = zone.size() == 6 && zone[3] == ':' ? ParseDigits(zone.substr(4), 2)
                           : zone.size() == 5                 ? ParseDigits(zone.substr(3), 2)
                                                              : -1;
    if ((zone[0] != '+' && zone[0] != '-') || zoneHour < 0 || zoneHour > 14 || zoneMinute < 0 ||
        zoneMinute > 59) {
      return std::nullopt;
    }
    zoneMinutes = (zone[0] == '-' ? -1 : 1) * (zoneHour * 60 + zoneMinute);
  }
  if (!second) {
    return std::nullopt;
  }
  return GpxTimeFields{year, month, day, hour, minute, *second, zoneMinutes, secondEnd};
}

std::optional<TDateTime> TimeOf(const GpxTimeFields& f) {
  return LoggerTime(f.year, f.month, f.day, f.hour, f.minute, f.second, f.zoneMinutes);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<TDateTime> ParseGpxTime(std::string_view text) {
  const auto fields = SplitGpxTime(text);
  return fields ? TimeOf(*fields) : std::nullopt;
}

std::optional<TDateTime> GpxTimeReader::operator()(std::string_view text) {
  constexpr std::size_t kSecondStart = 17;
  const std::size_t end = fields_.secondEnd;
  const std::string_view last = last_;
  // The same length and the same text around the seconds, and the seconds of the same form: two digits,
  // then a point and the rest of the digits when the last time had them.
  const bool onlySeconds = !last.empty() && text.size() == last.size() &&
                           text.substr(0, kSecondStart) == last.substr(0, kSecondStart) &&
                           text.substr(end) == last.substr(end) && IsDigit(text[kSecondStart]) &&
                           IsDigit(text[kSecondStart + 1]) &&
                           (end == kSecondStart + 2 ||
                            (text[kSecondStart + 2] == '.' &&
                             std::all_of(text.begin() + kSecondStart + 3, text.begin() + end, IsDigit)));
  if (onlySeconds) {
    const auto second = ParseNumber(text.substr(kSecondStart, end - kSecondStart));
    if (!second) return std::nullopt;
    GpxTimeFields fields = fields_;
    fields.second = *second;
    return TimeOf(fields);
  }
  const auto fields = SplitGpxTime(text);
  if (!fields) return std::nullopt;
  last_.assign(text);
  fields_ = *fields;
  return TimeOf(fields_);
}

void ReadGpxTrack(std::istream& in, const std::string& file, const TrackFixSink& sink, std::string* name) {
  std::string text;
  // Room for the whole file when its size is known up front: a growing buffer would copy it over and over.
  const auto start = in.tellg();
  if (start != std::istream::pos_type(-1) && in.seekg(0, std::ios::end)) {
    const auto size = in.tellg() - start;
    if (size > 0) text.reserve(static_cast<std::size_t>(size) + kChunkBytes);
  }
  in.clear(in.rdstate() & std::ios::badbit);
  if (start != std::istream::pos_type(-1)) in.seekg(start);
  do {
    const std::size_t had = text.size();
    text.resize(had + kChunkBytes);
    in.read(text.data() + had, kChunkBytes);
    text.resize(had + static_cast<std::size_t>(in.gcount()));
  } while (in);
  if (in.bad()) {
    throw InputError(file, 0, "cannot read the file");
  }
  // Most files take the fast scanner; the rest, and every file with a fault, the XML parser.
  std::vector<TrackFix> fixes;
  std::string scannedName = name ? *name : std::string();
  if (ScanGpxTrack(text, fixes, name ? &scannedName : nullptr)) {
    if (name) *name = std::move(scannedName);
    for (const TrackFix& fix : fixes) sink(fix);
    return;
  }
  ParseGpxXml(text, file, sink, name);
}

void ParseGpxXml(std::string_view text, const std::string& file, const TrackFixSink& sink,
                 std::string* name) {
  GpxParse(file, sink, name).Run(text);
}

std::vector<TrackFix> ReadGpxTrack(std::istream& in, const std::string& file) {
  std::vector<TrackFix> fixes;
  ReadGpxTrack(in, file, [&fixes](const TrackFix& fix) { fixes.push_back(fix); });
  return fixes;
}

}  // namespace race
