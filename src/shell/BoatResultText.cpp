// Names with the points a boat missed, so a boat placed behind slower boats shows why.
#include "shell/BoatResultText.h"

#include "analysis/MarkPassings.h"
#include "shell/Texts.h"

namespace shell {

std::string NameWithMissedPoints(const race::RaceStore& store, int boat, int englishTexts) {
  const std::string missed = analysis::MissedPointNames(store, boat);
  const std::string& name = store.boatName[static_cast<std::size_t>(boat)];
  return missed.empty() ? name : name + Text(TextId::MissedPoints, englishTexts, {missed});
}

}  // namespace shell
