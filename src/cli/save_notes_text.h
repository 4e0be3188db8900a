// Telling the user which values of a palette file a save will not keep as given.
#pragma once

#include <vector>

#include "palette/palette_save_notes.h"

namespace pennatran {

// One line on stderr per kind of change and kind of slot, e.g. "pennatran-cli: 3 colour
// slots: the print colour is saved as the screen colour."; with verbose the slots follow.
void ReportSaveNotes(const std::vector<TSaveNote>& notes, bool verbose);

}  // namespace pennatran
