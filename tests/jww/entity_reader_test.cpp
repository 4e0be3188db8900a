#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "jww/jww_data.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

using namespace testing;

bool Load(TJwwData& doc, const std::vector<uint8_t>& bytes) {
  return doc.LoadFromBytes(bytes.data(), bytes.size(), "drawing.jww");
}

template <typename Record>
bool SameBytes(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

// One entity of every kind, with both forms of the point and solid tails, and values in
// the fields a version does not carry so that reading them by mistake shows.
TJwwData AllKinds() {
  TJwwData doc = SampleDocument();
  Append(doc, MakeLine(1, 2, 3, 4, MakeCommon(2, 3, 4, 5, 6)));
  TEntJwwArc arc = MakeArc(5, 6, 7, MakeCommon(1, 105, 1, 1, 7));
  arc.TiltAngle = 0.25;
  Append(doc, arc);
  TEntJwwPoint plain = MakePoint(8, 9);
  plain.Code = 5;  // not in the file without line type 100
  plain.Scale = 3;
  Append(doc, plain);
  TEntJwwPoint marker = MakePoint(10, 11, MakeCommon(100, 2));
  marker.Code = 7;
  marker.Angle = 0.5;
  marker.Scale = 2;
  Append(doc, marker);
  Append(doc, MakeText(12, 13, "\x95\x5C abc"));
  TEntJwwDimension dim = MakeDimension(0, 0, 100, 0, "100", MakeCommon(1, 2, 3, 4, 9));
  dim.Point2.Common.LineType = 100;
  dim.Point2.Code = 3;
  Append(doc, dim);
  TEntJwwSolid filled = MakeSolid(0, 0, 5, MakeCommon(1, 10));
  filled.FillColor = 0x123456;
  Append(doc, filled);
  TEntJwwSolid pen = MakeSolid(1, 1, 2, MakeCommon(1, 4));
  pen.FillColor = 0x654321;  // not in the file without colour 10
  Append(doc, pen);
  Append(doc, MakeInsert(3, 50, 60, 2, 3, 0.5));
  Append(doc, MakeLine(-1, -2, -3, -4));
  return doc;
}

// What a record of `source` reads back as from a file of `version`.
template <typename Record>
Record AsRead(Record r, int32_t version);

void ClearWidth(TEntJwwCommon& c, int32_t version) {
  if (version < 351) c.Width = 0;
}

void PointAsRead(TEntJwwPoint& p, int32_t version) {
  ClearWidth(p.Common, version);
  if (p.Common.LineType != 100) {
    p.Code = 0;
    p.Angle = 0;
    p.Scale = 0;
  }
}

template <typename Record>
Record AsRead(Record r, int32_t version) {
  ClearWidth(r.Common, version);
  return r;
}

template <>
TEntJwwPoint AsRead(TEntJwwPoint p, int32_t version) {
  PointAsRead(p, version);
  return p;
}

template <>
TEntJwwSolid AsRead(TEntJwwSolid s, int32_t version) {
  ClearWidth(s.Common, version);
  if (s.Common.Color != 10) s.FillColor = 0;
  return s;
}

template <>
TEntJwwDimension AsRead(TEntJwwDimension d, int32_t version) {
  ClearWidth(d.Common, version);
  ClearWidth(d.Line.Common, version);
  ClearWidth(d.Text.Common, version);
  if (version >= 420) {
    for (TEntJwwPoint* p : {&d.Point1, &d.Point2, &d.AuxPoint1, &d.AuxPoint2}) {
      PointAsRead(*p, version);
    }
    return d;
  }
  d.SxfMode = 0;
  d.AuxLine1 = TEntJwwLine{};
  d.AuxLine1.Common = d.Common;
  d.AuxLine2 = d.AuxLine1;
  TEntJwwPoint point{};
  point.Common = d.Common;
  point.Common.LineType = 0;
  d.Point1 = d.Point2 = d.AuxPoint1 = d.AuxPoint2 = point;
  return d;
}

template <typename Record>
void ExpectRead(const TRecordArray<Record>& read, const TRecordArray<Record>& source,
                int32_t version, const char* kind) {
  ASSERT_EQ(read.size(), source.size()) << kind;
  for (size_t i = 0; i < read.size(); ++i) {
    EXPECT_TRUE(SameBytes(read[i], AsRead(source[i], version))) << kind << " " << i;
  }
}

void ExpectAllRead(const TEntityLists& read, const TEntityLists& source, int32_t version) {
  ExpectRead(read.Lines, source.Lines, version, "line");
  ExpectRead(read.Arcs, source.Arcs, version, "arc");
  ExpectRead(read.Points, source.Points, version, "point");
  ExpectRead(read.Texts, source.Texts, version, "text");
  ExpectRead(read.Dimensions, source.Dimensions, version, "dimension");
  ExpectRead(read.Solids, source.Solids, version, "solid");
  ExpectRead(read.Inserts, source.Inserts, version, "insert");
}

bool SameOrder(const TRecordArray<TEntJwwOrderEntry>& a, const TRecordArray<TEntJwwOrderEntry>& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
           return x.Kind == y.Kind && x.Index == y.Index;
         });
}

