// The entity section the writer lays out: class tags and object numbers, the attribute
// checks, the entity count and the renumbered block definitions.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "jww/block_numbering.h"
#include "jww/jww_writer.h"
#include "jww/written_values.h"
#include "support/jww_builder.h"
#include "writer_fixture.h"

namespace pennatran {
namespace {

using namespace pennatran::testing;

std::string SectionBytes(const TJwwData& doc, int32_t version) {
  TStringSink sink;
  TByteWriter out(sink, static_cast<uint16_t>(version));
  WriteEntitySection(doc, out, version);
  return sink.Bytes;
}

std::string SaveBytes(const TJwwData& doc) {
  TStringSink sink;
  WriteJww(doc, sink, 700);
  return sink.Bytes;
}

TJwwData Reload(const TJwwData& doc) {
  std::string bytes = SaveBytes(doc);
  TJwwData back;
  EXPECT_TRUE(
      back.LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), "saved.jww"))
      << LoadErrorText(back.LoadError) << " at " << back.LoadError.Offset;
  return back;
}

std::string RecordBytes(const TEntJwwLine& line) {
  return std::string(reinterpret_cast<const char*>(&line), sizeof line);
}

TEST(EntityWriter, FirstLineIntroducesItsClassAndTheSecondRefersToIt) {
  TJwwData doc;
  TEntJwwLine first = MakeLine(0, 0, 10, 0);
  TEntJwwLine second = MakeLine(0, 5, 10, 5);
  Append(doc, first);
  Append(doc, second);
  std::string expected = std::string("\x02\x00", 2)                          // two entities
                         + std::string("\xFF\xFF\xBC\x02\x08\x00", 6)        // new class, 700, 8
                         + "CDataSen" + RecordBytes(first)                   // class 1, line 2
                         + std::string("\x01\x80", 2) + RecordBytes(second)  // line 3
                         + std::string("\x00\x00", 2);                       // no block definitions
  EXPECT_EQ(SectionBytes(doc, 700), expected);
}

class EntityLayout : public ::testing::TestWithParam<int32_t> {};

TEST_P(EntityLayout, MatchesTheBuilderForANormalDrawing) {
  TJwwData doc = EveryKind();
  TJwwBuilder b(GetParam());
  b.EntitySection(doc);
  EXPECT_EQ(SectionBytes(doc, GetParam()), std::string(b.Bytes().begin(), b.Bytes().end()));
}

INSTANTIATE_TEST_SUITE_P(Versions, EntityLayout, ::testing::Values(220, 350, 351, 419, 420, 700));

struct TCheckCase {
  TCommonKind Kind;
  uint8_t LineType;
  uint16_t Color;
  uint8_t WrittenLineType;
  uint16_t WrittenColor;
};

class AttributeCheck : public ::testing::TestWithParam<TCheckCase> {};

TEST_P(AttributeCheck, LineTypeAndColourOutsideTheKindsRangesAreReplaced) {
  const TCheckCase& row = GetParam();
  TEntJwwCommon stored = MakeCommon(row.LineType, row.Color, 3, 4, 30000);
  stored.Group = 77;
  stored.Flags = 0xBEEF;
  TEntJwwCommon got = WrittenCommon(stored, row.Kind);
  EXPECT_EQ(Copy(got.LineType), row.WrittenLineType);
  EXPECT_EQ(Copy(got.Color), row.WrittenColor);
  EXPECT_EQ(Copy(got.Layer), 3);
  EXPECT_EQ(Copy(got.LayerGroup), 4);
  EXPECT_EQ(Copy(got.Width), 30000);
  EXPECT_EQ(Copy(got.Group), 77u);
  EXPECT_EQ(Copy(got.Flags), 0xBEEF);
}

