// Comparing the user slots of two palettes field by field: the diff and audit commands and
// the window's marks on the destination lines share it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "palette/palette_file.h"

namespace pennatran {

struct TFieldChange {
  bool IsColor = true;  // else a line type slot
  int32_t Slot = 0;
  std::string Field;   // the record field, e.g. "ScreenColor", "Pitch3"
  std::string Before;  // UTF-8; colours as "#RRGGBB" as in palette files
  std::string After;
};

// Every differing field of the given list lines, colours first, in slot order, both sides
// taken in the form a save settles them in (slot_canonical.h). Lines that either palette
// does not hold are left out.
std::vector<TFieldChange> CompareSlots(const TPalette& before, const TPalette& after,
                                       const std::vector<int32_t>& colorLines,
                                       const std::vector<int32_t>& lineTypeLines);

// "colour No.23 ScreenColor #C6FF8C → #FFA000".
std::string ChangeText(const TFieldChange& change);

struct TSlotRef {
  bool IsColor = true;
  int32_t Slot = 0;
  bool operator==(const TSlotRef&) const = default;
};
// The slots the changes touch, each once, in order.
std::vector<TSlotRef> ChangedSlots(const std::vector<TFieldChange>& changes);
// For each of the 240 colour (16 line type) list lines, whether that slot differs between
// the two palettes; false where either does not hold it.
std::vector<bool> DifferingColorLines(const TPalette& a, const TPalette& b);
std::vector<bool> DifferingLineTypeLines(const TPalette& a, const TPalette& b);

// "colour No.23" / "line type No.17".
std::string SlotText(const TSlotRef& slot);

}  // namespace pennatran
