// Lines for the load's warnings worded here, in English: what the readers met and dealt with (a glitch fix
// dropped, a link not followed, a file that cannot be read, wind put in time order).
#pragma once

#include <cstddef>
#include <string_view>

#include "race/RaceStore.h"

namespace race {

// A load keeps at most this many notes; the rest are counted in one more line.
inline constexpr std::size_t kMaxLoadNotes = 100;

// Adds a line to the store's warnings, made printable and cut short (it quotes the race's files and names).
void AddLoadNote(RaceStore& store, std::string_view text);

}  // namespace race
