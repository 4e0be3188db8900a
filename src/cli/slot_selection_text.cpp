#include "cli/slot_selection_text.h"

namespace pennatran {
namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string Reason(const TSlotSelectionError& error) {
  switch (error.Failure) {
    case TSlotSelectionFailure::None:
      break;
    case TSlotSelectionFailure::NotASlot:
      return Quoted(error.Item) + " is not a slot number or a range such as 17-20";
    case TSlotSelectionFailure::Backwards:
      return "the range " + Quoted(error.Item) + " runs backwards";
    case TSlotSelectionFailure::OutOfRange:
      return Quoted(error.Item) + " lies outside the slots " + std::to_string(error.FirstSlot) +
             ".." + std::to_string(error.LastSlot);
    case TSlotSelectionFailure::NotHeld:
      return "slot " + std::to_string(error.Slot) + " is not in the source";
  }
  return {};
}

}  // namespace

std::string SlotSelectionText(const std::string& option, const TSlotSelectionError& error) {
  return option + ": " + Reason(error);
}

std::string SlotChoiceText(const TSlotChoice& choice) {
  return SlotSelectionText(choice.ErrorInLineTypes ? "--linetypes" : "--colors", choice.Error);
}

}  // namespace pennatran
