// The pieces of the drawing reader. Each takes its bytes from the one cursor and throws
// TReadError when the drawing ends early or says something it cannot hold; what was read
// completely before stays in the document.
#pragma once

#include <cstdint>

#include "jww/byte_reader.h"
#include "jww/jww_data.h"

namespace pennatran {

// The oldest version whose layout is known; older files end the load after the version.
constexpr int32_t kOldestReadableVersion = 220;

// Sizes the header tables, then reads the header up to the last text setting. Returns
// false, after the signature and the version only, for a version older than 2.20.
bool ReadHeader(TByteReader& in, TJwwData& doc);
// Reads the entities, the block definitions and, from version 700, the image section.
void ReadEntitySection(TByteReader& in, TJwwData& doc);

}  // namespace pennatran
