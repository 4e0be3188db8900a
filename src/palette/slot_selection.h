// The SEL argument of the copy command: "all" or slot numbers and ranges such as
// "17-20,31".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "jww/user_slots.h"

namespace pennatran {

struct TSlotSelection {
  std::vector<TSlot> Slots;  // ascending, each once
  std::string Error;         // empty when the text was understood

  bool Ok() const { return Error.empty(); }
};

// Parses text for the user slots of a kind. Items are separated by commas; an item is a
// slot or "low-high" with low <= high; blanks around items are allowed. Any slot outside
// the kind's user slots, an empty item or anything else not understood makes the whole
// selection an error.
TSlotSelection ParseSlotSelection(std::string_view text, TSlotKind kind);

// The same against a source that holds only the slots `held` (ascending), such as a
// palette file: "all" means those slots, and naming a slot it lacks is an error.
TSlotSelection SelectHeldSlots(std::string_view text, TSlotKind kind,
                               const std::vector<TSlot>& held);

}  // namespace pennatran
