#include "jww/block_tree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <utility>
#include <vector>

#include "jww/block_numbering.h"
#include "jww/jww_data.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

using namespace testing;

TEntJwwBlockDef Def(uint32_t number, TRecordArray<TEntJwwBlockInsert> inserts = {}) {
  TEntJwwBlockDef def = MakeBlockDef(number, "def" + std::to_string(number));
  def.Common = MakeCommon(1, static_cast<uint16_t>(number), 2, 3);
  for (const TEntJwwBlockInsert& insert : inserts) Append(def, insert);
  return def;
}

std::vector<bool> UsedFlags(const TJwwData& doc) {
  std::vector<bool> used;
  for (const TEntJwwBlockDef& def : doc.BlockDefs) used.push_back(def.Used);
  return used;
}

TEST(BlockTreeTest, NoInsertsNoTree) {
  TJwwData doc;
  doc.BlockDefs.push_back(Def(1));
  doc.BlockDefs[0].Used = true;
  doc.UsedBlockCount = 5;
  doc.BuildBlockTree();
  EXPECT_EQ(doc.BlockTreeCount(), 0);
  EXPECT_EQ(doc.UsedBlockCount, 0);
  EXPECT_FALSE(doc.BlockDefs[0].Used);
  EXPECT_EQ(doc.BlockDefs[0].UsedIndex, -1);
}

TEST(BlockTreeTest, NestedPlacementsUsedMarksAndNumbering) {
  TJwwData doc;
  doc.BlockDefs.push_back(Def(30));                                   // reached by nothing
  doc.BlockDefs.push_back(Def(10, {MakeInsert(20, 5, 0, 1, 1, 0)}));  // reached directly
  doc.BlockDefs.push_back(Def(20));                                   // only through 10
  doc.BlockDefs.push_back(Def(20));                                   // same number, later
  Append(doc, MakeInsert(10, 100, 0, 1, 1, std::numbers::pi / 2, MakeCommon(1, 7)));
  Append(doc, MakeInsert(99, 1, 2));  // no such definition
  doc.BuildBlockTree();
  ASSERT_EQ(doc.BlockTreeCount(), 3);
  const TEntJwwBlockTree& top = doc.BlockTree[0];
  EXPECT_EQ(+top.Common.Color, 7);  // the insert's own attributes at the top
  EXPECT_EQ(top.BlockIndex, 1);
  EXPECT_EQ(top.BlockName, "def10");
  const TEntJwwBlockTree& unknown = doc.BlockTree[1];
  EXPECT_EQ(unknown.BlockNumber, 99);
  EXPECT_EQ(unknown.BlockIndex, -1);
  EXPECT_EQ(unknown.BlockName, "");
  const TEntJwwBlockTree& nested = doc.BlockTree[2];
  EXPECT_EQ(nested.Depth, 1);
  EXPECT_EQ(nested.Parent, 0);
  EXPECT_EQ(nested.BlockIndex, 2);
  EXPECT_EQ(+nested.Common.Color, 10);  // the containing definition's attributes
  EXPECT_NEAR(nested.X, 100, 1e-12);    // (5, 0) turned a quarter about (100, 0)
  EXPECT_NEAR(nested.Y, 5, 1e-12);
  EXPECT_NEAR(nested.M21, 1, 1e-12);
  EXPECT_EQ(UsedFlags(doc), (std::vector<bool>{false, true, true, false}));
  EXPECT_EQ(doc.UsedBlockCount, 2);
  EXPECT_EQ(doc.BlockDefs[1].UsedIndex, 0);
  EXPECT_EQ(doc.BlockDefs[2].UsedIndex, 1);
  EXPECT_EQ(doc.UsedBlockIndex(10), 0);
  EXPECT_EQ(doc.UsedBlockIndex(20), 1);
  EXPECT_EQ(doc.UsedBlockIndex(30), 30);  // unused: its own number
  EXPECT_EQ(doc.UsedBlockIndex(99), 2);   // none has it: above the written numbers
}

TEST(BlockTreeTest, ScaledQuarterTurnMatrix) {
  TJwwData doc;
  Append(doc, MakeInsert(1, 0, 0, 2, 1, std::numbers::pi / 2));
  doc.BuildBlockTree();
  ASSERT_EQ(doc.BlockTreeCount(), 1);
  const TEntJwwBlockTree& node = doc.BlockTree[0];
  EXPECT_NEAR(node.M11, 0, 1e-15);
  EXPECT_DOUBLE_EQ(node.M12, -1);
  EXPECT_DOUBLE_EQ(node.M21, 2);
  EXPECT_NEAR(node.M22, 0, 1e-15);
}