using K = TCommonKind;
INSTANTIATE_TEST_SUITE_P(
    Rows, AttributeCheck,
    ::testing::Values(TCheckCase{K::Line, 1, 9, 1, 9}, TCheckCase{K::Line, 9, 101, 9, 101},
                      TCheckCase{K::Line, 10, 100, 0, 0}, TCheckCase{K::Line, 11, 356, 11, 356},
                      TCheckCase{K::Line, 19, 357, 19, 0}, TCheckCase{K::Line, 20, 10, 0, 0},
                      TCheckCase{K::Line, 25, 0, 0, 0}, TCheckCase{K::Line, 30, 1, 0, 1},
                      TCheckCase{K::Line, 31, 1, 31, 1}, TCheckCase{K::Line, 62, 1, 62, 1},
                      TCheckCase{K::Line, 63, 1, 0, 1}, TCheckCase{K::Line, 0, 1, 0, 1},
                      TCheckCase{K::Point, 1, 5, 1, 5}, TCheckCase{K::Point, 100, 5, 100, 5},
                      TCheckCase{K::Point, 0, 10, 1, 0}, TCheckCase{K::Point, 2, 5, 1, 5},
                      TCheckCase{K::Point, 101, 5, 1, 5}, TCheckCase{K::Text, 0, 5, 1, 5},
                      TCheckCase{K::Text, 9, 5, 9, 5}, TCheckCase{K::Text, 10, 10, 1, 0},
                      TCheckCase{K::Dimension, 200, 5, 200, 5},
                      TCheckCase{K::Dimension, 0, 10, 0, 0}, TCheckCase{K::Solid, 200, 10, 200, 10},
                      TCheckCase{K::Solid, 0, 11, 0, 0}, TCheckCase{K::Solid, 5, 0, 5, 0},
                      TCheckCase{K::Solid, 5, 356, 5, 356},
                      TCheckCase{K::Block, 250, 999, 250, 999}));

TEST(EntityWriter, LayersAndWidthsOutOfRangeBecomeZeroForEveryKind) {
  for (K kind : {K::Line, K::Point, K::Text, K::Dimension, K::Solid, K::Block}) {
    TEntJwwCommon got = WrittenCommon(MakeCommon(1, 1, 16, 0xFFFF, 30001), kind);
    EXPECT_EQ(Copy(got.Layer), 0);
    EXPECT_EQ(Copy(got.LayerGroup), 0);
    EXPECT_EQ(Copy(got.Width), 0);
    got = WrittenCommon(MakeCommon(1, 1, 15, 15, 1), kind);
    EXPECT_EQ(Copy(got.Layer), 15);
    EXPECT_EQ(Copy(got.LayerGroup), 15);
  }
}

TEST(EntityWriter, ChecksReachEveryCommonPartOfTheFile) {
  TJwwData doc = SampleDocument();
  Append(doc, MakeLine(0, 0, 1, 1, MakeCommon(25, 1, 16, 2)));
  Append(doc, MakeText(0, 0, "", MakeCommon(0, 1)));
  TEntJwwDimension dim = MakeDimension(0, 0, 5, 0, "5", MakeCommon(1, 2));
  dim.Common.LineType = 77;
  dim.Line.Common.LineType = 25;
  dim.Text.Common.LineType = 0;
  dim.Point1.Common.LineType = 0;
  dim.AuxLine2.Common.Layer = 40;
  Append(doc, dim);
  TEntJwwBlockDef def = MakeBlockDef(4, "^m");
  def.Common.Layer = 99;
  Append(def, MakeLine(0, 0, 1, 1, MakeCommon(70, 400)));
  doc.BlockDefs = {def};
  Append(doc, MakeInsert(4, 0, 0, 1, 1, 0, MakeCommon(1, 1, 17)));

  TJwwData back = Reload(doc);
  ASSERT_EQ(back.LineCount(), 1);
  EXPECT_EQ(Copy(back.Lines[0].Common.LineType), 0);
  EXPECT_EQ(Copy(back.Lines[0].Common.Layer), 0);
  EXPECT_EQ(Copy(back.Lines[0].Common.LayerGroup), 2);
  ASSERT_EQ(back.TextCount(), 1);
  EXPECT_EQ(Copy(back.Texts[0].Common.LineType), 1);
  EXPECT_EQ(back.Texts[0].Content.View(), " ");
  ASSERT_EQ(back.DimensionCount(), 1);
  EXPECT_EQ(Copy(back.Dimensions[0].Common.LineType), 77);
  EXPECT_EQ(Copy(back.Dimensions[0].Line.Common.LineType), 0);
  EXPECT_EQ(Copy(back.Dimensions[0].Text.Common.LineType), 1);
  EXPECT_EQ(Copy(back.Dimensions[0].Point1.Common.LineType), 1);
  EXPECT_EQ(Copy(back.Dimensions[0].AuxLine2.Common.Layer), 0);
  ASSERT_EQ(back.InsertCount(), 1);
  EXPECT_EQ(Copy(back.Inserts[0].Common.Layer), 0);
  ASSERT_EQ(back.BlockDefCount(), 1);
  EXPECT_EQ(Copy(back.BlockDefs[0].Common.Layer), 0);
  EXPECT_EQ(back.BlockDefs[0].Name, " ");
  ASSERT_EQ(back.BlockDefs[0].LineCount(), 1);
  EXPECT_EQ(Copy(back.BlockDefs[0].Lines[0].Common.LineType), 0);
  EXPECT_EQ(Copy(back.BlockDefs[0].Lines[0].Common.Color), 0);
}