// A counting pass sizes the arrays before the records are read, so a complete file leaves
// no spare room; a counting pass that walked other bytes than the reader would show here.
void ExpectExactlySized(const TEntityLists& o) {
  EXPECT_EQ(o.Lines.capacity(), o.Lines.size());
  EXPECT_EQ(o.Arcs.capacity(), o.Arcs.size());
  EXPECT_EQ(o.Points.capacity(), o.Points.size());
  EXPECT_EQ(o.Texts.capacity(), o.Texts.size());
  EXPECT_EQ(o.Dimensions.capacity(), o.Dimensions.size());
  EXPECT_EQ(o.Solids.capacity(), o.Solids.size());
  EXPECT_EQ(o.Inserts.capacity(), o.Inserts.size());
  EXPECT_EQ(o.EntityOrder.capacity(), o.EntityOrder.size());
}

class EntityLayoutTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(EntityLayoutTest, EveryKindAtTopLevelAndInBlocks) {
  const int32_t version = GetParam();
  TJwwData source = AllKinds();
  TEntJwwBlockDef def = MakeBlockDef(3, "block");
  Append(def, MakeText(1, 1, "in block"));
  Append(def, MakeDimension(0, 0, 0, 10, "10"));
  Append(def, MakePoint(2, 2, MakeCommon(100, 1)));
  source.BlockDefs.push_back(def);
  for (TTagForm form : {TTagForm::Short, TTagForm::Long}) {
    TJwwBuilder b(version);
    b.SetTagForm(form).Header(source).EntitySection(source);
    if (version >= 700) b.Images({});
    TJwwData doc;
    ASSERT_TRUE(Load(doc, b.Bytes())) << LoadErrorText(doc.LoadError);
    EXPECT_EQ(doc.Header.EntityCount, 10);
    EXPECT_TRUE(SameOrder(doc.EntityOrder, source.EntityOrder));
    ExpectAllRead(doc, source, version);
    ASSERT_EQ(doc.BlockDefCount(), 1);
    EXPECT_EQ(doc.BlockDefs[0].Name, "block");
    EXPECT_EQ(doc.BlockDefs[0].Count, 3);
    EXPECT_TRUE(SameOrder(doc.BlockDefs[0].EntityOrder, def.EntityOrder));
    ExpectAllRead(doc.BlockDefs[0], def, version);
    ExpectExactlySized(doc);
    ExpectExactlySized(doc.BlockDefs[0]);
  }
}

