// Fuzz target: the decoding every text input goes through (UTF-8, else Shift-JIS) and its line splitting.
#include "FuzzFolder.h"
#include "race/Fields.h"
#include "race/TextInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = race::DecodeText(std::string(fuzzing::Bytes(data, size)));
  race::LineReader lines(text);
  std::string_view line;
  race::Fields fields;
  while (lines.Next(line)) race::SplitFields(line, ',', fields);
  return 0;
}
