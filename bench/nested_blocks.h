// Load time of a drawing whose block placements nest deep and repeat often.
#pragma once

#include <filesystem>

namespace pennatran::bench {

// Median milliseconds to load a chain of 256 block definitions, each inserting the next,
// inserted 8000 times at the top level (2 048 000 placements before the bounds).
double NestedBlocksMilliseconds(const std::filesystem::path& folder, int runs);

}  // namespace pennatran::bench
