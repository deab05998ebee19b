// The load's warnings about what the readers met, kept printable and few.
#include "race/LoadNotes.h"

#include <utility>

#include "race/InputError.h"
#include "race/PrintableText.h"

namespace race {

void AddLoadNote(RaceStore& store, WarningKind kind, std::vector<std::string> values) {
  if (store.warnings.size() < kMaxLoadNotes) {
    for (std::string& value : values) value = Printable(value, kMaxMessagePart);
    Warn(store, kind, std::move(values));
  } else if (store.warnings.size() == kMaxLoadNotes) {
    Warn(store, WarningKind::kMoreWarnings, {});
  }
}

}  // namespace race