// A long list is read without counting it first, into arrays with room for the most records
// the bytes could hold: it must come out as a short list does, also when cut.
TEST_P(EntityLayoutTest, ALongListReadsLikeAShortOne) {
  const int32_t version = GetParam();
  const TJwwData kinds = AllKinds();
  TJwwData source = SampleDocument();
  for (int i = 0; i < 500; ++i) {
    ForEachList(kinds, [&](const auto& list, TEntityKind) {
      for (const auto& record : list) Append(source, record);
    });
  }
  ASSERT_GT(source.EntityOrder.size(), 4096u);
  TJwwBuilder b(version);
  b.Header(source).EntitySection(source);
  if (version >= 700) b.Images({});
  TJwwData doc;
  ASSERT_TRUE(Load(doc, b.Bytes())) << LoadErrorText(doc.LoadError);
  EXPECT_TRUE(SameOrder(doc.EntityOrder, source.EntityOrder));
  ExpectAllRead(doc, source, version);

  std::vector<uint8_t> cut = b.Bytes();
  cut.resize(cut.size() / 2);
  TJwwData part;
  EXPECT_FALSE(Load(part, cut));
  ASSERT_GT(part.EntityOrder.size(), 4096u / 2);
  EXPECT_EQ(part.EntityOrder.size(), part.EntityTotal());
  for (size_t i = 0; i < part.EntityOrder.size(); ++i) {
    const TEntJwwOrderEntry& entry = part.EntityOrder[i];
    EXPECT_EQ(entry.Kind, source.EntityOrder[i].Kind);
    EXPECT_EQ(entry.Index, source.EntityOrder[i].Index);
  }
  ForEachList(part, [&](const auto& kept, TEntityKind) {
    ForEachList(doc, [&](const auto& whole, TEntityKind) {
      if constexpr (std::is_same_v<decltype(kept), decltype(whole)>) {
        ASSERT_LE(kept.size(), whole.size());
        for (size_t i = 0; i < kept.size(); ++i) EXPECT_TRUE(SameBytes(kept[i], whole[i])) << i;
      }
    });
  });
}

INSTANTIATE_TEST_SUITE_P(Versions, EntityLayoutTest,
                         ::testing::Values(220, 230, 300, 350, 351, 419, 420, 600, 700));

TEST(EntityReaderTest, ObjectNumbersOfHandBuiltTags) {
  TJwwBuilder b(700);
  b.Header();
  b.Count(4);
  b.U16(0xFFFF).U16(700).U16(8).Raw("CDataSen");              // class 1
  b.LineRecord(MakeLine(1, 0, 0, 0));                         // object 2
  b.U16(0x8001).LineRecord(MakeLine(2, 0, 0, 0));             // object 3
  b.U16(0xFFFF).U16(700).U16(9).Raw("CDataEnko");             // class 4
  b.ArcRecord(MakeArc(0, 0, 1));                              // object 5
  b.U16(0x7FFF).U32(0x80000004).ArcRecord(MakeArc(0, 0, 2));  // long form of class 4
  b.Count(0).U32(0);
  TJwwData doc;
  ASSERT_TRUE(Load(doc, b.Bytes())) << LoadErrorText(doc.LoadError);
  ASSERT_EQ(doc.LineCount(), 2);
  ASSERT_EQ(doc.ArcCount(), 2);
  EXPECT_EQ(+doc.Lines[1].StartX, 2);  // unary plus: no reference to a packed field
  EXPECT_EQ(+doc.Arcs[1].Radius, 2);
  ExpectExactlySized(doc);
}

TEST(EntityReaderTest, UnknownClassesConsumeOnlyTheirTags) {
  TJwwBuilder b(700);
  b.Header().Count(3);
  b.NewClass("CDataFoo");           // class 1, selects nothing, no object follows
  b.AddLine(MakeLine(1, 1, 1, 1));  // class 2, object 3
  b.ShortRef(1);                    // the unknown class again
  b.ShortRef(500);                  // a number no class took
  b.LongRef(1);
  b.U16(0x0042);  // not a class tag
  b.AddLine(MakeLine(2, 2, 2, 2));
  b.NewClass("cdatasen");  // names are case-sensitive
  b.AddText(MakeText(0, 0, "t"));
  b.Count(0).U32(0);
  TJwwData doc;
  ASSERT_TRUE(Load(doc, b.Bytes())) << LoadErrorText(doc.LoadError);
  EXPECT_EQ(doc.LineCount(), 2);
  EXPECT_EQ(doc.TextCount(), 1);
  EXPECT_EQ(doc.EntityOrder.size(), 3u);
  ExpectExactlySized(doc);
}