TEST(BlockTreeTest, CyclesStopAtTheRepeatedDefinition) {
  TJwwData doc;
  doc.BlockDefs.push_back(Def(1, {MakeInsert(2, 1, 0)}));  // A inserts B
  doc.BlockDefs.push_back(Def(2, {MakeInsert(1, 0, 1)}));  // B inserts A
  doc.BlockDefs.push_back(Def(3, {MakeInsert(3, 1, 1)}));  // C inserts itself
  Append(doc, MakeInsert(1, 0, 0));
  Append(doc, MakeInsert(3, 0, 0));
  doc.BuildBlockTree();
  // A, C; B under A; C under C (not expanded again); A under B (not expanded again).
  ASSERT_EQ(doc.BlockTreeCount(), 5);
  EXPECT_EQ(doc.BlockTree[3].BlockIndex, 2);
  EXPECT_EQ(doc.BlockTree[3].Parent, 1);
  EXPECT_EQ(doc.BlockTree[4].BlockIndex, 0);
  EXPECT_EQ(doc.BlockTree[4].Depth, 2);
  EXPECT_EQ(doc.UsedBlockCount, 3);
  EXPECT_FALSE(doc.BlockTreeLimited);  // a cycle stops where it must, no bound is reached
}

// The placements as plain breadth-first expansion makes them, checking every ancestor of
// every placement for a repeat.
std::vector<std::pair<int32_t, int32_t>> Naive(const TJwwData& doc) {
  std::vector<std::pair<int32_t, int32_t>> nodes;  // definition, parent
  auto index = [&](uint32_t number) {
    for (size_t d = 0; d < doc.BlockDefs.size(); ++d) {
      if (doc.BlockDefs[d].Number == number) return static_cast<int32_t>(d);
    }
    return -1;
  };
  for (const TEntJwwBlockInsert& insert : doc.Inserts)
    nodes.push_back({index(insert.BlockNumber), -1});
  for (size_t k = 0; k < nodes.size(); ++k) {
    bool repeats = false;
    for (int32_t p = nodes[k].second; p >= 0; p = nodes[p].second) {
      repeats = repeats || nodes[p].first == nodes[k].first;
    }
    if (nodes[k].first < 0 || repeats) continue;
    for (const TEntJwwBlockInsert& insert : doc.BlockDefs[nodes[k].first].Inserts) {
      nodes.push_back({index(insert.BlockNumber), static_cast<int32_t>(k)});
    }
  }
  return nodes;
}

// Random graphs of six definitions, with cycles, self-inserts, shared definitions and
// missing numbers: the expansion stops each cycle exactly where the ancestor check does.
TEST(BlockTreeTest, CyclesStopAsAFullAncestorCheckWouldInEveryShape) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    TJwwData doc;
    for (uint32_t n = 0; n < 6; ++n) {
      TRecordArray<TEntJwwBlockInsert> inserts;
      const int count = static_cast<int>(random() % 3);
      for (int i = 0; i < count; ++i) inserts.push_back(MakeInsert(random() % 7, i, 0));
      doc.BlockDefs.push_back(Def(n, inserts));
    }
    Append(doc, MakeInsert(random() % 6, 0, 0));
    Append(doc, MakeInsert(random() % 6, 0, 0));
    doc.BuildBlockTree();
    std::vector<std::pair<int32_t, int32_t>> got;
    for (const TEntJwwBlockTree& node : doc.BlockTree)
      got.push_back({node.BlockIndex, node.Parent});
    ASSERT_EQ(got, Naive(doc)) << "round " << round;
  }
}

// 5000 placements of a 1000-line block (5 000 000 entities) are all kept.
TEST(BlockTreeTest, ManyPlacementsOfALargeBlockAreNotCut) {
  TJwwData doc;
  doc.BlockDefs.push_back(Def(1));
  for (int i = 0; i < 1000; ++i) Append(doc.BlockDefs[0], MakeLine(i, 0, i, 1));
  for (int i = 0; i < 5000; ++i) Append(doc, MakeInsert(1, i, 0));
  doc.BuildBlockTree();
  EXPECT_EQ(doc.BlockTreeCount(), 5000);
  EXPECT_FALSE(doc.BlockTreeLimited);
  // A cleared document may sit idle beside a large one: it keeps none of its memory.
  doc.Clear();
  EXPECT_EQ(doc.BlockTree.capacity(), 0u);
  EXPECT_EQ(doc.BlockDefs.capacity(), 0u);
  EXPECT_EQ(doc.Inserts.capacity(), 0u);
}

