// The command line's words for a refused slot selection: one sentence with its full stop,
// led by the option it came from ("--colors: the range "20-17" runs backwards.").
#pragma once

#include <string>

#include "palette/palette_file.h"
#include "palette/slot_selection.h"

namespace pennatran {

std::string SlotSelectionText(const std::string& option, const TSlotSelectionError& error);
// The same for a choice against a source, naming --colors or --linetypes.
std::string SlotChoiceText(const TSlotChoice& choice);

}  // namespace pennatran
