// A load's warnings as the batch command prints them, for tests to compare whole.
#pragma once

#include <string>
#include <vector>

#include "race/RaceStore.h"

namespace testsupport {

inline std::vector<std::string> WarningTexts(const race::RaceStore& store) {
  std::vector<std::string> texts;
  for (const race::LoadWarning& warning : store.warnings) texts.push_back(race::WarningText(warning));
  return texts;
}

}  // namespace testsupport
