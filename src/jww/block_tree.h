// Expansion of block inserts into the flat table of placements.
#pragma once

#include <cstddef>

#include "jww/jww_data.h"

namespace pennatran {

// Most placements a drawing expands to. A few nested inserts can multiply into billions
// of placements; past this (about 250 MB of table) further placements are not added.
constexpr size_t kMaxBlockTreeNodes = 2'000'000;
// Most entities all placements together may show. Each placement draws its definition's
// entities, so a fan-out of nested inserts could keep the preview busy for hours; past this
// bound (a preview of some seconds) further placements are not added either.
constexpr size_t kMaxPlacedEntities = 20'000'000;
// Deepest nesting expanded; deeper placements are not added.
constexpr int32_t kMaxBlockDepth = 256;

// BuildBlockTree with chosen bounds on the number of placements and on the entities they
// place. Reaching a bound sets doc.BlockTreeLimited. Definitions the drawing reaches are
// marked used whether or not their placements fit under the bounds, so saving never
// depends on them. Time and memory grow linearly with the placements.
void ExpandBlockTree(TJwwData& doc, size_t maxNodes, size_t maxPlacedEntities = kMaxPlacedEntities);

}  // namespace pennatran
