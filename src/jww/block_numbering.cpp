#include "jww/block_numbering.h"

namespace pennatran {

TBlockDefsByNumber::TBlockDefsByNumber(const TJwwData& doc) {
  for (size_t d = 0; d < doc.BlockDefs.size(); ++d) {
    First.try_emplace(doc.BlockDefs[d].Number, static_cast<int32_t>(d));
  }
}

int32_t TBlockDefsByNumber::Find(uint32_t number) const {
  const auto found = First.find(number);
  return found == First.end() ? -1 : found->second;
}

std::vector<bool> ReachedBlockDefs(const TJwwData& doc, const TBlockDefsByNumber& byNumber) {
  std::vector<bool> reached(doc.BlockDefs.size(), false);
  std::vector<int32_t> pending;
  auto reach = [&](const TRecordArray<TEntJwwBlockInsert>& inserts) {
    for (const TEntJwwBlockInsert& insert : inserts) {
      const int32_t index = byNumber.Find(insert.BlockNumber);
      if (index < 0 || reached[static_cast<size_t>(index)]) continue;
      reached[static_cast<size_t>(index)] = true;
      pending.push_back(index);
    }
  };
  reach(doc.Inserts);
  while (!pending.empty()) {
    const int32_t index = pending.back();
    pending.pop_back();
    reach(doc.BlockDefs[static_cast<size_t>(index)].Inserts);
  }
  return reached;
}

TBlockNumbering::TBlockNumbering(const TJwwData& doc)
    : ByNumber(doc), Index(doc.BlockDefs.size(), -1) {
  const std::vector<bool> reached = ReachedBlockDefs(doc, ByNumber);
  for (size_t d = 0; d < reached.size(); ++d) {
    if (reached[d]) Index[d] = Used++;
  }
}

int32_t TBlockNumbering::WrittenNumber(uint32_t number) const {
  const int32_t index = ByNumber.Find(number);
  if (index < 0) return Used;
  return IsUsed(static_cast<size_t>(index)) ? Index[static_cast<size_t>(index)]
                                            : static_cast<int32_t>(number);
}

}  // namespace pennatran
