// One form for a user slot: the values a further save and load leave unchanged. Every
// comparison of user slots (apply's "unchanged", diff, audit, the "≠" marks) goes through
// it, so that a drawing whose blank names and patterns a save fills in still matches the
// palette it was given.
#pragma once

#include "jww/jww_types.h"
#include "jww/user_slots.h"
#include "palette/palette_file.h"

namespace pennatran {

// Numbers compare by value, except that every NaN equals every NaN (and -0 equals 0).
bool SameNumber(double a, double b);
// Field by field, numbers by SameNumber.
bool SameSlot(const TEntJwwColorExNo& a, const TEntJwwColorExNo& b);
bool SameSlot(const TEntJwwLineTypeExNo& a, const TEntJwwLineTypeExNo& b);

// The entry of user slot `slot` as it reads back once saving and loading it again changes
// nothing: the writer's rules for the slot applied, and its name through the writer's and
// the reader's cleaning.
TEntJwwColorExNo CanonicalSlot(const TEntJwwColorExNo& entry, TSlot slot);
TEntJwwLineTypeExNo CanonicalSlot(const TEntJwwLineTypeExNo& entry, TSlot slot);
// The palette with every held slot in that form.
TPalette CanonicalPalette(const TPalette& palette);

}  // namespace pennatran
