// Synthetic drawings for benchmarks and load tests: N entities in a realistic mix,
// deterministic for a given seed.
#pragma once

#include <cstdint>
#include <filesystem>

#include "jww/jww_data.h"

namespace pennatran {

// About 60 % lines, 15 % arcs and circles, 8 % texts with Japanese content, 5 % dimensions,
// 5 % solids, 4 % points, 3 % inserts of 50 block definitions (some nested).
void MakeSyntheticDrawing(TJwwData& doc, int64_t entityCount, uint32_t seed);
// The same drawing saved as a version 7.00 file; false when it cannot be written.
bool SaveSyntheticDrawing(const std::filesystem::path& file, int64_t entityCount, uint32_t seed);

}  // namespace pennatran
