// Expansion of block inserts into the flat table of placements.
#pragma once

#include <cstddef>

#include "jww/jww_data.h"

namespace pennatran {

// Most placements a drawing expands to. A few nested inserts can multiply into billions
// of placements; past this (about 250 MB of table) further placements are not added.
constexpr size_t kMaxBlockTreeNodes = 2'000'000;

// BuildBlockTree with a chosen bound on the number of placements. Definitions the drawing
// reaches are marked used whether or not their placements fit under the bound.
void ExpandBlockTree(TJwwData& doc, size_t maxNodes);

}  // namespace pennatran
