#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jww/jww_data.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

using testing::SampleDocument;
using testing::TJwwBuilder;

bool Load(TJwwData& doc, const std::vector<uint8_t>& bytes) {
  return doc.LoadFromBytes(bytes.data(), bytes.size(), "drawing.jww");
}

// A document whose every version-gated header row holds a value that differs from the
// default, so that a row read from the wrong place shows.
TJwwData GatedDocument() {
  TJwwData doc = SampleDocument();
  TEntJwwHeader& h = doc.Header;
  h.SkyMapLevel = 7;
  h.SkyMapRadius = 8;
  h.ReservedAfterLayers = {0x18, 0x2E, 0, 0};  // 11800, as Jw_cad writes
  h.ReservedAfterLayers[55] = 0x5A;
  h.ReservedAfterDimSettings = 8316;
  for (int i = 0; i < 8; ++i) {
    h.MarkJumps[i] = {2.0 + i, 10.0 + i, 20.0 + i, i};
  }
  h.ExtraB.Int = 9;
  h.PointScreenRadius = 11;
  h.DisplayOnlyNoPrint = 3;
  h.WidthUnitMode = 2;
  h.DrawTime = 3725;
  h.EyeAngleV3 = 1.5;
  h.LastLineLength = 12.5;
  h.LastCircleRadius = 4.5;
  h.SolidAnyColor = 1;
  h.SolidDefaultColor = 0xABCDEF;
  h.TextOffsetY[2] = 6.25;
  doc.TextStyles[9].Color = 5;
  return doc;
}

struct TGateCase {
  int32_t Version;
  bool SkyMap;      // row 15 stored
  bool EightMarks;  // row 17a rather than 17b
  bool Switches;    // row 24
  bool EyePoint;    // row 25
  bool LastInput;   // row 26
  bool SolidColor;  // row 27
  bool UserTables;  // rows 28..31
};

class HeaderGateTest : public ::testing::TestWithParam<TGateCase> {};

TEST_P(HeaderGateTest, ReadsExactlyTheRowsOfItsVersion) {
  const TGateCase& c = GetParam();
  const TJwwData source = GatedDocument();
  TJwwData doc;
  ASSERT_TRUE(Load(doc, TJwwBuilder::Drawing(source, c.Version))) << LoadErrorText(doc.LoadError);
  const TEntJwwHeader& h = doc.Header;
  EXPECT_EQ(h.Version, c.Version);
  EXPECT_EQ(h.Signature, "JwwData.");
  EXPECT_EQ(h.Memo, source.Header.Memo);
  EXPECT_EQ(doc.Layers[255].Name, "layer255");
  EXPECT_EQ(doc.LayerGroups[15].Name, "group15");
  EXPECT_EQ(doc.Pens[9].PrintColor, source.Pens[9].PrintColor);
  EXPECT_EQ(h.ReservedAfterLayers, source.Header.ReservedAfterLayers);
  EXPECT_EQ(h.ReservedAfterDimSettings, 8316u);
  EXPECT_EQ(h.SkyMapLevel, c.SkyMap ? 7 : 0);
  EXPECT_EQ(h.SkyMapRadius, c.SkyMap ? 8 : 0);
  EXPECT_EQ(h.MarkJumps[3].Y, 23);  // in both layouts
  EXPECT_EQ(h.MarkJumps[3].LayerGroup, c.EightMarks ? 3 : -1);
  EXPECT_EQ(h.MarkJumps[7].Scale, c.EightMarks ? 9 : 1);
  EXPECT_EQ(h.ExtraB.Int, c.EightMarks ? 9 : 0);
  EXPECT_EQ(h.PointScreenRadius, c.Switches ? 11 : 0);
  EXPECT_EQ(h.DisplayOnlyNoPrint, c.Switches ? 3 : 0);
  EXPECT_EQ(h.WidthUnitMode, c.Switches ? 2 : 0);
  EXPECT_EQ(h.DrawTime, c.EyePoint ? 3725 : 0);
  EXPECT_EQ(h.EyeAngleV3, c.EyePoint ? 1.5 : 0);
  EXPECT_EQ(h.LastLineLength, c.LastInput ? 12.5 : 0);
  EXPECT_EQ(h.LastCircleRadius, c.LastInput ? 4.5 : 0);
  EXPECT_EQ(h.SolidAnyColor, c.SolidColor ? 1 : 0);
  EXPECT_EQ(h.SolidDefaultColor, c.SolidColor ? 0xABCDEFu : 0u);
  ASSERT_EQ(doc.ColorExNos.size(), 257u);
  ASSERT_EQ(doc.LineTypeExNos.size(), 33u);
  if (c.UserTables) {
    EXPECT_EQ(doc.ColorExNos, source.ColorExNos);
    EXPECT_EQ(doc.LineTypeExNos, source.LineTypeExNos);
  } else {
    EXPECT_EQ(doc.ColorExNos[256], TEntJwwColorExNo{});
    EXPECT_EQ(doc.LineTypeExNos[32], TEntJwwLineTypeExNo{});
  }
  // The last rows land in place only when every gate above was right.
  EXPECT_EQ(doc.TextStyles[9].Color, 5);
  EXPECT_EQ(h.TextOffsetY[2], 6.25);
}

