// The load's warnings.
#include "race/LoadWarnings.h"

#include "race/InputError.h"
#include "race/PrintableText.h"

namespace race {

void AddWarning(std::vector<std::string>& warnings, std::string_view text) {
  if (warnings.size() < kMaxWarnings) {
    warnings.push_back(Printable(text, kMaxMessagePart));
  } else if (warnings.size() == kMaxWarnings) {
    warnings.push_back("more warnings left out");
  }
}

}  // namespace race
