// The values the writer puts on disk in place of stored ones. The document keeps its own
// values; these functions return the normalised copies that get written.
#pragma once

#include <cstdint>

#include "jww/jww_types.h"

namespace pennatran {

// Colours outside 0..FFFFFF become 0, widths are clamped (screen 1..16, print 1..500), the
// point radius to 0.1..10; pen 0 always prints white.
TEntJwwPen WrittenPen(const TEntJwwPen& pen, int32_t index);

// The eleventh drawing switch joined from its two parts; a tens digit of 0 becomes 1.
int32_t WrittenEleventhSwitch(const TEntJwwHeader& header);

// The cleaned name, "Color_<slot>" when blank; user slots (17..256) print in their screen
// colour.
TEntJwwColorExNo WrittenColorSlot(const TEntJwwColorExNo& entry, int32_t slot);

// The cleaned name, "LType_<slot>" when blank; a pattern of 0 becomes FFFFFFFF. A user slot
// (17..32) whose segment count is not 2, 4, 6 or 8 is replaced by a plain two-segment type.
TEntJwwLineTypeExNo WrittenLineTypeSlot(const TEntJwwLineTypeExNo& entry, int32_t slot);

// Which attribute checks a common part gets: a dimension's lines count as lines, its text
// as a text, its points as points.
enum class TCommonKind { Line, Point, Text, Dimension, Solid, Block };

// Line types and colours outside the kind's ranges are replaced, layers and layer groups
// above 15 become 0, widths above 30000 become 0.
TEntJwwCommon WrittenCommon(const TEntJwwCommon& common, TCommonKind kind);

}  // namespace pennatran
