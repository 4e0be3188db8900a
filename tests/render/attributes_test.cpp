#include "attributes/preview_attributes.h"

#include <gtest/gtest.h>

#include "support/jww_builder.h"

namespace pennatran {
namespace {

// A document with the tables a load fills, all layers normal.
TJwwData MakeDocument() {
  TJwwData doc;
  doc.LayerGroups.assign(kLayerGroupCount, TEntJwwLayerGroup{});
  doc.Layers.assign(kLayerCount, TEntJwwLayer{});
  for (auto& g : doc.LayerGroups) g.State = 2;
  for (auto& l : doc.Layers) l.State = 2;
  doc.Pens.assign(kPenCount, TEntJwwPen{});
  doc.Pens[0].ScreenColor = MakeColor(255, 255, 255);
  doc.ColorExNos.assign(kColorSlotCount, TEntJwwColorExNo{});
  doc.Header.Version = 700;
  return doc;
}

TEST(PreviewAttributes, ConstructionGivesTheDefaultPens) {
  const PreviewAttributes att;
  EXPECT_EQ(att.GetBackColor(), MakeColor(255, 255, 255));
  EXPECT_EQ(att.GetGrayColor(), MakeColor(128, 128, 128));
  EXPECT_FALSE(att.GetShowAuxiliary());
  EXPECT_EQ(att.GetPenColor(1), MakeColor(0, 192, 192));
  EXPECT_DOUBLE_EQ(att.GetPenWidth(1), 0.1);
  EXPECT_DOUBLE_EQ(att.GetPointRadius(2), 0.3);
  EXPECT_EQ(att.GetPenColor(9), MakeColor(255, 128, 255));
  EXPECT_DOUBLE_EQ(att.GetPenWidth(9), 0.01);
  EXPECT_EQ(att.GetPenColor(114), MakeColor(128, 64, 255));
  EXPECT_EQ(att.GetPenColor(116), MakeColor(128, 128, 128));
  EXPECT_EQ(att.GetPenColor(117), MakeColor(0, 0, 0));
  EXPECT_DOUBLE_EQ(att.GetPenWidth(356), 0.18);
  EXPECT_DOUBLE_EQ(att.GetPointRadius(356), 0.2);
  EXPECT_EQ(att.GetLayerState(255), 1);
}

TEST(PreviewAttributes, NumbersWithoutAnEntryGiveTheFallbacks) {
  PreviewAttributes att;
  att.SetBackMode(BackgroundMode::Black);
  for (int32_t n : {-1, 0, 10, 100, 357}) {
    EXPECT_EQ(PreviewAttributes::PenIndex(n), -1) << n;
    EXPECT_EQ(att.GetPenColor(n), MakeColor(0, 0, 0)) << n;
    EXPECT_DOUBLE_EQ(att.GetPenWidth(n), 0.0) << n;
    EXPECT_DOUBLE_EQ(att.GetPointRadius(n), 0.1) << n;
    att.SetPen(n, 0x123456, 1, 1);
  }
  EXPECT_EQ(PreviewAttributes::PenIndex(1), 0);
  EXPECT_EQ(PreviewAttributes::PenIndex(9), 8);
  EXPECT_EQ(PreviewAttributes::PenIndex(101), 9);
  EXPECT_EQ(PreviewAttributes::PenIndex(356), 264);
  EXPECT_EQ(att.GetLayerState(-1), 1);
  EXPECT_EQ(att.GetLayerState(256), 1);
  att.SetLayer(256, 3);
  att.SetLayer(4, 7);
  EXPECT_EQ(att.GetLayerState(4), 1);
  att.SetLayer(4, 3);
  EXPECT_EQ(att.GetLayerState(4), 3);
}

TEST(PreviewAttributes, BackModeSwapsBackgroundAndForegroundOnly) {
  PreviewAttributes att;
  att.SetBackMode(BackgroundMode::Black);
  EXPECT_EQ(att.BackMode, BackgroundMode::Black);
  EXPECT_EQ(att.GetBackColor(), MakeColor(0, 0, 0));
  EXPECT_EQ(att.ForeColor, MakeColor(255, 255, 255));
  EXPECT_EQ(att.GetPenColor(117), MakeColor(0, 0, 0));  // pen colours untouched
  att.InitPenColors();
  EXPECT_EQ(att.GetPenColor(117), MakeColor(255, 255, 255));
  EXPECT_EQ(att.GetPenColor(101), MakeColor(0, 0, 0));
}

TEST(ApplyLayerStates, GroupAndLayerStatesCombine) {
  TJwwData doc = MakeDocument();
  doc.LayerGroups[1].State = 0;  // hidden group
  doc.Layers[16 + 3].State = 2;
  doc.LayerGroups[2].State = 1;  // display-only group
  doc.Layers[32 + 4].State = 0;
  doc.Layers[48 + 5].State = 1;
  doc.Layers[48 + 6].State = 0;
  doc.Layers[48 + 7].State = 3;
  doc.LayerGroups[4].State = 3;
  PreviewAttributes att;
  ApplyLayerStates(att, doc);
  for (int i = 16; i < 32; ++i) EXPECT_EQ(att.GetLayerState(i), 3) << i;
  EXPECT_EQ(att.GetLayerState(32), 2);
  EXPECT_EQ(att.GetLayerState(32 + 4), 3);
  EXPECT_EQ(att.GetLayerState(48 + 5), 2);
  EXPECT_EQ(att.GetLayerState(48 + 6), 3);
  EXPECT_EQ(att.GetLayerState(48 + 7), 1);
  EXPECT_EQ(att.GetLayerState(64), 1);
  EXPECT_EQ(att.GetLayerState(0), 1);
}

struct WidthUnitRow {
  int32_t Version;
  int32_t MaxDrawWidth;
  int32_t WidthUnitMode;
  std::optional<int32_t> PrinterDpi;
  double Pen2Width;  // for ScreenWidth 10
};

class WidthUnitTest : public ::testing::TestWithParam<WidthUnitRow> {};

TEST_P(WidthUnitTest, Pen2WidthForScreenWidth10) {
  const WidthUnitRow& r = GetParam();
  TJwwData doc = MakeDocument();
  doc.Header.Version = r.Version;
  doc.Header.MaxDrawWidth = r.MaxDrawWidth;
  doc.Header.WidthUnitMode = r.WidthUnitMode;
  doc.Pens[2].ScreenWidth = 10;
  PreviewAttributes att;
  ApplyDocPens(att, doc, BackgroundMode::White, [&] { return r.PrinterDpi; });
  EXPECT_NEAR(att.GetPenWidth(2), r.Pen2Width, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Units, WidthUnitTest,
    ::testing::Values(WidthUnitRow{700, -50, 0, 600, 0.2}, WidthUnitRow{700, -10, 0, 600, 1.0},
                      WidthUnitRow{700, -1, 0, 600, 10.0}, WidthUnitRow{700, -100, 0, 600, 0.1},
                      WidthUnitRow{700, -101, 0, 600, 0.1}, WidthUnitRow{700, 0, 2, 300, 0.42},
                      WidthUnitRow{700, 5, 1, 600, 0.85}, WidthUnitRow{700, 0, 0, 600, 0.42},
                      WidthUnitRow{700, 0, 0, 300, 0.85}, WidthUnitRow{700, 0, 0, 96, 2.65},
                      WidthUnitRow{420, 0, 2, 96, 2.65}, WidthUnitRow{420, 0, 2, std::nullopt, 0.1},
                      WidthUnitRow{700, 0, 0, 0, 0.1}));

TEST(ApplyDocPens, CopiesScreenPensAndSxfColours) {
  TJwwData doc = MakeDocument();
  doc.Pens[1] = {MakeColor(1, 2, 3), 5, MakeColor(9, 9, 9), 7, 0.7};
  doc.Pens[9] = {MakeColor(4, 5, 6), 5, 0, 0, 0.9};
  doc.ColorExNos[1].ScreenColor = MakeColor(10, 20, 30);
  doc.ColorExNos[1].ScreenWidth = 35;
  doc.ColorExNos[1].PointRadius = 0.45;
  doc.ColorExNos[256].ScreenColor = MakeColor(40, 50, 60);
  doc.Header.MaxDrawWidth = -100;
  PreviewAttributes att;
  ApplyDocPens(att, doc, BackgroundMode::White, {});
  EXPECT_EQ(att.GetPenColor(1), MakeColor(1, 2, 3));
  EXPECT_DOUBLE_EQ(att.GetPenWidth(1), 0.05);
  EXPECT_DOUBLE_EQ(att.GetPointRadius(1), 0.7);
  EXPECT_EQ(att.GetPenColor(9), MakeColor(255, 128, 255));  // pen 9 keeps its default
  EXPECT_EQ(att.GetPenColor(101), MakeColor(10, 20, 30));
  EXPECT_DOUBLE_EQ(att.GetPenWidth(101), 0.35);
  EXPECT_DOUBLE_EQ(att.GetPointRadius(101), 0.45);
  EXPECT_EQ(att.GetPenColor(356), MakeColor(40, 50, 60));
}

TEST(ApplyDocPens, DocumentWithoutPensChangesNothing) {
  TJwwData doc;
  doc.Header.MaxDrawWidth = -10;
  PreviewAttributes att;
  EXPECT_EQ(ApplyDocPens(att, doc, BackgroundMode::Black, {}), BackgroundMode::Black);
  EXPECT_EQ(att.GetPenColor(1), MakeColor(0, 192, 192));
}

// A file below version 2.20, one cut before its pens and one that is no drawing at all:
// the pens and background the previous drawing left stay.
TEST(ApplyDocPens, LoadThatReadNoPensKeepsPensAndBackground) {
  TJwwData black = MakeDocument();
  black.Pens[0].ScreenColor = MakeColor(0, 0, 0);
  std::vector<uint8_t> cut = testing::TJwwBuilder::Drawing(black);
  cut.resize(200);
  const std::vector<uint8_t> old = testing::TJwwBuilder(210).Header(black).Bytes();
  const std::string zip = "PK\3\4 not a drawing at all";
  const std::vector<uint8_t> other(zip.begin(), zip.end());
  const struct {
    const std::vector<uint8_t>* Bytes;
    bool NotADrawing;
  } rows[] = {{&old, false}, {&cut, false}, {&other, true}};
  for (const auto& r : rows) {
    TJwwData doc;
    EXPECT_FALSE(doc.LoadFromBytes(r.Bytes->data(), r.Bytes->size(), "x.jww"));
    EXPECT_TRUE(doc.Pens.empty());
    EXPECT_EQ(doc.LoadError.NotADrawing(), r.NotADrawing);
    PreviewAttributes att;
    EXPECT_EQ(ApplyDocPens(att, doc, BackgroundMode::White, {}), BackgroundMode::White);
    EXPECT_EQ(att.GetBackColor(), MakeColor(255, 255, 255));
    EXPECT_EQ(att.GetPenColor(1), MakeColor(0, 192, 192));
  }
}

TEST(ApplyDocPens, BackgroundDetection) {
  using enum BackgroundMode;
  const struct {
    uint32_t Background;
    BackgroundMode ModeBefore;
    BackgroundMode ModeAfter;
  } rows[] = {
      {MakeColor(10, 10, 10), White, Black},
      {MakeColor(0, 20, 0), White, Black},
      {MakeColor(250, 250, 250), Black, White},
      {MakeColor(235, 255, 240), Black, White},
      {MakeColor(128, 128, 128), Black, Black},
      {MakeColor(128, 128, 128), White, White},
      {MakeColor(21, 0, 0), White, White},
      {0xFF000000u | MakeColor(10, 10, 10), White, White},
      {0xFFFFFFFFu, White, White},
  };
  for (const auto& r : rows) {
    TJwwData doc = MakeDocument();
    doc.Pens[0].ScreenColor = r.Background;
    PreviewAttributes att;
    att.SetBackMode(r.ModeBefore);
    EXPECT_EQ(ApplyDocPens(att, doc, r.ModeBefore, {}), r.ModeAfter) << std::hex << r.Background;
    EXPECT_EQ(att.BackMode, r.ModeAfter) << std::hex << r.Background;
  }
}

}  // namespace
}  // namespace pennatran
