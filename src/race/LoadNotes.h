// The load's warnings about what the readers met and dealt with (a glitch fix dropped, a link not followed,
// a file that cannot be read, wind put in time order): their values quote the race's files and names.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "race/LoadWarning.h"
#include "race/RaceStore.h"

namespace race {

// A load keeps at most this many notes; the rest are counted in one more line.
inline constexpr std::size_t kMaxLoadNotes = 100;

// Adds a warning of kind to the store's list, its values made printable and cut short.
void AddLoadNote(RaceStore& store, WarningKind kind, std::vector<std::string> values);
// Adds a warning already made printable to the store's list under the same limit.
void KeepLoadNote(RaceStore& store, LoadWarning note);

}  // namespace race
