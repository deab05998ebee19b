// Focus from the boat list: Shift picks a boat for a lasting halo, the right button focuses one boat
// alone, the left button toggles one, and the header brings every boat back.
#include "playback/BoatList.h"

namespace playback {

int CountUnfocused(const race::RaceStore& store) {
  int count = 0;
  for (int b = 1; b <= store.boatCount; ++b) count += store.boatShown[b] < 1 ? 1 : 0;
  return count;
}

int sBoatMouseDown(race::RaceStore& store, std::vector<bool>& checks, view::Pointer& pointer, int b,
                   Button button, bool shift) {
  checks.resize(static_cast<size_t>(store.boatCount) + 1, true);
  if (b < 1 || b > store.boatCount) return CountUnfocused(store);
  if (shift) {
    pointer.pickedBoat = pointer.pickedBoat == b ? 0 : b;
    checks[b] = !checks[b];
    store.boatShown[b] = checks[b] ? 1 : 0;
  } else if (button == Button::Right) {
    for (int i = 1; i <= store.boatCount; ++i) {
      checks[i] = i == b;
      store.boatShown[i] = i == b ? 1 : 0;
    }
  } else {
    checks[b] = !checks[b];
    store.boatShown[b] = checks[b] ? 1 : 0;
  }
  return CountUnfocused(store);
}

int Label1MouseDown(race::RaceStore& store, std::vector<bool>& checks) {
  checks.assign(static_cast<size_t>(store.boatCount) + 1, true);
  for (int b = 1; b <= store.boatCount; ++b) store.boatShown[b] = 1;
  return CountUnfocused(store);
}

std::optional<PointerTip> Label1MouseMove(view::Pointer& pointer, int tipsOn) {
  pointer.focusBoat = 0;
  if (tipsOn != 1) return std::nullopt;
  return PointerTip::FocusAll;
}

void CheckBox2Click(view::Pointer& pointer, bool checked) {
  pointer.nameMode = checked ? 1 : 0;
}

}  // namespace playback
