// Command-line parsing and usage text of the batch command.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "app/BatchCommand.h"

namespace app {

namespace {

const OutputKind* FindOutput(const std::string& option) {
  for (const OutputKind& kind : BatchOutputs()) {
    if (option == kind.option) return &kind;
  }
  return nullptr;
}

int ParsePositive(const std::string& text, const std::string& what) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size() || value < 1) {
    throw UsageError(what + " is not a positive number: \"" + text + "\"");
  }
  return value;
}

void ParseSize(const std::string& text, BatchRequest& request) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) throw UsageError("--size wants WIDTHxHEIGHT, not \"" + text + "\"");
  request.width = ParsePositive(text.substr(0, x), "--size: width");
  request.height = ParsePositive(text.substr(x + 1), "--size: height");
  request.sizeGiven = true;
}

double ParseNumber(const std::string& option, const std::string& text, const char* what) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(value)) {
    throw UsageError(option + " wants " + what + ", not \"" + text + "\"");
  }
  return value;
}

}  // namespace

BatchRequest ParseBatchArguments(int argc, const char* const* argv) {
  BatchRequest request;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw UsageError(option + " wants a value");
      return argv[++i];
    };
    if (option == "--help" || option == "-h") {
      request.help = true;
    } else if (option == "--folder") {
      request.folder = value();
      if (!request.folder.empty() && request.folder.back() != '/') request.folder += '/';
    } else if (option == "--race") {
      request.race = value();
    } else if (option == "--size") {
      ParseSize(value(), request);
    } else if (option == "--at") {
      request.at = ParseNumber(option, value(), "race seconds");
    } else if (option == "--from") {
      request.from = ParseNumber(option, value(), "race seconds");
    } else if (option == "--to") {
      request.to = ParseNumber(option, value(), "race seconds");
    } else if (option == "--speed") {
      request.speed = ParseNumber(option, value(), "a replay speed (race seconds per second)");
    } else if (option == "--fps") {
      request.fps = ParsePositive(value(), "--fps");
    } else if (option == "--full") {
      request.full = true;
    } else if (option == "--north-up") {
      request.northUp = true;
    } else if (option == "--manual") {
      request.manual = true;
    } else if (option == "--make-race") {
      request.makeRace.push_back(value());
      while (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0)
        request.makeRace.push_back(argv[++i]);
    } else if (option == "--out") {
      request.out = value();
    } else if (FindOutput(option) != nullptr) {
      request.outputs.push_back({option, value()});
    } else {
      throw UsageError("unknown option \"" + option + "\"");
    }
  }
  if (!request.out.empty() && request.makeRace.empty()) throw UsageError("--out goes with --make-race");
  return request;
}

std::string BatchUsage() {
  std::string text =
      "Usage: regatix-batch [--folder DIR] [--race FILE.txt] [--size WxH] [outputs]\n"
      "Loads one race as the desktop program does, without a window, and writes the outputs asked for.\n"
      "  --folder DIR   the program folder holding raceadmin/, gpsdat/ ... (default: $REGATIX_HOME, else "
      "the\n"
      "                 folder of this program)\n"
      "  --race FILE    the race file in raceadmin/ (default: the race the desktop program shows first)\n"
      "  --size WxH     chart size the race is fitted to (default 1285x1000, the map area of a 1600x1000 "
      "window)\n"
      "  --at SECONDS   replay time, for the outputs of one moment (and the JSON's leaderboard)\n"
      "  --from S, --to S   the span of race seconds a video shows (default: the whole time line)\n"
      "  --speed X      race seconds per second of video (default 10)\n"
      "  --fps N        frames per second of video (default 25); a video's --size defaults to 1280x720\n"
      "  --full         all fixes in the JSON, not only the first and last three of each boat\n"
      "  --north-up     north at the top of pictures (default: the race file's choice)\n"
      "  --manual       pictures without the automatic boat focus\n"
      "  --make-race PATH... [--out FOLDER]  make races from logger tracks (.gpx, .nmea, text; files or\n"
      "                 folders) into new race folders under FOLDER (default: the user's races folder)\n"
      "Outputs:\n";
  for (const OutputKind& kind : BatchOutputs()) {
    std::string usage = kind.usage;
    usage.resize(std::max<std::size_t>(usage.size() + 1, 24), ' ');
    text += "  " + usage + kind.help + "\n";
  }
  text += "Exit status: 0 done, 1 bad input (file:line: message on stderr), 2 bad command line.\n";
  return text;
}

}  // namespace app
