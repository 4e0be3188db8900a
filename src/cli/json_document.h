// A loaded drawing as JSON: every record by its field names, Shift-JIS text as UTF-8.
#pragma once

#include <nlohmann/json.hpp>

#include "jww/jww_data.h"

namespace pennatran {

using TJson = nlohmann::ordered_json;

// A double as JSON: a number that reads back to the same value; NaN and the infinities,
// which JSON numbers cannot carry, as the strings "NaN", "Infinity" and "-Infinity".
TJson JsonDouble(double value);

// Adds "signature", "version", "header", the settings tables, "counts", "blockTreeLimited"
// (the block placements stopped at a bound), "images" and "extents" (the document's extent
// fields as they stand) to out.
void AddDocumentJson(TJson& out, const TJwwData& doc);
// Adds "entities" (in EntityOrder order), "blockDefs" and "blockTree" to out.
void AddEntitiesJson(TJson& out, const TJwwData& doc);

}  // namespace pennatran
