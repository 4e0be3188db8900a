#include "jww/block_tree.h"

#include <cmath>
#include <unordered_map>
#include <vector>

namespace pennatran {
namespace {

// The first definition carrying each block number.
using TFirstByNumber = std::unordered_map<uint32_t, int32_t>;

TFirstByNumber IndexByNumber(const TJwwData& doc) {
  TFirstByNumber first;
  for (size_t i = 0; i < doc.BlockDefs.size(); ++i) {
    first.emplace(doc.BlockDefs[i].Number, static_cast<int32_t>(i));
  }
  return first;
}

int32_t Find(const TFirstByNumber& first, uint32_t number) {
  const auto it = first.find(number);
  return it == first.end() ? -1 : it->second;
}

struct TMatrix {
  double M11, M12, M21, M22;
};

TMatrix InsertMatrix(const TEntJwwBlockInsert& insert) {
  const double c = std::cos(insert.Rotation);
  const double s = std::sin(insert.Rotation);
  return {c * insert.ScaleX, -s * insert.ScaleY, s * insert.ScaleX, c * insert.ScaleY};
}

void Name(TEntJwwBlockTree& node, const TJwwData& doc, const TFirstByNumber& first,
          uint32_t number) {
  node.BlockNumber = static_cast<int32_t>(number);
  node.BlockIndex = Find(first, number);
  if (node.BlockIndex >= 0) node.BlockName = doc.BlockDefs[node.BlockIndex].Name;
}

// True when the definition of node k already occurs among its ancestors: expanding it
// again would repeat forever.
bool RepeatsAncestor(const TRecordArray<TEntJwwBlockTree>& tree, size_t k) {
  const int32_t index = tree[k].BlockIndex;
  for (int32_t p = tree[k].Parent; p >= 0; p = tree[p].Parent) {
    if (tree[p].BlockIndex == index) return true;
  }
  return false;
}

// Marks every definition the drawing reaches through inserts, directly or nested.
void MarkUsed(TJwwData& doc, const TFirstByNumber& first) {
  std::vector<int32_t> pending;
  auto reach = [&](uint32_t number) {
    const int32_t index = Find(first, number);
    if (index >= 0 && !doc.BlockDefs[index].Used) {
      doc.BlockDefs[index].Used = true;
      pending.push_back(index);
    }
  };
  for (const TEntJwwBlockInsert& insert : doc.Inserts) reach(insert.BlockNumber);
  while (!pending.empty()) {
    const int32_t index = pending.back();
    pending.pop_back();
    for (const TEntJwwBlockInsert& insert : doc.BlockDefs[index].Inserts) {
      reach(insert.BlockNumber);
    }
  }
}

}  // namespace

void ExpandBlockTree(TJwwData& doc, size_t maxNodes, size_t maxPlacedEntities) {
  doc.BlockTree = {};
  doc.UsedBlockCount = 0;
  for (TEntJwwBlockDef& def : doc.BlockDefs) {
    def.Used = false;
    def.UsedIndex = -1;
  }
  if (doc.Inserts.empty()) return;
  const TFirstByNumber first = IndexByNumber(doc);
  TRecordArray<TEntJwwBlockTree>& tree = doc.BlockTree;
  tree.reserve(std::min(doc.Inserts.size(), maxNodes));
  size_t placed = 0;
  auto full = [&] { return tree.size() >= maxNodes || placed >= maxPlacedEntities; };
  auto count = [&](const TEntJwwBlockTree& node) {
    if (node.BlockIndex >= 0) placed += doc.BlockDefs[node.BlockIndex].Order.size();
  };
  for (const TEntJwwBlockInsert& insert : doc.Inserts) {
    if (full()) break;
    TEntJwwBlockTree node;
    node.Common = insert.Common;
    node.X = insert.X;
    node.Y = insert.Y;
    const TMatrix m = InsertMatrix(insert);
    node.M11 = m.M11;
    node.M12 = m.M12;
    node.M21 = m.M21;
    node.M22 = m.M22;
    Name(node, doc, first, insert.BlockNumber);
    count(node);
    tree.push_back(std::move(node));
  }
  // Breadth first: nodes appended here are expanded later in the same walk.
  for (size_t k = 0; k < tree.size() && !full(); ++k) {
    if (tree[k].BlockIndex < 0 || tree[k].Depth >= kMaxBlockDepth || RepeatsAncestor(tree, k)) {
      continue;
    }
    const TEntJwwBlockDef& def = doc.BlockDefs[tree[k].BlockIndex];
    for (const TEntJwwBlockInsert& insert : def.Inserts) {
      if (full()) break;
      const TEntJwwBlockTree& parent = tree[k];
      TEntJwwBlockTree node;
      node.Common = def.Common;
      node.Depth = parent.Depth + 1;
      node.Parent = static_cast<int32_t>(k);
      node.X = parent.X + parent.M11 * insert.X + parent.M12 * insert.Y;
      node.Y = parent.Y + parent.M21 * insert.X + parent.M22 * insert.Y;
      const TMatrix m = InsertMatrix(insert);
      node.M11 = parent.M11 * m.M11 + parent.M12 * m.M21;
      node.M12 = parent.M11 * m.M12 + parent.M12 * m.M22;
      node.M21 = parent.M21 * m.M11 + parent.M22 * m.M21;
      node.M22 = parent.M21 * m.M12 + parent.M22 * m.M22;
      Name(node, doc, first, insert.BlockNumber);
      count(node);
      tree.push_back(std::move(node));  // `parent` is not used past this point
    }
  }
  MarkUsed(doc, first);
  for (TEntJwwBlockDef& def : doc.BlockDefs) {
    if (def.Used) def.UsedIndex = doc.UsedBlockCount++;
  }
}

void TJwwData::BuildBlockTree() {
  ExpandBlockTree(*this, kMaxBlockTreeNodes);
}

int32_t TJwwData::UsedBlockIndex(uint32_t number) const {
  for (const TEntJwwBlockDef& def : BlockDefs) {
    if (def.Number == number) return def.Used ? def.UsedIndex : static_cast<int32_t>(number);
  }
  return UsedBlockCount;  // above every written definition's number: stays missing
}

}  // namespace pennatran
