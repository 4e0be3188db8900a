// A JSON object too big to build whole in memory, written a piece at a time.
#pragma once

#include <cstddef>
#include <ostream>
#include <vector>

#include "palette/drawing_json.h"

namespace pennatran {

// Writes head with arrays as members after its own, byte for byte as JsonText would write
// the whole object, building one element at a time. Returns false as soon as the text
// grows past limit bytes. With out null it only measures, so that a caller can refuse an
// output before printing any of it.
bool WriteJsonObject(const TJson& head, const std::vector<TJsonArrayMember>& arrays, size_t limit,
                     std::ostream* out);

}  // namespace pennatran
