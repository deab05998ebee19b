// Fuzz target: the decoding every text input goes through (UTF-8, Shift-JIS or UTF-16) and its line
// splitting.
#include <sstream>

#include "FuzzFolder.h"
#include "race/Fields.h"
#include "race/InputError.h"
#include "race/TextInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in{std::string(fuzzing::Bytes(data, size))};
  race::TextLines lines(in, "raceadmin/fuzz.txt");
  std::string_view line;
  race::Fields fields;
  try {
    while (lines.Next(line)) race::SplitFields(line, ',', fields);
  } catch (const race::InputError&) {
  }
  return 0;
}
