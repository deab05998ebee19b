// The warnings of a load, shown once in one list the user closes when read; the race plays on meanwhile.
#pragma once

#include <QWidget>
#include <vector>

#include "race/LoadWarning.h"

namespace shell {

inline constexpr char kLoadWarningsName[] = "loadWarnings";

// Replaces the list of the previous load (if still open) by one for these warnings, worded in the language
// englishTexts selects; shows nothing when there are none.
void ShowLoadWarnings(QWidget* window, const std::vector<race::LoadWarning>& warnings, int englishTexts);

}  // namespace shell