INSTANTIATE_TEST_SUITE_P(Versions, HeaderGateTest,
                         ::testing::Values(
                             //       version sky    8marks switch eye    last   solid  user
                             TGateCase{220, false, false, true, false, false, false, false},
                             TGateCase{221, false, false, false, false, false, false, false},
                             TGateCase{223, false, false, true, true, false, false, false},
                             TGateCase{224, false, false, false, false, false, false, false},
                             TGateCase{225, false, false, true, true, true, false, false},
                             TGateCase{229, false, false, false, false, false, false, false},
                             TGateCase{230, false, false, true, true, true, true, false},
                             TGateCase{231, false, true, true, true, true, true, false},
                             TGateCase{250, false, true, true, true, true, true, false},
                             TGateCase{300, true, true, true, true, true, true, false},
                             TGateCase{350, true, true, true, true, true, true, false},
                             TGateCase{351, true, true, true, true, true, true, false},
                             TGateCase{419, true, true, true, true, true, true, false},
                             TGateCase{420, true, true, true, true, true, true, true},
                             TGateCase{700, true, true, true, true, true, true, true}),
                         [](const auto& row) { return "V" + std::to_string(row.param.Version); });

TEST(HeaderReaderTest, EleventhSwitchSplitsIntoUnitsAndTens) {
  const std::vector<std::pair<int32_t, std::pair<int32_t, int32_t>>> rows = {
      {23, {3, 2}}, {-7, {-7, 0}}, {3, {3, 0}}, {-23, {-3, -2}}};
  for (const auto& [stored, split] : rows) {
    TJwwData source = SampleDocument();
    source.Header.DisplayOnlyNoPrint = stored;  // the builder writes D + 10 W
    TJwwData doc;
    ASSERT_TRUE(Load(doc, TJwwBuilder::Drawing(source)));
    EXPECT_EQ(doc.Header.DisplayOnlyNoPrint, split.first) << stored;
    EXPECT_EQ(doc.Header.WidthUnitMode, split.second) << stored;
  }
}

TEST(HeaderReaderTest, PublishesDocumentInformation) {
  const std::vector<std::pair<int32_t, std::string>> times = {
      {3725, "1 : 02"}, {59, "0 : 00"}, {36000, "10 : 00"}, {600, "0 : 10"}};
  for (const auto& [seconds, text] : times) {
    TJwwData source = SampleDocument();
    source.Header.DrawTime = seconds;
    source.Header.Memo = "one\r\ntwo\r\nthree";
    source.Header.PrintScale = 0.5;
    TJwwData doc;
    ASSERT_TRUE(Load(doc, TJwwBuilder::Drawing(source)));
    EXPECT_TRUE(doc.DocInfoPublished);
    EXPECT_EQ(doc.DocInfo.DocFileName, "drawing.jww");
    EXPECT_EQ(doc.DocInfo.DocDrawTimeText, text);
    EXPECT_EQ(doc.DocInfo.DocMemoLine1, "one");
    EXPECT_EQ(doc.DocInfo.DocMemoRest, "two\r\nthree");
    EXPECT_EQ(doc.DocInfo.DocPrintScale, 0.5);
  }
  TJwwData source = SampleDocument();
  source.Header.Memo = "single\tline";
  TJwwData doc;
  ASSERT_TRUE(Load(doc, TJwwBuilder::Drawing(source)));
  EXPECT_EQ(doc.Header.Memo, "single\tline");  // the memo is not cleaned
  EXPECT_EQ(doc.DocInfo.DocMemoLine1, "single\tline");
  EXPECT_EQ(doc.DocInfo.DocMemoRest, "");
}