TEST(EntityReaderTest, ClassesIntroducedAtTopLevelServeBlockDefinitions) {
  TJwwData source = SampleDocument();
  Append(source, MakeText(0, 0, "top"));
  for (uint32_t n : {1u, 2u}) {
    TEntJwwBlockDef def = MakeBlockDef(n, "b" + std::to_string(n));
    Append(def, MakeText(n, n, "inner"));
    Append(def, MakeLine(0, 0, n, n));  // introduced in the first definition
    source.BlockDefs.push_back(def);
  }
  TJwwBuilder b(700);
  b.Header(source).EntitySection(source).Images({});
  EXPECT_EQ(b.ClassNumber("CDataMoji"), 1u);
  TJwwData doc;
  ASSERT_TRUE(Load(doc, b.Bytes())) << LoadErrorText(doc.LoadError);
  ASSERT_EQ(doc.BlockDefCount(), 2);
  for (const TEntJwwBlockDef& def : doc.BlockDefs) {
    EXPECT_EQ(def.TextCount(), 1);
    EXPECT_EQ(def.LineCount(), 1);
  }
}

TEST(EntityReaderTest, ExtendedTimeAndNoTopLevelEntities) {
  TJwwData source = SampleDocument();
  const int32_t times[] = {-5, 77, INT_MIN};
  for (uint32_t n = 1; n <= 3; ++n) {
    TEntJwwBlockDef def = MakeBlockDef(10 + n, "b");
    def.Time = times[n - 1];
    Append(def, MakeLine(0, 0, n, n));
    source.BlockDefs.push_back(def);
  }
  TJwwData doc;
  ASSERT_TRUE(Load(doc, TJwwBuilder::Drawing(source))) << LoadErrorText(doc.LoadError);
  EXPECT_EQ(doc.Header.EntityCount, 0);
  EXPECT_EQ(doc.Header.BlockCount, 3);
  ASSERT_EQ(doc.BlockDefCount(), 3);
  EXPECT_EQ(doc.BlockDefs[0].Time, 1);  // extended: its position
  EXPECT_EQ(doc.BlockDefs[1].Time, 77);
  EXPECT_EQ(doc.BlockDefs[2].Time, 3);
  EXPECT_EQ(doc.BlockDefs[2].Number, 13u);
  EXPECT_EQ(+doc.BlockDefs[2].Lines.at(0).EndX, 3);
}

TEST(EntityReaderTest, TruncatedTenthLineKeepsNine) {
  TJwwData source = SampleDocument();
  for (int i = 1; i <= 12; ++i) Append(source, MakeLine(i, i, i, i));
  const std::vector<uint8_t> whole = TJwwBuilder::Drawing(source);
  TJwwBuilder header(700);
  header.Header(source);
  // Entity count, the first line with its class introduction, eight more lines, then
  // the tag and half of the tenth.
  const size_t tenth = header.Size() + 2 + (2 + 2 + 2 + 8 + 47) + 8 * (2 + 47);
  std::vector<uint8_t> bytes(whole.begin(), whole.begin() + tenth + 2 + 20);
  TJwwData doc;
  EXPECT_FALSE(Load(doc, bytes));
  EXPECT_EQ(doc.LineCount(), 9);
  EXPECT_EQ(doc.EntityOrder.size(), 9u);
  EXPECT_EQ(+doc.Lines[8].StartX, 9);
  EXPECT_EQ(LoadErrorText(doc.LoadError), "end of file inside entity 10 (line)");
  EXPECT_EQ(doc.LoadError.Offset, tenth + 2);
}

