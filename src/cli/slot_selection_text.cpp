#include "cli/slot_selection_text.h"

#include "cli/cli_text.h"

namespace pennatran {

std::string SlotSelectionText(const std::string& option, const TSlotSelectionError& error) {
  switch (error.Failure) {
    case TSlotSelectionFailure::None:
      break;
    case TSlotSelectionFailure::NotASlot:
      return Tr("selection", "%1: \"%2\" is not a slot number or a range such as 17-20.")
          .Arg(option)
          .Arg(error.Item)
          .Str();
    case TSlotSelectionFailure::Backwards:
      return Tr("selection", "%1: the range \"%2\" runs backwards.")
          .Arg(option)
          .Arg(error.Item)
          .Str();
    case TSlotSelectionFailure::OutOfRange:
      return Tr("selection", "%1: \"%2\" lies outside the slots %3..%4.")
          .Arg(option)
          .Arg(error.Item)
          .Arg(error.FirstSlot)
          .Arg(error.LastSlot)
          .Str();
    case TSlotSelectionFailure::NotHeld:
      return Tr("selection", "%1: slot %2 is not in the source.").Arg(option).Arg(error.Slot).Str();
  }
  return {};
}

std::string SlotChoiceText(const TSlotChoice& choice) {
  return SlotSelectionText(choice.ErrorInLineTypes ? "--linetypes" : "--colors", choice.Error);
}

}  // namespace pennatran
