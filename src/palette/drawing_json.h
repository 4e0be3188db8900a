// A loaded drawing as JSON, for `info`: every record by its field names as the record tables
// (jww/record_tables.h) give them, Shift-JIS text as UTF-8.
#pragma once

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

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
// An array member of an object, built one element at a time: Element fills the element
// of an index, or returns false for an index that gives none.
struct TJsonArrayMember {
  std::string Key;
  size_t Count = 0;
  std::function<bool(size_t, TJson&)> Element;
};

// "entities" (in EntityOrder order), "blockDefs" and "blockTree", built as they are
// written: a drawing whose blocks fan out has more of them than memory holds at once.
// The members refer to doc.
std::vector<TJsonArrayMember> EntityMembers(const TJwwData& doc);

}  // namespace pennatran
