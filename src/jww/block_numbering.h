// Which block definitions a drawing reaches and the numbers they get in a saved file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "jww/jww_data.h"

namespace pennatran {

// The definition an insert of a block number places: the first in BlockDefs carrying it.
class TBlockDefsByNumber {
 public:
  explicit TBlockDefsByNumber(const TJwwData& doc);

  // Index in BlockDefs; -1 when no definition carries the number.
  int32_t Find(uint32_t number) const;

 private:
  std::unordered_map<uint32_t, int32_t> First;
};

// By index in BlockDefs, whether an insert of the drawing places the definition, directly
// or through the inserts of definitions it reaches. Each definition is entered once, so a
// definition that inserts itself (directly or through others) cannot make the walk run
// forever. Time grows linearly with the definitions and their inserts.
std::vector<bool> ReachedBlockDefs(const TJwwData& doc, const TBlockDefsByNumber& byNumber);

// Worked out from the inserts themselves rather than from the document's derived Used
// flags, so a save is right even when those flags are stale, and leaves them alone.
class TBlockNumbering {
 public:
  // A definition is used when ReachedBlockDefs says the drawing reaches it.
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
  TBlockDefsByNumber ByNumber;
  std::vector<int32_t> Index;
  int32_t Used = 0;
};

}  // namespace pennatran
