// The outputs of the batch command: one writer function and one table row each.
#include <fstream>
#include <stdexcept>

#include "analysis/RaceJson.h"
#include "app/BatchCommand.h"

namespace app {

namespace {

std::ofstream OpenOutput(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error(path + ": cannot write the file");
  return out;
}

void WriteJson(const LoadedRace& race, const BatchRequest& request, const std::string& path) {
  std::ofstream out = OpenOutput(path);
  out << analysis::RaceToJson(race.store, race.fit, request.full).dump(2) << '\n';
  if (!out.flush()) throw std::runtime_error(path + ": cannot write the file");
}

}  // namespace

const std::vector<OutputKind>& BatchOutputs() {
  static const std::vector<OutputKind> outputs = {
      {"--json", "--json OUT", "the loaded and analysed race as JSON", WriteJson},
  };
  return outputs;
}

}  // namespace app
