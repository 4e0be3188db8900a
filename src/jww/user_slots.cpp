#include "jww/user_slots.h"

#include <algorithm>

namespace pennatran {

std::vector<TSlot> UserSlots(TSlotKind kind) {
  std::vector<TSlot> slots;
  slots.reserve(static_cast<size_t>(UserSlotCount(kind)));
  for (int32_t n = kFirstUserSlot; n < SlotCount(kind); ++n) slots.emplace_back(n);
  return slots;
}

TSlotSet AllUserSlots() {
  return {UserSlots(TSlotKind::Color), UserSlots(TSlotKind::LineType)};
}

bool Holds(const std::vector<TSlot>& slots, TSlot slot) {
  return std::binary_search(slots.begin(), slots.end(), slot);
}

}  // namespace pennatran