TEST(BlockTreeTest, ExplosionStopsAtTheBoundButMarksEveryReachedDefinition) {
  TJwwData doc;
  const uint32_t depth = 40;  // 2^40 placements without a bound
  for (uint32_t n = 1; n < depth; ++n) {
    doc.BlockDefs.push_back(Def(n, {MakeInsert(n + 1, 0, 0), MakeInsert(n + 1, 1, 0)}));
  }
  doc.BlockDefs.push_back(Def(depth));
  doc.BlockDefs.push_back(Def(depth + 1));  // unreached
  Append(doc, MakeInsert(1, 0, 0));
  ExpandBlockTree(doc, 1000);
  EXPECT_EQ(doc.BlockTreeCount(), 1000);
  EXPECT_TRUE(doc.BlockTreeLimited);
  EXPECT_EQ(doc.UsedBlockCount, static_cast<int32_t>(depth));
  EXPECT_FALSE(doc.BlockDefs.back().Used);
  EXPECT_GT(kMaxBlockTreeNodes, 1'000'000u);
}

// Reached definitions decide both what the preview expands and what a save writes.
TEST(BlockTreeTest, ReachedDefinitionsFollowInsertsFromTheDrawingOnly) {
  struct TCase {
    const char* Name;
    std::vector<TEntJwwBlockDef> Defs;
    std::vector<uint32_t> TopInserts;
    std::vector<bool> Reached;
  };
  const TCase cases[] = {
      {"no inserts", {Def(1), Def(2, {MakeInsert(1, 0, 0)})}, {}, {false, false}},
      {"nested", {Def(1, {MakeInsert(2, 0, 0)}), Def(2), Def(3)}, {1}, {true, true, false}},
      {"cycle, entered from an unreached definition too",
       {Def(1, {MakeInsert(2, 0, 0)}), Def(2, {MakeInsert(1, 0, 0)}),
        Def(3, {MakeInsert(1, 0, 0)})},
       {2},
       {true, true, false}},
      {"inserts itself", {Def(1, {MakeInsert(1, 0, 0)})}, {1, 1}, {true}},
      {"the first of a number takes it",
       {Def(5), Def(5, {MakeInsert(6, 0, 0)}), Def(6)},
       {5},
       {true, false, false}},
      {"no definition of the number", {Def(1)}, {99}, {false}},
  };
  for (const TCase& c : cases) {
    TJwwData doc;
    doc.BlockDefs = c.Defs;
    for (uint32_t number : c.TopInserts) Append(doc, MakeInsert(number, 0, 0));
    EXPECT_EQ(ReachedBlockDefs(doc, TBlockDefsByNumber(doc)), c.Reached) << c.Name;
    doc.BuildBlockTree();
    EXPECT_EQ(UsedFlags(doc), c.Reached) << c.Name;
  }
}

TEST(BlockTreeTest, LoadBuildsTheTreeEvenWhenTheFileIsCut) {
  TJwwData source = SampleDocument();
  source.BlockDefs.push_back(Def(5, {MakeInsert(6, 1, 1)}));
  source.BlockDefs.push_back(Def(6));
  Append(source, MakeInsert(5, 10, 10));
  Append(source, MakeLine(0, 0, 1, 1));
  std::vector<uint8_t> bytes = TJwwBuilder::Drawing(source);
  TJwwData doc;
  ASSERT_TRUE(doc.LoadFromBytes(bytes.data(), bytes.size(), "a.jww"));
  EXPECT_EQ(doc.BlockTreeCount(), 2);
  EXPECT_EQ(doc.UsedBlockCount, 2);
  bytes.resize(bytes.size() - 10);  // inside the second definition
  ASSERT_FALSE(doc.LoadFromBytes(bytes.data(), bytes.size(), "a.jww"));
  EXPECT_EQ(doc.BlockTreeCount(), 2);
  EXPECT_EQ(doc.UsedBlockCount, 1);
}

}  // namespace
}  // namespace pennatran
