// The values of a palette file that a save will not keep as given, in the ways a user may
// not expect. Blank names and patterns are left out: a save fills those in as it always has.
#pragma once

#include <vector>

#include "jww/user_slots.h"

namespace pennatran {

struct TPalette;

enum class TSaveChange {
  PrintColorIsScreenColor,  // a user colour prints in its screen colour
  NameControlsDropped,      // control characters are dropped from the name
  NameCaretMDropped,        // "^m" is dropped from the name
  LineTypeReplaced,         // a segment count other than 2, 4, 6, 8 gives a plain type
};

struct TSaveNote {
  TSaveChange Change = TSaveChange::PrintColorIsScreenColor;
  TSlotKind Kind = TSlotKind::Color;
  TSlot Slot;

  bool operator==(const TSaveNote&) const = default;
};

// Every such change of the held slots, colours first, in slot order.
std::vector<TSaveNote> SaveNotes(const TPalette& palette);

}  // namespace pennatran
