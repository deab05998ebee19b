// The headless batch command: what it was asked for, the race it loaded, and the table of outputs it can
// write. Adding an output is one writer function and one row in BatchOutputs.cpp.
#pragma once

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/ChartFit.h"
#include "race/RaceStore.h"

namespace app {

// The map area of a 1600 x 1000 window: less the 265-pixel side panels and the 50-pixel time bar.
inline constexpr int kDefaultChartWidth = 1600 - 265 - 50;
inline constexpr int kDefaultChartHeight = 1000;

// A command line the batch command cannot act on; main prints it with the usage hint and exits 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct RequestedOutput {
  std::string option;  // "--json", ...
  std::string path;
};

struct BatchRequest {
  std::string folder;  // program folder, ending in '/'; empty: REGATIX_HOME or the executable's folder
  std::string race;    // race file under raceadmin/ (or a path); empty: the race the desktop would show first
  int width = kDefaultChartWidth;
  int height = kDefaultChartHeight;
  bool sizeGiven = false;          // --size was given (a video has a size of its own otherwise)
  std::optional<double> at;        // replay time in race seconds, for outputs of one moment
  std::optional<double> from, to;  // the span of a video, race seconds; the whole time line when not given
  std::optional<double> speed;     // race seconds per second of video
  std::optional<int> fps;
  bool full = false;  // every fix in the JSON
  bool northUp = false;
  bool manual = false;
  bool help = false;
  std::vector<RequestedOutput> outputs;
  std::vector<std::string> makeRace;  // track files or folders to make races from
  std::string out;                    // where the made races go
};

struct LoadedRace {
  race::RaceStore store;
  analysis::ChartFit fit;
};

using OutputWriter = void (*)(const LoadedRace& race, const BatchRequest& request, const std::string& path);

struct OutputKind {
  const char* option;  // "--json"
  const char* usage;   // "--json OUT"
  const char* help;    // one line for --help
  OutputWriter write;
};

// Every output the batch command knows, in the order --help lists them.
const std::vector<OutputKind>& BatchOutputs();

// Reads argv[1..argc-1]; throws UsageError.
BatchRequest ParseBatchArguments(int argc, const char* const* argv);

std::string BatchUsage();

// Loads the race as the desktop does and writes every requested output. Throws race::InputError for bad input
// and std::runtime_error when an output cannot be written.
void RunBatch(const BatchRequest& request, const std::string& executableFolder);

// Makes races from request.makeRace under request.out (default: the user's races folder), saying on out what
// it made and on err what it skipped or could not find. False when no race was made.
bool RunMakeRace(const BatchRequest& request, std::ostream& out, std::ostream& err);

}  // namespace app