TEST(EntityWriter, OnlyReachedDefinitionsAreWrittenAndRenumberedFromZero) {
  TJwwData doc = SampleDocument();
  for (uint32_t number : {3u, 7u, 9u}) {
    TEntJwwBlockDef def = MakeBlockDef(number, "block" + std::to_string(number));
    Append(def, MakeLine(0, 0, number, number));
    doc.BlockDefs.push_back(def);
  }
  Append(doc, MakeInsert(7, 1, 1));
  Append(doc, MakeInsert(7, 2, 2));
  Append(doc, MakeInsert(12, 3, 3));  // no definition carries 12

  TJwwData back = Reload(doc);
  ASSERT_EQ(back.BlockDefCount(), 1);
  EXPECT_EQ(back.BlockDefs[0].Number, 0u);
  EXPECT_EQ(back.BlockDefs[0].Name, "block7");
  ASSERT_EQ(back.InsertCount(), 3);
  EXPECT_EQ(Copy(back.Inserts[0].BlockNumber), 0u);
  EXPECT_EQ(Copy(back.Inserts[1].BlockNumber), 0u);
  EXPECT_EQ(Copy(back.Inserts[2].BlockNumber), 1u);  // no written definition carries 1
}

TEST(EntityWriter, DefinitionsReachedThroughOthersAreKeptEvenInACycle) {
  TJwwData doc = SampleDocument();
  TEntJwwBlockDef unused = MakeBlockDef(1, "unused");
  TEntJwwBlockDef a = MakeBlockDef(20, "a");
  TEntJwwBlockDef b = MakeBlockDef(10, "b");
  Append(a, MakeInsert(10, 0, 0));
  Append(b, MakeInsert(20, 0, 0));  // b inserts a again
  Append(b, MakeInsert(10, 0, 0));  // and itself
  doc.BlockDefs = {unused, a, b};
  doc.BlockDefs[1].Used = false;  // stale derived flags do not matter
  Append(doc, MakeInsert(20, 0, 0));

  TJwwData back = Reload(doc);
  ASSERT_EQ(back.BlockDefCount(), 2);
  EXPECT_EQ(back.BlockDefs[0].Name, "a");
  EXPECT_EQ(back.BlockDefs[0].Number, 0u);
  EXPECT_EQ(back.BlockDefs[1].Name, "b");
  EXPECT_EQ(back.BlockDefs[1].Number, 1u);
  EXPECT_EQ(Copy(back.Inserts[0].BlockNumber), 0u);
  EXPECT_EQ(Copy(back.BlockDefs[0].Inserts[0].BlockNumber), 1u);
  EXPECT_EQ(Copy(back.BlockDefs[1].Inserts[0].BlockNumber), 0u);
  EXPECT_EQ(Copy(back.BlockDefs[1].Inserts[1].BlockNumber), 1u);
}

TEST(EntityWriter, RenumberingAgreesWithTheLoadedBlockTree) {
  TJwwData doc = SampleDocument();
  TEntJwwBlockDef a = MakeBlockDef(5, "a");
  TEntJwwBlockDef duplicate = MakeBlockDef(5, "second five");
  TEntJwwBlockDef nested = MakeBlockDef(8, "nested");
  TEntJwwBlockDef loop = MakeBlockDef(2, "loop");
  Append(a, MakeInsert(8, 0, 0));
  Append(nested, MakeInsert(2, 0, 0));
  Append(loop, MakeInsert(8, 0, 0));
  Append(duplicate, MakeInsert(6, 0, 0));
  doc.BlockDefs = {MakeBlockDef(6, "unused"), a, duplicate, nested, loop};
  Append(doc, MakeInsert(5, 0, 0));
  TJwwData loaded;
  const std::vector<uint8_t> bytes = TJwwBuilder::Drawing(doc);
  ASSERT_TRUE(loaded.LoadFromBytes(bytes.data(), bytes.size(), "blocks.jww"));

  TBlockNumbering numbering(loaded);
  EXPECT_EQ(numbering.UsedCount(), loaded.UsedBlockCount);
  for (size_t d = 0; d < loaded.BlockDefs.size(); ++d) {
    EXPECT_EQ(numbering.IsUsed(d), loaded.BlockDefs[d].Used) << d;
    EXPECT_EQ(numbering.UsedIndex(d), loaded.BlockDefs[d].UsedIndex) << d;
  }
  for (uint32_t number = 0; number < 10; ++number) {
    EXPECT_EQ(numbering.WrittenNumber(number), loaded.UsedBlockIndex(number)) << number;
  }
}

