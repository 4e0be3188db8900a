// Expansion of block inserts into the flat table of placements.
#pragma once

#include <cstddef>

#include "jww/jww_data.h"

namespace pennatran {

// Most placements a drawing expands to. A few nested inserts can multiply into billions
// of placements; past this (about 250 MB of table) further placements are not added.
constexpr size_t kMaxBlockTreeNodes = 2'000'000;
// Most entities all placements together may show. Each placement draws its definition's
// entities, so a few placements of large definitions would keep the preview busy for
// minutes; past this bound further placements are not added either.
constexpr size_t kMaxPlacedEntities = 4'000'000;
// Deepest nesting expanded. Each placement is checked against its ancestors for cycles, so
// an unbounded chain of definitions would cost the square of its length.
constexpr int32_t kMaxBlockDepth = 256;

// BuildBlockTree with chosen bounds on the number of placements and on the entities they
// place. Definitions the drawing reaches are marked used whether or not their placements
// fit under the bounds, so saving never depends on them.
void ExpandBlockTree(TJwwData& doc, size_t maxNodes, size_t maxPlacedEntities = kMaxPlacedEntities);

}  // namespace pennatran
