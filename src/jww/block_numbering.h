// Which block definitions a drawing reaches and the numbers they get in a saved file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "jww/jww_data.h"

namespace pennatran {

// Worked out from the inserts themselves rather than from the document's derived Used
// flags, so a save is right even when those flags are stale, and leaves them alone.
class TBlockNumbering {
 public:
  // A definition is used when an insert of the drawing, directly or through other used
  // definitions, names its number (the first definition carrying a number takes it).
  explicit TBlockNumbering(const TJwwData& doc);

  bool IsUsed(size_t defIndex) const { return Index[defIndex] >= 0; }
  // Position among the used definitions in BlockDefs order; -1 when not used.
  int32_t UsedIndex(size_t defIndex) const { return Index[defIndex]; }
  int32_t UsedCount() const { return Used; }
  // The block number an insert of `number` is written with: the used index of the first
  // definition with that number, the number itself for an unused one. When none has it,
  // UsedCount(): the written definitions are numbered below it, so the insert stays
  // without a definition instead of placing the first one.
  int32_t WrittenNumber(uint32_t number) const;

 private:
  std::unordered_map<uint32_t, size_t> FirstWithNumber;
  std::vector<int32_t> Index;
  int32_t Used = 0;
};

}  // namespace pennatran
