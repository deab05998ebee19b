// A boat's name as the boat list and the score panel show it: with the course points it missed, if any.
#pragma once

#include <string>

#include "race/RaceStore.h"

namespace shell {

std::string NameWithMissedPoints(const race::RaceStore& store, int boat, int englishTexts);

}  // namespace shell