// Number 0 is the first written definition: an insert of a block that does not exist must
// not become an insert of it after saving, at top level or inside a definition.
TEST(EntityWriter, AnInsertOfAMissingBlockStaysMissing) {
  TJwwData doc = SampleDocument();
  TEntJwwBlockDef a = MakeBlockDef(5, "a");
  Append(a, MakeInsert(77, 0, 0));
  doc.BlockDefs = {a};
  Append(doc, MakeInsert(5, 0, 0));
  Append(doc, MakeInsert(99, 0, 0));
  TJwwData back = Reload(doc);
  ASSERT_EQ(back.BlockDefCount(), 1);
  ASSERT_EQ(back.BlockTreeCount(), 3);
  EXPECT_EQ(back.BlockTree[0].BlockIndex, 0);
  EXPECT_EQ(back.BlockTree[1].BlockIndex, -1);
  EXPECT_EQ(back.BlockTree[2].BlockIndex, -1);
}

TEST(EntityWriter, ANegativeTimeIsWrittenAsThePositionTheReaderWouldGive) {
  TJwwData doc = SampleDocument();
  TEntJwwBlockDef skipped = MakeBlockDef(1, "skipped");
  TEntJwwBlockDef def = MakeBlockDef(2, "two");
  def.Time = -5;
  doc.BlockDefs = {skipped, def};
  Append(doc, MakeInsert(2, 0, 0));
  TJwwData back = Reload(doc);
  ASSERT_EQ(back.BlockDefCount(), 1);
  EXPECT_EQ(back.BlockDefs[0].Time, 1);
}

TEST(EntityWriter, CountAlwaysMatchesTheEntitiesWrittenEachOnce) {
  TJwwData doc = SampleDocument();
  Append(doc, MakeLine(0, 0, 1, 1));
  Append(doc, MakeText(0, 0, "t"));
  doc.Lines.push_back(MakeLine(5, 5, 6, 6));   // not in the order list
  doc.EntityOrder.push_back({EntityLine, 0});  // twice
  doc.EntityOrder.push_back({EntityArc, 0});   // no such arc
  doc.EntityOrder.push_back({0, 0});           // no such kind
  doc.EntityOrder.push_back({EntityText, -1});

  TJwwData back = Reload(doc);
  ASSERT_EQ(back.LineCount(), 2);
  EXPECT_EQ(Copy(back.Lines[0].StartX), 0);
  EXPECT_EQ(Copy(back.Lines[1].StartX), 5);
  EXPECT_EQ(back.TextCount(), 1);
  EXPECT_EQ(back.EntityOrder.size(), 3u);
}

TEST(EntityWriter, ReferencesAboveObject32766UseTheLongForm) {
  TJwwData doc;
  doc.Lines.assign(32770, MakeLine(0, 0, 1, 1));
  for (int32_t i = 0; i < 32770; ++i) doc.EntityOrder.push_back({EntityLine, i});
  Append(doc, MakeArc(0, 0, 1));
  Append(doc, MakeArc(0, 0, 2));
  std::string bytes = SectionBytes(doc, 700);

  // Lines: class 1, objects 2..32771; the arc class takes 32772.
  const size_t arcClassAt = 2 + 6 + 8 + 47 + 32769 * (2 + 47);
  EXPECT_EQ(bytes.substr(arcClassAt, 6), std::string("\xFF\xFF\xBC\x02\x09\x00", 6));
  const size_t secondArcAt = arcClassAt + 6 + 9 + 75;
  uint32_t number = 0;
  std::memcpy(&number, bytes.data() + secondArcAt + 2, 4);
  EXPECT_EQ(bytes.substr(secondArcAt, 2), std::string("\xFF\x7F", 2));
  EXPECT_EQ(number, 32772u | 0x80000000u);

  TJwwData back = Reload(doc);
  EXPECT_EQ(back.LineCount(), 32770);
  ASSERT_EQ(back.ArcCount(), 2);
  EXPECT_EQ(Copy(back.Arcs[1].Radius), 2);
}

}  // namespace
}  // namespace pennatran
