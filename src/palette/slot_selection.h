// The SEL argument of the copy command: "all" or slot numbers and ranges such as
// "17-20,31".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "jww/user_slots.h"

namespace pennatran {

// Why a selection was refused; the front ends word it with the option it came from.
enum class TSlotSelectionFailure {
  None,
  NotASlot,    // Item is neither a slot number nor a range such as 17-20
  Backwards,   // the range Item runs backwards
  OutOfRange,  // Item lies outside FirstSlot..LastSlot
  NotHeld,     // Slot is not in the source
};
struct TSlotSelectionError {
  TSlotSelectionFailure Failure = TSlotSelectionFailure::None;
  std::string Item;  // as written, blanks around it removed
  int32_t FirstSlot = 0;
  int32_t LastSlot = 0;
  int32_t Slot = 0;
};

struct TSlotSelection {
  std::vector<TSlot> Slots;  // ascending, each once
  TSlotSelectionError Error;

  bool Ok() const { return Error.Failure == TSlotSelectionFailure::None; }
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
