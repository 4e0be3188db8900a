// Comparing the user slots of two palettes field by field: the diff and audit commands and
// the window's marks on the destination lines share it.
#pragma once

#include <string>
#include <vector>

#include "jww/user_slots.h"
#include "palette/palette_file.h"

namespace pennatran {

struct TFieldChange {
  TSlotKind Kind = TSlotKind::Color;
  TSlot Slot;
  std::string Field;   // the record field, e.g. "ScreenColor", "Pitch3"
  std::string Before;  // UTF-8; colours as "#RRGGBB" as in palette files
  std::string After;
};

// Every differing field of the given slots, colours first, in slot order, both sides taken
// in the form a save settles them in (slot_canonical.h). Slots that either palette does not
// hold are left out.
std::vector<TFieldChange> CompareSlots(const TPalette& before, const TPalette& after,
                                       const TSlotSet& slots);

// "colour No.23 ScreenColor #C6FF8C → #FFA000".
std::string ChangeText(const TFieldChange& change);

struct TSlotRef {
  TSlotKind Kind = TSlotKind::Color;
  TSlot Slot;
  bool operator==(const TSlotRef&) const = default;
};
// The slots the changes touch, each once, in order.
std::vector<TSlotRef> ChangedSlots(const std::vector<TFieldChange>& changes);
// The user slots of a kind that differ between the two palettes, ascending; a slot that
// either does not hold is not among them.
std::vector<TSlot> DifferingSlots(const TPalette& a, const TPalette& b, TSlotKind kind);

// "colour No.23" / "line type No.17".
std::string SlotText(const TSlotRef& slot);

}  // namespace pennatran
