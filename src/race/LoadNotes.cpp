// The load's warnings about what the readers met, kept printable and few.
#include "race/LoadNotes.h"

#include <utility>

#include "race/InputError.h"
#include "race/PrintableText.h"

namespace race {

void AddLoadNote(RaceStore& store, WarningKind kind, std::vector<std::string> values) {
  if (store.warnings.size() > kMaxLoadNotes) return;
  for (std::string& value : values) value = Printable(value, kMaxMessagePart);
  KeepLoadNote(store, LoadWarning{kind, std::move(values)});
}

void KeepLoadNote(RaceStore& store, LoadWarning note) {
  if (store.warnings.size() < kMaxLoadNotes) {
    store.warnings.push_back(std::move(note));
  } else if (store.warnings.size() == kMaxLoadNotes) {
    Warn(store, WarningKind::kMoreWarnings, {});
  }
}

}  // namespace race