TEST(HeaderReaderTest, NamesAreCleaned) {
  TJwwData source = SampleDocument();
  source.Layers[17].Name = "a\tb\x82";
  source.ColorExNos[20].Name = "\x82\xA0\x01";
  TJwwData doc;
  ASSERT_TRUE(Load(doc, TJwwBuilder::Drawing(source)));
  EXPECT_EQ(doc.Header.Signature, "JwwData.");
  EXPECT_EQ(doc.Layers[17].Name, "ab");
  EXPECT_EQ(doc.ColorExNos[20].Name, "\x82\xA0");
}

// Any other first bytes make a file that is not a drawing: nothing of it is read. A file
// cut inside the signature is a drawing that ends early.
TEST(HeaderReaderTest, AnotherSignatureIsNoDrawing) {
  TJwwData source = SampleDocument();
  source.Header.Signature = "NotJww!!";
  TJwwData doc;
  EXPECT_FALSE(Load(doc, TJwwBuilder::Drawing(source)));
  EXPECT_TRUE(doc.LoadError.NotADrawing());
  EXPECT_EQ(doc.LoadError.Offset, 0u);
  EXPECT_TRUE(doc.Layers.empty());
  EXPECT_FALSE(doc.DocInfoPublished);
  for (const std::string cut : {"", "X", "JwwDat"}) {
    EXPECT_FALSE(Load(doc, std::vector<uint8_t>(cut.begin(), cut.end())));
    EXPECT_EQ(doc.LoadError.NotADrawing(), cut != "JwwDat") << cut;
  }
}

TEST(HeaderReaderTest, VersionBelow220EndsTheLoadAfterTheVersion) {
  TJwwData source = SampleDocument();
  TJwwData doc;
  doc.DocInfo.DocDrawTimeText = "earlier";
  EXPECT_FALSE(Load(doc, TJwwBuilder::Drawing(source, 219)));
  EXPECT_EQ(doc.Header.Version, 219);
  EXPECT_EQ(doc.Header.Signature, "JwwData.");
  EXPECT_EQ(doc.Header.Memo, "");
  EXPECT_EQ(doc.Header.PrintScale, 1.0);
  EXPECT_FALSE(doc.DocInfoPublished);
  EXPECT_EQ(doc.DocInfo.DocDrawTimeText, "earlier");
  EXPECT_EQ(doc.DocInfo.DocFileName, "drawing.jww");
  EXPECT_EQ(doc.LoadError.Offset, 8u);
  EXPECT_NE(LoadErrorText(doc.LoadError).find("219"), std::string::npos);
}

TEST(HeaderReaderTest, ShortFileKeepsWhatWasRead) {
  TJwwData source = SampleDocument();
  std::vector<uint8_t> bytes = TJwwBuilder::Drawing(source, 700);
  bytes.resize(600);  // inside the layer table
  TJwwData doc;
  EXPECT_FALSE(Load(doc, bytes));
  EXPECT_EQ(doc.Header.Version, 700);
  EXPECT_EQ(doc.Header.Memo, source.Header.Memo);
  EXPECT_EQ(doc.Header.PaperSize, 3);
  EXPECT_EQ(doc.LayerGroups[0].Scale, 100);
  EXPECT_EQ(LoadErrorText(doc.LoadError), "end of file inside the header");
  EXPECT_GT(doc.LoadError.Offset, 500u);
  EXPECT_LE(doc.LoadError.Offset, 600u);
  EXPECT_TRUE(doc.DocInfoPublished);  // a failed read still publishes what it has
}

}  // namespace
}  // namespace pennatran