TEST(EntityReaderTest, TruncatedBlockDefinitionKeepsItsCompleteEntities) {
  TJwwData source = SampleDocument();
  TEntJwwBlockDef def = MakeBlockDef(4, "cut");
  for (int i = 1; i <= 3; ++i) Append(def, MakeLine(i, 0, 0, 0));
  source.BlockDefs.push_back(def);
  std::vector<uint8_t> bytes = TJwwBuilder::Drawing(source);
  bytes.resize(bytes.size() - 4 - 10);  // image count and part of the third line
  TJwwData doc;
  EXPECT_FALSE(Load(doc, bytes));
  ASSERT_EQ(doc.BlockDefCount(), 1);
  EXPECT_EQ(doc.BlockDefs[0].LineCount(), 2);
  EXPECT_EQ(LoadErrorText(doc.LoadError),
            "end of file inside entity 3 (line) of block definition 1");
  // The parts a front end words it from.
  EXPECT_EQ(doc.LoadError.Failure, TLoadFailure::CutShort);
  EXPECT_EQ(doc.LoadError.Place, TLoadPlace::Entity);
  EXPECT_EQ(doc.LoadError.Index, 3u);
  EXPECT_EQ(doc.LoadError.EntityKind, EntityLine);
  EXPECT_EQ(doc.LoadError.BlockDefinition, 1u);
}

// Each list announces 100 records and the file ends inside the 10th (the 40th in the
// definition): every complete record is kept, whatever the count claimed.
struct TCutList {
  const char* Name;
  std::vector<uint8_t> Bytes;
  size_t Kept;
  size_t (*KeptOf)(const TJwwData&);
};

std::vector<TCutList> CutLists() {
  std::vector<TCutList> rows;
  TJwwData lines = SampleDocument();
  for (int i = 1; i <= 100; ++i) Append(lines, MakeLine(i, i, i, i));
  std::vector<uint8_t> bytes = TJwwBuilder::Drawing(lines);
  TJwwBuilder head(700);
  head.Header(lines).Count(100).AddLine(MakeLine(1, 1, 1, 1));
  bytes.resize(head.Size() + 8 * (2 + 47) + 2 + 20);
  rows.push_back({"entity list", bytes, 9, [](const TJwwData& d) { return d.Lines.size(); }});

  TJwwData block = SampleDocument();
  Append(block, MakeInsert(4, 0, 0));
  TEntJwwBlockDef def = MakeBlockDef(4, "cut");
  for (int i = 1; i <= 100; ++i) Append(def, MakeLine(i, 0, 0, 0));
  block.BlockDefs.push_back(def);
  bytes = TJwwBuilder::Drawing(block);
  bytes.resize(bytes.size() - 4 - 60 * (2 + 47) - 20);
  rows.push_back({"block definition", bytes, 39, [](const TJwwData& d) {
                    return d.BlockDefs.empty() ? 0 : d.BlockDefs[0].Lines.size();
                  }});

  TJwwBuilder images(700);
  images.Header(SampleDocument()).Count(0).Count(0).U32(100);
  for (int i = 0; i < 10; ++i) images.ImageEntry("a" + std::to_string(i) + ".bmp", 3, "abc");
  bytes = images.Bytes();
  bytes.resize(bytes.size() - 2);
  rows.push_back({"images", bytes, 9, [](const TJwwData& d) { return d.ImageList.size(); }});
  return rows;
}

TEST(EntityReaderTest, ACutListKeepsEveryCompleteRecord) {
  for (const TCutList& row : CutLists()) {
    TJwwData doc;
    EXPECT_FALSE(Load(doc, row.Bytes)) << row.Name;
    EXPECT_EQ(row.KeptOf(doc), row.Kept) << row.Name << ": " << LoadErrorText(doc.LoadError);
  }
}

TEST(EntityReaderTest, InsertsOfACutDefinitionStillPlaceIt) {
  const std::vector<TCutList> rows = CutLists();
  TJwwData doc;
  Load(doc, rows[1].Bytes);
  ASSERT_EQ(doc.BlockTreeCount(), 1);
  EXPECT_EQ(doc.BlockTree[0].BlockIndex, 0);
  EXPECT_TRUE(doc.BlockDefs[0].Used);
}

struct THostileCount {
  const char* Name;
  std::vector<uint8_t> Bytes;
  size_t Kept;  // records present after the count
};

