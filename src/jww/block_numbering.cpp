#include "jww/block_numbering.h"

namespace pennatran {

TBlockNumbering::TBlockNumbering(const TJwwData& doc) : Index(doc.BlockDefs.size(), -1) {
  for (size_t d = 0; d < doc.BlockDefs.size(); ++d) {
    FirstWithNumber.try_emplace(doc.BlockDefs[d].Number, d);
  }
  // Breadth-first over definitions; each is entered once, so a definition that inserts
  // itself (directly or through others) cannot make the walk run forever.
  std::vector<bool> reached(doc.BlockDefs.size(), false);
  std::vector<size_t> pending;
  auto reach = [&](const TRecordArray<TEntJwwBlockInsert>& inserts) {
    for (const TEntJwwBlockInsert& insert : inserts) {
      // A copy: the packed field cannot be bound to the reference find takes.
      const uint32_t number = insert.BlockNumber;
      auto found = FirstWithNumber.find(number);
      if (found == FirstWithNumber.end() || reached[found->second]) continue;
      reached[found->second] = true;
      pending.push_back(found->second);
    }
  };
  reach(doc.Inserts);
  for (size_t next = 0; next < pending.size(); ++next) reach(doc.BlockDefs[pending[next]].Inserts);

  for (size_t d = 0; d < reached.size(); ++d) {
    if (reached[d]) Index[d] = Used++;
  }
}

int32_t TBlockNumbering::WrittenNumber(uint32_t number) const {
  auto found = FirstWithNumber.find(number);
  if (found == FirstWithNumber.end()) return Used;
  return IsUsed(found->second) ? Index[found->second] : static_cast<int32_t>(number);
}

}  // namespace pennatran
