#include "jww/block_tree.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "jww/block_numbering.h"

namespace pennatran {
namespace {

struct TMatrix {
  double M11, M12, M21, M22;
};

TMatrix InsertMatrix(const TEntJwwBlockInsert& insert) {
  const double c = std::cos(insert.Rotation);
  const double s = std::sin(insert.Rotation);
  return {c * insert.ScaleX, -s * insert.ScaleY, s * insert.ScaleX, c * insert.ScaleY};
}

void Name(TEntJwwBlockTree& node, const TJwwData& doc, const TBlockDefsByNumber& byNumber,
          uint32_t number) {
  node.BlockNumber = static_cast<int32_t>(number);
  node.BlockIndex = byNumber.Find(number);
  if (node.BlockIndex >= 0) node.BlockName = doc.BlockDefs[node.BlockIndex].Name;
}

// The definitions grouped by the cycles of "inserts": definitions in one component reach
// each other. Only a definition on a cycle can recur among its own ancestors, and the
// ancestors that could repeat it are the nearest ones of its own component: once a chain of
// placements leaves a component it never comes back.
struct TCycles {
  std::vector<int32_t> Component;  // by definition
  std::vector<bool> OnCycle;       // by definition
};

// Tarjan's strongly connected components, without recursion so that a chain of any
// length cannot exhaust the stack.
TCycles FindCycles(const TJwwData& doc, const TBlockDefsByNumber& byNumber) {
  const size_t n = doc.BlockDefs.size();
  std::vector<std::vector<int32_t>> next(n);
  TCycles cycles{std::vector<int32_t>(n, -1), std::vector<bool>(n, false)};
  for (size_t d = 0; d < n; ++d) {
    for (const TEntJwwBlockInsert& insert : doc.BlockDefs[d].Inserts) {
      const int32_t to = byNumber.Find(insert.BlockNumber);
      if (to < 0) continue;
      next[d].push_back(to);
      if (static_cast<size_t>(to) == d) cycles.OnCycle[d] = true;
    }
  }
  std::vector<int32_t> order(n, -1), low(n, 0);
  std::vector<int32_t> stack;
  std::vector<bool> onStack(n, false);
  std::vector<std::pair<int32_t, size_t>> walk;  // definition, next edge to follow
  int32_t counter = 0, components = 0;
  for (size_t root = 0; root < n; ++root) {
    if (order[root] >= 0) continue;
    walk.push_back({static_cast<int32_t>(root), 0});
    while (!walk.empty()) {
      auto& [d, edge] = walk.back();
      if (edge == 0 && order[d] < 0) {
        order[d] = low[d] = counter++;
        stack.push_back(d);
        onStack[d] = true;
      }
      if (edge < next[d].size()) {
        const int32_t to = next[d][edge++];
        if (order[to] < 0) {
          walk.push_back({to, 0});
        } else if (onStack[to]) {
          low[d] = std::min(low[d], order[to]);
        }
        continue;
      }
      const int32_t done = d;
      walk.pop_back();
      if (!walk.empty()) low[walk.back().first] = std::min(low[walk.back().first], low[done]);
      if (low[done] != order[done]) continue;
      auto top = stack.end();
      do --top;
      while (*top != done);
      for (auto m = top; m != stack.end(); ++m) {
        onStack[*m] = false;
        cycles.Component[*m] = components;
        if (stack.end() - top > 1) cycles.OnCycle[*m] = true;
      }
      stack.erase(top, stack.end());
      ++components;
    }
  }
  return cycles;
}

// True when the definition of node k already occurs among its ancestors: expanding it
// again would repeat forever. Only the nearest ancestors of its own component are looked
// at, so a drawing without cycles never walks its ancestors.
bool RepeatsAncestor(const TRecordArray<TEntJwwBlockTree>& tree, const TCycles& cycles, size_t k) {
  const int32_t index = tree[k].BlockIndex;
  if (!cycles.OnCycle[index]) return false;
  const int32_t component = cycles.Component[index];
  for (int32_t p = tree[k].Parent; p >= 0; p = tree[p].Parent) {
    const int32_t above = tree[p].BlockIndex;
    if (above == index) return true;
    if (cycles.Component[above] != component) return false;
  }
  return false;
}

}  // namespace

void ExpandBlockTree(TJwwData& doc, size_t maxNodes, size_t maxPlacedEntities) {
  doc.BlockTree = {};
  doc.BlockTreeLimited = false;
  doc.UsedBlockCount = 0;
  for (TEntJwwBlockDef& def : doc.BlockDefs) {
    def.Used = false;
    def.UsedIndex = -1;
  }
  if (doc.Inserts.empty()) return;
  const TBlockDefsByNumber byNumber(doc);
  const TCycles cycles = FindCycles(doc, byNumber);
  TRecordArray<TEntJwwBlockTree>& tree = doc.BlockTree;
  tree.reserve(std::min(doc.Inserts.size(), maxNodes));
  size_t placed = 0;
  bool full = false;
  // Adds a placement unless a bound is reached, which is then recorded in the document.
  auto add = [&](TEntJwwBlockTree&& node) {
    if (tree.size() >= maxNodes || placed >= maxPlacedEntities) {
      full = doc.BlockTreeLimited = true;
      return false;
    }
    if (node.BlockIndex >= 0) placed += doc.BlockDefs[node.BlockIndex].EntityOrder.size();
    tree.push_back(std::move(node));
    return true;
  };
  for (const TEntJwwBlockInsert& insert : doc.Inserts) {
    TEntJwwBlockTree node;
    node.Common = insert.Common;
    node.X = insert.X;
    node.Y = insert.Y;
    const TMatrix m = InsertMatrix(insert);
    node.M11 = m.M11;
    node.M12 = m.M12;
    node.M21 = m.M21;
    node.M22 = m.M22;
    Name(node, doc, byNumber, insert.BlockNumber);
    if (!add(std::move(node))) break;
  }
  // Breadth byNumber: nodes appended here are expanded later in the same walk.
  for (size_t k = 0; k < tree.size() && !full; ++k) {
    if (tree[k].BlockIndex < 0 || RepeatsAncestor(tree, cycles, k)) continue;
    const TEntJwwBlockDef& def = doc.BlockDefs[tree[k].BlockIndex];
    if (tree[k].Depth >= kMaxBlockDepth) {
      if (!def.Inserts.empty()) doc.BlockTreeLimited = true;
      continue;
    }
    for (const TEntJwwBlockInsert& insert : def.Inserts) {
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
      Name(node, doc, byNumber, insert.BlockNumber);
      if (!add(std::move(node))) break;  // `parent` is not used past this point
    }
  }
  const std::vector<bool> reached = ReachedBlockDefs(doc, byNumber);
  for (size_t d = 0; d < reached.size(); ++d) {
    if (!reached[d]) continue;
    doc.BlockDefs[d].Used = true;
    doc.BlockDefs[d].UsedIndex = doc.UsedBlockCount++;
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
