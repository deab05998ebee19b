// The report's last section: every boat's tacks and gybes with what each cost.
#pragma once

#include <string>

#include "race/RaceStore.h"

namespace pages {

inline constexpr const char* kManoeuvreTitle = "Tacks and gybes";

// The section's lines, each ended by CR LF: the title, a header, then one row per manoeuvre in boat order;
// empty when no boat made one (races without tracks keep their report as it was).
std::string ManoeuvreSectionText(const race::RaceStore& store);

}  // namespace pages
