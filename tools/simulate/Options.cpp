// The command line of regatix-simulate.
#include "simulate/Options.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "race/RaceStore.h"

namespace simulate {
namespace {

double Number(const std::string& option, const std::string& text, double low, double high) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(value >= low && value <= high)) {
    throw std::invalid_argument(option + ": expected a number from " + std::to_string(low) + " to " +
                                std::to_string(high) + ", got \"" + text + "\"");
  }
  return value;
}

int Whole(const std::string& option, const std::string& text, int low, int high) {
  const double value = Number(option, text, low, high);
  if (value != static_cast<int>(value)) throw std::invalid_argument(option + ": expected a whole number");
  return static_cast<int>(value);
}

std::vector<std::string> SplitNames(const std::string& text) {
  std::vector<std::string> names;
  std::string current;
  for (char c : text) {
    if (c == ',') {
      names.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) names.push_back(current);
  return names;
}

}  // namespace

std::string UsageText() {
  return "usage: regatix-simulate --out FOLDER [options]\n"
         "Sails a race and writes it as a program folder: raceadmin/NAME.txt, one track per boat in gpsdat/,\n"
         "winddat/NAME.csv and truth/NAME.csv (each boat's true passing time at each course point).\n"
         "  --name NAME            race file name without .txt (race)\n"
         "  --boats N              fleet size, 1-200 (10)\n"
         "  --course wl|triangle|passage   windward-leeward with a leeward gate, triangle, or a passage\n"
         "  --waypoints \"LAT,LON LAT,LON ...\"   a passage's marks and finish, degrees (start: --lat --lon)\n"
         "  --laps N               laps (2; at most 5 windward-leeward, 3 triangle)\n"
         "  --wind-dir DEG         mean true wind direction (200)\n"
         "  --wind-speed KN        mean wind speed in knots (10)\n"
         "  --shift DEG            persistent shift over the race, veer positive (random)\n"
         "  --oscillation DEG      amplitude of the oscillating shifts (6)\n"
         "  --minutes M            about how long the race lasts; sizes the legs (40)\n"
         "  --leg NM               windward leg in nautical miles (overrides --minutes)\n"
         "  --rate HZ              logging rate, above 0 and up to 10 (1)\n"
         "  --lat DEG --lon DEG    middle of the start line (34.56 136.87, off Toba)\n"
         "  --date YYYY/MM/DD --time HH:MM[:SS]   the gun, race local time (2026/05/17 10:00:00)\n"
         "  --td HOURS             local time minus GPS time (9)\n"
         "  --mg DEG               magnetic variation, east positive (-7.5)\n"
         "  --seed N               random seed (1)\n"
         "  --boat-length M        (8.5)   --prestart MIN  pre-start shown (5)\n"
         "  --no-mishaps           no early starter, retirement or missed mark (else with 8+ boats)\n"
         "  --coords dm|deg|dms    track coordinate form (dm)\n"
         "  --dates ymd|dmy|dmon   track date form: 2026/05/17, 17-05-2026 or 17-MAY-26 (ymd)\n"
         "  --format text|gpx|nmea track files as text (.txt), GPX (.gpx) or NMEA 0183 RMC logs (.nmea) (text)\n"
         "  --title1 T --title2 T --note T --names A,B,...   texts of the race file\n"
         "  --shift-jis            write the race file in Shift-JIS\n"
         "  --north-up             show the race north-up (NU,1)\n"
         "  --no-wind-file         no WF record and no wind file\n"
         "  --attachment FILE      write a sailing-instructions page attachment/FILE and name it (AT)\n";
}

