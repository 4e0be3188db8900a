// The picture of a user line type in a list: where its dashes fall along a swatch a given
// number of pixels wide. The preview itself draws every line type other than solid with
// one dotted pen; the swatch tells the slots apart.
#pragma once

#include <cstdint>
#include <vector>

#include "jww/jww_types.h"

namespace pennatran {

// A drawn run of the swatch, in whole pixels from its left end.
struct TSwatchDash {
  int32_t Start = 0;
  int32_t Length = 0;
  bool operator==(const TSwatchDash&) const = default;
};

// A slot of 2, 4, 6 or 8 segments: its pitches in order (dash, gap, dash, ...; their sizes,
// whatever their signs) scaled so that two periods fill the width, every dash at least one
// pixel. Any other slot, or one whose pitches add up to nothing: its 32-bit pattern, one
// bit per pixel from the highest bit, repeated.
std::vector<TSwatchDash> LineTypeSwatchDashes(const TEntJwwLineTypeExNo& lineType, int32_t width);

}  // namespace pennatran
