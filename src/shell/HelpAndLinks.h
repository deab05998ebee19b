// The files the small commands hand to the desktop: the help page in the user's language (or the other
// one), and the race's attachments one after another. Only plain files inside attachment/ are offered, so
// a race file cannot make the desktop open a program or a path elsewhere.
#pragma once

#include <optional>
#include <string>

#include "race/RaceStore.h"

namespace shell {

// help-e/index.html for English texts, help/index.html for Japanese, each falling back to the other; none
// when neither exists. programFolder ends in '/'.
std::optional<std::string> HelpPage(const std::string& programFolder, int englishTexts);

// Moves attachmentIndex on by one, round to 1 after the last, and returns that attachment's path when it
// is a plain file (not a link) inside the attachment folder. Nothing moves when the race has none.
std::optional<std::string> NextAttachment(race::RaceStore& store);

}  // namespace shell