std::vector<THostileCount> HostileCounts() {
  std::vector<THostileCount> rows;
  TJwwBuilder entities(700);
  entities.Header().Count(4'000'000'000u).AddLine(MakeLine(0, 0, 1, 1));
  rows.push_back({"entities", entities.Bytes(), 1});
  TJwwBuilder blocks(700);
  blocks.Header().Count(0).Count(3'000'000'000u).U32(0);
  rows.push_back({"definitions", blocks.Bytes(), 0});
  TJwwBuilder inner(700);
  inner.Header().Count(0).Count(1).BlockDefHeader(MakeBlockDef(1, "b"), 4'294'967'295u);
  rows.push_back({"inner", inner.Bytes(), 1});
  TJwwBuilder images(700);
  images.Header().Count(0).Count(0).U32(2'000'000'000u).ImageEntry("a.bmp", 1, "x");
  rows.push_back({"images", images.Bytes(), 1});
  return rows;
}

// A count far beyond the file reserves room only for what the bytes left could hold and
// keeps the records that are there.
TEST(EntityReaderTest, CountsTheFileCannotHoldReserveOnlyWhatTheBytesAllow) {
  for (const THostileCount& row : HostileCounts()) {
    TJwwData doc;
    EXPECT_FALSE(Load(doc, row.Bytes)) << row.Name;
    EXPECT_NE(LoadErrorText(doc.LoadError).find("end of file"), std::string::npos)
        << row.Name << ": " << LoadErrorText(doc.LoadError);
    EXPECT_EQ(doc.EntityOrder.size() + doc.BlockDefs.size() + doc.ImageList.size(), row.Kept)
        << row.Name;
    EXPECT_LE(doc.EntityOrder.capacity(), 1u) << row.Name;
    EXPECT_LE(doc.BlockDefs.capacity(), 1u) << row.Name;
    if (!doc.BlockDefs.empty()) {
      EXPECT_EQ(doc.BlockDefs[0].EntityOrder.capacity(), 0u);
    }
    EXPECT_LE(doc.ImageList.capacity(), 2u) << row.Name;
  }
}

TEST(EntityReaderTest, AnImageLargerThanTheFileEndsTheLoad) {
  TJwwBuilder imageSize(700);
  imageSize.Header().Count(0).Count(0).U32(1).ImageEntry("a.bmp", 4'000'000'000u, "x");
  TJwwData doc;
  EXPECT_FALSE(Load(doc, imageSize.Bytes()));
  EXPECT_NE(LoadErrorText(doc.LoadError).find("end of file inside image 1"), std::string::npos);
  EXPECT_TRUE(doc.ImageList.empty());
}

TEST(EntityReaderTest, EveryTruncationFailsWithoutHarm) {
  TJwwData source = AllKinds();
  TEntJwwBlockDef def = MakeBlockDef(3, "block");
  def.Time = -1;
  Append(def, MakeText(1, 1, "in block"));
  Append(def, MakeInsert(3, 0, 0));
  source.BlockDefs.push_back(def);
  for (int32_t version : {700, 300}) {
    TJwwBuilder b(version);
    b.Header(source).EntitySection(source);
    if (version >= 700) b.Images({{"a.bmp", "abc"}, {"", ""}, {"b.png", "defg"}});
    const std::vector<uint8_t>& whole = b.Bytes();
    for (size_t length = 0; length < whole.size(); ++length) {
      const std::vector<uint8_t> cut(whole.begin(), whole.begin() + length);
      TJwwData doc;
      EXPECT_FALSE(Load(doc, cut)) << version << " " << length;
      EXPECT_TRUE(doc.LoadError.Failed()) << version << " " << length;
      EXPECT_LE(doc.LoadError.Offset, length) << version << " " << length;
      EXPECT_LE(doc.EntityOrder.size(), 10u);
    }
    TJwwData doc;
    EXPECT_TRUE(Load(doc, whole)) << version << " " << LoadErrorText(doc.LoadError);
    EXPECT_FALSE(doc.LoadError.Failed());
  }
}

TEST(EntityReaderTest, LongCountsAndLongStrings) {
  TJwwData source = SampleDocument();
  const std::string longContent(300, 'c');
  Append(source, MakeText(0, 0, "x"));
  TJwwBuilder b(700);
  b.Header(source).Count(1, true);
  b.Tag("CDataMoji");
  TEntJwwText text = MakeText(0, 0, "");
  text.Common.LineType = 1;
  // The fixed part, then a font name and a content longer than a short string holds.
  b.Raw(&text, offsetof(TEntJwwText, FontName)).String("font").String(longContent);
  b.SkipObject().Count(0, true).U32(0);
  TJwwData doc;
  ASSERT_TRUE(Load(doc, b.Bytes())) << LoadErrorText(doc.LoadError);
  ASSERT_EQ(doc.TextCount(), 1);
  EXPECT_EQ(doc.Texts[0].FontName.View(), "font");
  EXPECT_EQ(doc.Texts[0].Content.View(), longContent);
}

TEST(EntityReaderTest, LoadFromFile) {
  TJwwData source = SampleDocument();
  Append(source, MakeLine(0, 0, 1, 1));
  TJwwBuilder b(700);
  b.Header(source).EntitySection(source).Images({});
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "pennatran_reader_load_test.jww";
  ASSERT_TRUE(b.WriteTo(path));
  TJwwData doc;
  EXPECT_TRUE(doc.LoadFromFile(path)) << LoadErrorText(doc.LoadError);
  std::filesystem::remove(path);
  EXPECT_EQ(doc.LineCount(), 1);
  EXPECT_EQ(doc.DocInfo.DocFileName, path.string());

  EXPECT_FALSE(doc.LoadFromFile("/nonexistent/folder/drawing.jww"));
  EXPECT_EQ(LoadErrorText(doc.LoadError), "cannot open the file");
  EXPECT_EQ(doc.DocInfo.DocFileName, "/nonexistent/folder/drawing.jww");
  EXPECT_EQ(doc.LineCount(), 0);
}

// A load from a file gives back the file's memory as it goes; a drawing of several large
// pages, with records of every length and block definitions after the entities, must come
// out exactly as the same bytes loaded from memory.
TEST(EntityReaderTest, LoadFromFileOfManyPagesEqualsLoadFromBytes) {
  TJwwData source = SampleDocument();
  for (int i = 0; i < 100000; ++i) {
    Append(source, MakeLine(i, -i, i * 0.5, i * 0.25));
    if (i % 7 == 0) Append(source, MakeText(i, i, "text " + std::to_string(i)));
    if (i % 31 == 0) Append(source, MakeDimension(0, i, 10, i, std::to_string(i)));
  }
  TEntJwwBlockDef def = MakeBlockDef(1, "late");
  Append(def, MakeText(1, 2, "inside the definition"));
  source.BlockDefs.push_back(def);
  TJwwBuilder b(700);
  b.Header(source).EntitySection(source).Images({});
  ASSERT_GT(b.Bytes().size(), size_t{3} << 21);
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("pennatran_reader_pages_" + std::to_string(b.Bytes().size()) + ".jww");
  ASSERT_TRUE(b.WriteTo(path));
  TJwwData fromFile;
  const bool loaded = fromFile.LoadFromFile(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(loaded) << LoadErrorText(fromFile.LoadError);
  TJwwData fromBytes;
  ASSERT_TRUE(Load(fromBytes, b.Bytes()));

  EXPECT_TRUE(SameOrder(fromFile.EntityOrder, fromBytes.EntityOrder));
  const auto sameRecords = [](const auto& x, const auto& y) {
    return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * sizeof(x[0])) == 0;
  };
  EXPECT_TRUE(sameRecords(fromFile.Lines, fromBytes.Lines));
  EXPECT_TRUE(sameRecords(fromFile.Texts, fromBytes.Texts));
  EXPECT_TRUE(sameRecords(fromFile.Dimensions, fromBytes.Dimensions));
  ASSERT_EQ(fromFile.BlockDefCount(), 1);
  EXPECT_TRUE(sameRecords(fromFile.BlockDefs[0].Texts, fromBytes.BlockDefs[0].Texts));
  EXPECT_EQ(fromFile.BlockDefs[0].Name, "late");
}

}  // namespace
}  // namespace pennatran
