// Lines for the load's warnings worded by the readers.
#include "race/LoadNotes.h"

#include "race/InputError.h"
#include "race/PrintableText.h"

namespace race {

void AddLoadNote(RaceStore& store, std::string_view text) {
  if (store.warnings.size() < kMaxLoadNotes) {
    AddWarning(store.warnings, Printable(text, kMaxMessagePart));
  } else if (store.warnings.size() == kMaxLoadNotes) {
    AddWarning(store.warnings, "more warnings left out");
  }
}

}  // namespace race