Options ParseOptions(const std::vector<std::string>& arguments) {
  Options o;
  o.race.wind.direction = 200;  // the summer sea breeze of Ise Bay
  bool shiftGiven = false;
  double legNm = 0;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= arguments.size()) throw std::invalid_argument(a + ": missing value");
      return arguments[++i];
    };
    if (a == "--help" || a == "-h") o.help = true;
    else if (a == "--out") o.folder = value();
    else if (a == "--name") o.raceName = value();
    else if (a == "--boats") o.race.boats = Whole(a, value(), 1, race::kMaxBoats);
    else if (a == "--course") {
      const std::string& v = value();
      if (v == "wl") o.race.kind = CourseKind::WindwardLeeward;
      else if (v == "triangle") o.race.kind = CourseKind::Triangle;
      else if (v == "passage") o.race.kind = CourseKind::Passage;
      else throw std::invalid_argument(a + ": expected wl, triangle or passage");
    } else if (a == "--waypoints") {
      // "lat,lon lat,lon ...": the marks in order, then the finish.
      o.waypoints.clear();
      const std::string& v = value();
      size_t at = 0;
      while (at < v.size()) {
        const size_t end = std::min(v.find(' ', at), v.size());
        const std::string pair = v.substr(at, end - at);
        at = end + 1;
        if (pair.empty()) continue;
        const size_t comma = pair.find(',');
        if (comma == std::string::npos) throw std::invalid_argument(a + ": expected lat,lon pairs");
        o.waypoints.emplace_back(Number(a, pair.substr(0, comma), -80, 80), Number(a, pair.substr(comma + 1), -180, 180));
      }
    } else if (a == "--laps") o.race.laps = Whole(a, value(), 1, 5);
    else if (a == "--wind-dir") o.race.wind.direction = Number(a, value(), 0, 360);
    else if (a == "--wind-speed") o.race.wind.speed = Number(a, value(), 2, 30);
    else if (a == "--shift") {
      o.race.wind.persistentShift = Number(a, value(), -60, 60);
      shiftGiven = true;
    } else if (a == "--oscillation") o.race.wind.oscillation = Number(a, value(), 0, 30);
    else if (a == "--minutes") o.race.targetMinutes = Number(a, value(), 5, 1440);
    else if (a == "--leg") legNm = Number(a, value(), 0.1, 20);
    else if (a == "--rate") o.race.rateHz = Number(a, value(), 0.001, 10);
    else if (a == "--lat") o.latitude = Number(a, value(), -80, 80);
    else if (a == "--lon") o.longitude = Number(a, value(), -180, 180);
    else if (a == "--date") {
      const std::string& v = value();
      if (std::sscanf(v.c_str(), "%d/%d/%d", &o.start.year, &o.start.month, &o.start.day) != 3 ||
          o.start.year < 1930 || o.start.year > 2099 || o.start.month < 1 || o.start.month > 12 ||
          o.start.day < 1 || o.start.day > 31) {
        throw std::invalid_argument(a + ": expected YYYY/MM/DD");
      }
    } else if (a == "--time") {
      const std::string& v = value();
      o.start.second = 0;
      const int n = std::sscanf(v.c_str(), "%d:%d:%d", &o.start.hour, &o.start.minute, &o.start.second);
      if (n < 2 || o.start.hour < 0 || o.start.hour > 23 || o.start.minute < 0 || o.start.minute > 59 ||
          o.start.second < 0 || o.start.second > 59) {
        throw std::invalid_argument(a + ": expected HH:MM or HH:MM:SS");
      }
    } else if (a == "--td") o.timeDifference = Whole(a, value(), -14, 14);
    else if (a == "--mg") o.magneticVariation = Number(a, value(), -60, 60);
    else if (a == "--seed") o.race.seed = static_cast<std::uint64_t>(Number(a, value(), 0, 9e15));
    else if (a == "--boat-length") o.race.boatLength = Number(a, value(), 2, 30);
    else if (a == "--prestart") o.race.preStartMinutes = Whole(a, value(), 1, 30);
    else if (a == "--no-mishaps") o.race.mishaps = false;
    else if (a == "--coords") {
      const std::string& v = value();
      if (v == "dm") o.coordinates = CoordinateForm::DegreesMinutes;
      else if (v == "deg") o.coordinates = CoordinateForm::Degrees;
      else if (v == "dms") o.coordinates = CoordinateForm::DegreesMinutesSeconds;
      else throw std::invalid_argument(a + ": expected dm, deg or dms");
    } else if (a == "--dates") {
      const std::string& v = value();
      if (v == "ymd") o.dates = DateForm::YearMonthDay;
      else if (v == "dmy") o.dates = DateForm::DayMonthYear;
      else if (v == "dmon") o.dates = DateForm::DayMonthNameYear;
      else throw std::invalid_argument(a + ": expected ymd, dmy or dmon");
    } else if (a == "--format") {
      const std::string& v = value();
      if (v == "text") o.trackFormat = TrackFormat::Text;
      else if (v == "gpx") o.trackFormat = TrackFormat::Gpx;
      else if (v == "nmea") o.trackFormat = TrackFormat::Nmea;
      else throw std::invalid_argument(a + ": expected text, gpx or nmea");
    } else if (a == "--title1") o.title1 = value();
    else if (a == "--title2") o.title2 = value();
    else if (a == "--note") o.note = value();
    else if (a == "--names") o.names = SplitNames(value());
    else if (a == "--shift-jis") o.shiftJis = true;
    else if (a == "--north-up") o.northUp = true;
    else if (a == "--no-wind-file") o.windFile = false;
    else if (a == "--attachment") o.attachment = value();
    else throw std::invalid_argument("unknown option " + a);
  }
  if (!o.help && o.folder.empty()) throw std::invalid_argument("--out FOLDER is required");
  if (o.race.laps > MaxLaps(o.race.kind)) {
    throw std::invalid_argument("--laps: at most " + std::to_string(MaxLaps(o.race.kind)) + " for this course");
  }
  for (const std::string& n : o.names) {
    if (n.find_first_of(",\r\n") != std::string::npos) throw std::invalid_argument("--names: a name holds a comma");
  }
  if (legNm > 0) o.race.legMetres = legNm * 1852;
  if (o.race.kind == CourseKind::Passage) {
    if (o.waypoints.empty() || o.waypoints.size() > kMaxPassageMarks + 1) {
      throw std::invalid_argument("--course passage needs --waypoints with 1 to 11 points");
    }
    const GeoFrame frame(o.latitude, o.longitude);
    o.race.route = {Vec{0, 0}};
    for (const auto& [lat, lon] : o.waypoints) o.race.route.push_back(frame.ToPlane(lat * 60, lon * 60));
  }
  if (!shiftGiven) {
    // A persistent shift of up to 12 degrees either way, from the seed, unless one is asked for.
    Random r(o.race.seed * 7919 + 17);
    o.race.wind.persistentShift = r.Uniform(-12, 12);
  }
  if (o.race.wind.direction >= 360) o.race.wind.direction -= 360;
  return o;
}

}  // namespace simulate
