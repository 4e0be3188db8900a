// The pieces of the drawing reader. Each takes its bytes from the one cursor and throws
// TReadError when the drawing ends early or says something it cannot hold; what was read
// completely before stays in the document.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "jww/byte_reader.h"
#include "jww/format_versions.h"
#include "jww/jww_data.h"

namespace pennatran {

// The eight bytes every drawing begins with.
constexpr std::string_view kJwwSignature = "JwwData.";

// Sizes the header tables (the pens once both of their rows are read), then reads the
// header up to the last text setting. Returns false, after the signature and the version
// only, for a version older than 2.20.
bool ReadHeader(TByteReader& in, TJwwData& doc);
// Told, now and then, the offset before which the reader will not look at the bytes again.
using TConsumedBytes = std::function<void(size_t offset)>;

// Reads the entities, the block definitions and, from version 700, the image section.
// `consumed`, when given, lets the owner of the bytes give back what is read.
void ReadEntitySection(TByteReader& in, TJwwData& doc, const TConsumedBytes& consumed = {});

}  // namespace pennatran
