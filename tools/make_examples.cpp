// Writes the two example drawings: a palette source whose user colour and line type slots
// are all filled, and a small plan whose user slots are mostly empty. The output is the
// same on every run.
//
//   make_examples [FOLDER]   (default: examples)
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "example_builder.h"
#include "jww/jww_data.h"
#include "jww/text_encoding.h"

namespace pennatran::examples {
namespace {

constexpr uint32_t Rgb(int r, int g, int b) {
  return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) |
         (static_cast<uint32_t>(b) << 16);
}

std::string Sjis(std::string_view utf8) {
  return Utf8ToSjis(utf8);
}

// The settings a freshly started drawing carries: every table at its fixed size.
void SetUpSettings(TJwwData& doc, std::string_view memoUtf8) {
  doc.Clear();
  TEntJwwHeader& h = doc.Header;
  h.Signature = "JwwData.";
  h.Version = 700;
  h.Memo = Sjis(memoUtf8);
  h.PaperSize = 3;  // A3
  h.DimSettings[0] = 1;
  h.DimSettings[1] = 2;
  h.DimSettings[2] = 0;
  h.DimSettings[3] = 3;
  h.DimSettings[4] = 0;
  h.MaxDrawWidth = 0;
  h.GridSpacingX = h.GridSpacingY = 5;
  h.DrawTime = 3725;
  h.PointScreenRadius = 2;
  h.PointPrintRadius = 3;
  h.DisplayOnlyNoPrint = 1;
  h.WidthUnitMode = 1;
  h.SolidDefaultColor = Rgb(192, 224, 255);
  h.TextSizeX = h.TextSizeY = 3.5;
  h.TextColor = 2;
  h.TextStyleNo = 5;
  for (int i = 0; i < 10; ++i) h.MultiLineSpacing[i] = 0.5 * (i + 1);

  doc.LayerGroups.assign(kLayerGroupCount, {});
  doc.Layers.assign(kLayerCount, {});
  for (TEntJwwLayerGroup& group : doc.LayerGroups) {
    group.State = kStoredEditable;
    group.Scale = 100;
  }
  for (TEntJwwLayer& layer : doc.Layers) layer.State = kStoredEditable;
  doc.LayerGroups[0].State = kStoredWriting;

  // Pen 0 is the white background; 1..9 the usual screen colours.
  const uint32_t screen[10] = {
      Rgb(255, 255, 255), Rgb(0, 160, 160), Rgb(0, 0, 0),     Rgb(0, 160, 0),   Rgb(192, 160, 0),
      Rgb(192, 0, 192),   Rgb(0, 0, 255),   Rgb(0, 128, 128), Rgb(255, 0, 128), Rgb(255, 128, 255)};
  doc.Pens.assign(kPenCount, {});
  for (int i = 0; i < 10; ++i) {
    doc.Pens[i] = {screen[i], 1 + i % 4, i == 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0), 10 + 5 * i,
                   0.2 + 0.05 * i};
  }
  const uint32_t patterns[8] = {0xFF00FF00u, 0xFFF0FFF0u, 0xFF18FF18u, 0xFF181818u,
                                0xFFFF0000u, 0xFFF0F0F0u, 0xFFFF1818u, 0xFF18F018u};
  doc.LineTypeDefs.assign(kLineTypeDefCount, {});
  for (int i = 0; i < 8; ++i) doc.LineTypeDefs[i] = {patterns[i], 32, 1, 1};
  doc.RandomLineDefs.assign(kRandomLineDefCount, {});
  for (int i = 0; i < 5; ++i) doc.RandomLineDefs[i] = {0xFFFFFFFFu, 2 + i, 8, 2 + i, 8};
  doc.DoubleLineDefs.assign(kDoubleLineDefCount, {});
  for (int i = 0; i < 4; ++i) doc.DoubleLineDefs[i] = {patterns[i], 64, 2, 2};
  doc.TextStyles.assign(kTextStyleCount, {});
  const double sizes[10] = {2, 2.5, 3, 3.5, 4, 5, 6, 7, 8, 10};
  for (int i = 0; i < 10; ++i) doc.TextStyles[i] = {sizes[i], sizes[i], 0, 1 + i % 8};

  // SXF predefined colours in slots 1..16, user slots empty.
  const char* names[16] = {"black",     "red",      "green",     "blue",    "yellow", "magenta",
                           "cyan",      "white",    "deeppink",  "brown",   "orange", "lightgreen",
                           "lightblue", "lavender", "lightgray", "darkgray"};
  const uint32_t colors[16] = {
      Rgb(0, 0, 0),     Rgb(255, 0, 0),    Rgb(0, 255, 0),     Rgb(0, 0, 255),
      Rgb(255, 255, 0), Rgb(255, 0, 255),  Rgb(0, 255, 255),   Rgb(255, 255, 255),
      Rgb(192, 0, 128), Rgb(192, 128, 64), Rgb(255, 128, 0),   Rgb(128, 192, 128),
      Rgb(0, 128, 255), Rgb(128, 64, 255), Rgb(192, 192, 192), Rgb(128, 128, 128)};
  doc.ColorExNos.assign(kColorSlotCount, {});
  for (int i = 1; i <= 16; ++i) {
    doc.ColorExNos[i] = {colors[i - 1], 18, names[i - 1], colors[i - 1], 18, 0.2};
  }
  const char* lineTypes[16] = {"continuous",
                               "dashed",
                               "dashed spaced",
                               "long dashed dotted",
                               "long dashed double-dotted",
                               "long dashed triplicate-dotted",
                               "dotted",
                               "chain",
                               "chain double dash",
                               "dashed dotted",
                               "double-dashed dotted",
                               "dashed double-dotted",
                               "double-dashed double-dotted",
                               "dashed triplicate-dotted",
                               "double-dashed triplicate-dotted",
                               "long dashed"};
  doc.LineTypeExNos.assign(kLineTypeSlotCount, {});
  for (int i = 1; i <= 16; ++i) {
    TEntJwwLineTypeExNo& t = doc.LineTypeExNos[i];
    t.Pattern = i == 1 ? 0xFFFFFFFFu : patterns[(i - 2) % 8];
    t.UnitDots = 32;
    t.ScreenPitch = 1;
    t.PrintPitch = 1;
    t.Name = lineTypes[i - 1];
    t.SegmentCount = i == 1 ? 0 : 2;
    if (i > 1) {
      t.Pitches[0] = 3;
      t.Pitches[1] = 1;
    }
  }
}

// Ends a drawing: header counts from the arrays, then the block tree the writer needs.
void Finish(TJwwData& doc) {
  doc.Header.EntityCount = static_cast<int32_t>(doc.EntityOrder.size());
  doc.Header.BlockCount = static_cast<int32_t>(doc.BlockDefs.size());
  for (TEntJwwBlockDef& def : doc.BlockDefs)
    def.Count = static_cast<int32_t>(def.EntityOrder.size());
  doc.BuildBlockTree();
}

// A colour from hue (degrees), saturation and value (0..1).
uint32_t Hsv(double hue, double saturation, double value) {
  const double c = value * saturation;
  const double h = std::fmod(hue, 360.0) / 60.0;
  const double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
  double r = 0, g = 0, b = 0;
  if (h < 1)
    r = c, g = x;
  else if (h < 2)
    r = x, g = c;
  else if (h < 3)
    g = c, b = x;
  else if (h < 4)
    g = x, b = c;
  else if (h < 5)
    r = x, b = c;
  else
    r = c, b = x;
  const double m = value - c;
  auto level = [m](double v) { return static_cast<int>(std::lround((v + m) * 255)); };
  return Rgb(level(r), level(g), level(b));
}

void FillPalette(TJwwData& doc) {
  const char* uses[20] = {"外壁線",     "内壁線",     "通り芯",   "建具線", "寸法線",
                          "補助線",     "家具",       "設備線",   "植栽",   "敷地境界線",
                          "道路境界線", "外構",       "電気配線", "給水管", "排水管",
                          "ガス管",     "換気ダクト", "構造線",   "仕上線", "見え掛かり線"};
  const char* hues[12] = {"赤", "朱",   "橙",   "山吹", "黄", "黄緑",
                          "緑", "青緑", "水色", "青",   "藍", "紫"};
  const int32_t widths[6] = {13, 18, 25, 35, 50, 70};
  for (int slot = 17; slot <= 256; ++slot) {
    const int i = slot - 17;
    const int use = i / 12, hue = i % 12;
    const double value = 1.0 - 0.03 * use;
    const uint32_t color = Hsv(hue * 30.0, 0.45 + 0.025 * use, value);
    TEntJwwColorExNo& c = doc.ColorExNos[slot];
    c.ScreenColor = color;
    c.ScreenWidth = widths[use % 6];
    c.Name = Sjis(std::string(uses[use]) + "・" + hues[hue]);
    c.PrintColor = color;
    c.PrintWidth = widths[(use + 1) % 6];
    c.PointRadius = 0.1 + 0.05 * (use % 5);
  }
  struct TLineTypeSample {
    const char* Name;
    std::vector<double> Pitches;
  };
  const TLineTypeSample samples[16] = {
      {"破線", {4, 1.5}},
      {"点線", {0.5, 1}},
      {"一点鎖線", {8, 1, 0.5, 1}},
      {"二点鎖線", {8, 1, 0.5, 1, 0.5, 1}},
      {"三点鎖線", {8, 1, 0.5, 1, 0.5, 1, 0.5, 1}},
      {"長破線", {12, 2}},
      {"細かい破線", {2, 1}},
      {"通り芯線", {15, 1.5, 2, 1.5}},
      {"隠れ線", {3, 1}},
      {"想像線", {10, 1, 1, 1, 1, 1}},
      {"境界線", {12, 1.5, 1, 1.5, 1, 1.5}},
      {"切断線", {10, 1, 3, 1}},
      {"配管線", {6, 1, 1, 1, 1, 1, 1, 1}},
      {"ダクト線", {9, 2, 3, 2}},
      {"地盤線", {20, 3}},
      {"計画線", {5, 1, 5, 1, 1, 1, 1, 1}},
  };
  for (int slot = 17; slot <= 32; ++slot) {
    const TLineTypeSample& sample = samples[slot - 17];
    TEntJwwLineTypeExNo& t = doc.LineTypeExNos[slot];
    uint32_t pattern = 0;
    int bit = 31;
    bool on = true;
    // The dash pattern word follows the pitches, one bit per half millimetre.
    while (bit >= 0) {
      for (double pitch : sample.Pitches) {
        for (int k = 0; k < static_cast<int>(pitch * 2) && bit >= 0; ++k, --bit)
          if (on) pattern |= 1u << bit;
        on = !on;
      }
    }
    t.Pattern = pattern;
    t.UnitDots = 32;
    t.ScreenPitch = 1;
    t.PrintPitch = 4;
    t.Name = Sjis(sample.Name);
    t.SegmentCount = static_cast<int32_t>(sample.Pitches.size());
    for (size_t k = 0; k < sample.Pitches.size(); ++k) t.Pitches[k] = sample.Pitches[k];
  }
}

// A colour chart of the 240 user colours and a sample of each user line type.
void DrawPaletteChart(TJwwData& doc) {
  TEntitySink sink(doc, *doc.Strings);
  doc.LayerGroups[0].Name = Sjis("色見本");
  doc.Layers[0].Name = Sjis("線色");
  doc.Layers[1].Name = Sjis("線種");
  doc.Layers[2].Name = Sjis("文字");
  sink.Pen = {0, 2, 2, 1};
  sink.Text(0, 128, "SXF対応拡張ユーザー線色", 5, 0, 20005);
  for (int i = 0; i < 240; ++i) {
    const double x = (i % 20) * 7.0, y = 120 - (i / 20) * 7.0;
    sink.Pen = {0, 0, static_cast<uint16_t>(117 + i), 1};
    sink.Solid(x, y, x + 6, y, x + 6, y - 6, x, y - 6);
  }
  sink.Pen = {0, 2, 2, 1};
  sink.Text(150, 128, "SXF対応拡張ユーザー線種", 5, 0, 20005);
  for (int i = 0; i < 16; ++i) {
    const double y = 120 - i * 5.5;
    sink.Pen = {0, 1, static_cast<uint16_t>(117 + i * 15), static_cast<uint8_t>(47 + i)};
    sink.Line(150, y - 3, 200, y - 3);
    sink.Pen = {0, 2, 2, 1};
    sink.Text(203, y - 4, "No." + std::to_string(17 + i), 2.5);
  }
}

// A 40 x 30 pixel, 24-bit bottom-up BMP with a sky-and-lawn gradient.
std::vector<uint8_t> SiteBitmap() {
  const int width = 40, height = 30, stride = 120;
  const uint32_t pixels = stride * height, size = 54 + pixels;
  std::vector<uint8_t> bmp(size, 0);
  auto put16 = [&](size_t at, uint32_t v) {
    bmp[at] = static_cast<uint8_t>(v);
    bmp[at + 1] = static_cast<uint8_t>(v >> 8);
  };
  auto put32 = [&](size_t at, uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  put16(26, 1);
  put16(28, 24);
  put32(34, pixels);
  put32(38, 2835);
  put32(42, 2835);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t at = 54 + y * stride + x * 3;
      const bool lawn = y < 12;
      bmp[at] = static_cast<uint8_t>(lawn ? 60 : 200 + y);           // blue
      bmp[at + 1] = static_cast<uint8_t>(lawn ? 140 + x : 160 + y);  // green
      bmp[at + 2] = static_cast<uint8_t>(lawn ? 50 : 120 + 2 * y);   // red
    }
  }
  return bmp;
}

void NameLayers(TJwwData& doc) {
  doc.LayerGroups[0].Name = Sjis("一階平面図");
  doc.LayerGroups[0].Scale = 100;
  doc.LayerGroups[0].WriteLayer = 0;
  doc.LayerGroups[1].Name = Sjis("玄関詳細図");
  doc.LayerGroups[1].Scale = 50;
  const char* layers[8] = {"壁", "通り芯", "建具", "寸法", "下書き", "敷地", "文字", "家具"};
  for (int l = 0; l < 8; ++l) doc.Layers[l].Name = Sjis(layers[l]);
  doc.Layers[4].State = kStoredHidden;
  doc.Layers[5].State = kStoredDisplayOnly;
  const char* detail[3] = {"躯体", "仕上", "注記"};
  for (int l = 0; l < 3; ++l) doc.Layers[16 + l].Name = Sjis(detail[l]);
}

// Block 1: a column with its cross; block 2: a meeting table with chairs, a column and a
// dimension; block 3: two tables side by side, so block 1 is reached two levels down.
void DefineBlocks(TJwwData& doc) {
  doc.BlockDefs.resize(3);
  {
    TEntJwwBlockDef& column = doc.BlockDefs[0];
    column.Number = 1;
    column.Referenced = 1;
    column.Time = 1;
    column.Name = Sjis("柱");
    TEntitySink sink(column, *doc.Strings);
    sink.Pen = {0, 0, 2, 1};
    sink.Rect(-2, -2, 2, 2);
    sink.Line(-2, -2, 2, 2);
    sink.Line(-2, 2, 2, -2);
    sink.Pen = {0, 0, 3, 1};
    sink.Solid(-1, -1, 1, -1, 1, 1, -1, 1);
  }
  {
    TEntJwwBlockDef& table = doc.BlockDefs[1];
    table.Number = 2;
    table.Referenced = 1;
    table.Time = 2;
    table.Name = Sjis("会議机セット");
    TEntitySink sink(table, *doc.Strings);
    sink.Pen = {0, 7, 5, 1};
    sink.Rect(0, 0, 18, 9);
    for (int k = 0; k < 3; ++k) {
      sink.Circle(3 + 6 * k, -2.5, 1.6);
      sink.Circle(3 + 6 * k, 11.5, 1.6);
    }
    sink.Pen = {0, 6, 2, 1};
    sink.Text(6, 3.5, "会議机", 2.5);
    sink.Pen = {0, 3, 1, 1};
    sink.Dimension(0, 9, 18, 9, 6, "1,800", 2, 0x0042);
    sink.Pen = {0, 0, 2, 1};
    sink.Insert(21, 4.5, 1, 0.5, 0.5, kPi / 4);
  }
  {
    TEntJwwBlockDef& pair = doc.BlockDefs[2];
    pair.Number = 3;
    pair.Referenced = 1;
    pair.Time = 3;
    pair.Name = Sjis("机二連");
    TEntitySink sink(pair, *doc.Strings);
    sink.Pen = {0, 7, 5, 1};
    sink.Insert(0, 0, 2);
    sink.Insert(0, 16, 2, 1, 1, 0);
  }
}

void DrawPlan(TJwwData& doc) {
  TEntitySink sink(doc, *doc.Strings);

  // Grid lines (通り芯), dash-dotted.
  sink.Pen = {0, 1, 1, 5};
  for (double x : {0.0, 60.0, 120.0}) sink.Line(x, -10, x, 90);
  for (double y : {0.0, 80.0}) sink.Line(-10, y, 130, y);
  sink.Pen = {0, 1, 1, 1};
  for (double x : {0.0, 60.0, 120.0}) sink.Circle(x, 95, 4);
  sink.Pen = {0, 6, 2, 1};
  sink.Text(-1.2, 93.5, "X1", 3);
  sink.Text(58.8, 93.5, "X2", 3);
  sink.Text(118.8, 93.5, "X3", 3);

  // Walls: outer faces and inner faces, with door openings in the inner partition.
  sink.Pen = {0, 0, 2, 1, 0};
  sink.Rect(-1.5, -1.5, 121.5, 81.5);
  sink.Rect(1.5, 1.5, 118.5, 78.5);
  sink.Line(58.5, 1.5, 58.5, 30);
  sink.Line(61.5, 1.5, 61.5, 30);
  sink.Line(58.5, 40, 58.5, 78.5);
  sink.Line(61.5, 40, 61.5, 78.5);
  sink.Line(58.5, 30, 61.5, 30);
  sink.Line(58.5, 40, 61.5, 40);
  sink.Line(61.5, 48.5, 118.5, 48.5);
  sink.Line(61.5, 51.5, 90, 51.5);
  sink.Line(100, 48.5, 100, 51.5);
  sink.Line(90, 48.5, 90, 51.5);
  sink.Line(100, 51.5, 118.5, 51.5);

  // Doors: leaf and swing.
  sink.Pen = {0, 2, 4, 1};
  sink.Line(61.5, 30, 61.5 + 10, 30);
  sink.Arc(61.5, 30, 10, 0, kPi / 2);
  sink.Line(90, 51.5, 90, 61.5);
  sink.Arc(90, 51.5, 10, 0, kPi / 2);
  sink.Line(30, -1.5, 30, -11.5);
  sink.Arc(30, -1.5, 10, 3 * kPi / 2, kPi / 2);

  // Bath tub (an ellipse, tilted) and a round table.
  sink.Pen = {0, 7, 6, 1};
  sink.Rect(100, 60, 116, 76);
  sink.Circle(108, 68, 6, 0.3, 0.6);
  sink.Circle(30, 55, 6);

  // Room names, a title in bold, and a vertical note.
  sink.Pen = {0, 6, 2, 1};
  sink.Text(20, 20, "居間・食堂", 3.5, 0, 5);
  sink.Text(80, 25, "寝室", 3.5, 0, 5);
  sink.Text(70, 65, "台所", 3, 0, 4);
  sink.Text(102, 56, "浴室", 2.5, 0, 3);
  sink.Pen = {0, 6, 8, 1};
  sink.Text(0, -25, "一階平面図　S=1/100", 6, 0, 20007);
  sink.Pen = {0, 6, 6, 1, 0, 0x20};
  sink.Text(-20, 70, "北側道路", 4, 270, 6);

  // Dimensions along the top and the left side.
  sink.Pen = {0, 3, 1, 1};
  sink.Dimension(0, 80, 60, 80, 12, "6,000", 2.5, 0x0042);
  sink.Dimension(60, 80, 120, 80, 12, "6,000", 2.5, 0x0042);
  sink.Dimension(0, 80, 0, 0, 12, "8,000", 2.5, 0x0042);

  // Solids: a plain quadrilateral, one in its own colour, and the arc forms.
  sink.Pen = {0, 7, 3, 1};
  sink.Solid(5, 5, 25, 5, 25, 12, 5, 12);
  sink.Pen = {0, 7, 10, 1};
  sink.Solid(35, 5, 55, 5, 55, 12, 35, 12, Rgb(255, 224, 160));
  sink.Pen = {0, 7, 4, 1};
  sink.ArcSolid(101, 20, 65, 4, 1, 0, 0, 2 * kPi, 100);
  sink.Pen = {0, 7, 10, 1};
  sink.ArcSolid(101, 45, 65, 6, 1, 0, kPi / 4, kPi / 2, 0, Rgb(160, 200, 255));
  sink.Pen = {0, 7, 5, 1};
  sink.ArcSolid(105, 80, 10, 8, 1, 0, 0, kPi, 5);
  sink.Pen = {0, 7, 6, 1};
  sink.ArcSolid(106, 100, 10, 8, 0.6, 0.2, 0, kPi, 4);
  sink.Pen = {0, 7, 8, 1};
  sink.ArcSolid(111, 80, 40, 7, 1, 0, kPi / 6, 4 * kPi / 3, 0);

  // Points: plain, temporary, and markers of several codes.
  sink.Pen = {0, 5, 2, 1};
  sink.Point(130, 0);
  sink.Point(130, 10, 0, 0, 1, 1);
  for (int code = 1; code <= 10; ++code)
    sink.Point(125 + 3.0 * code, 20 + (code % 2) * 4, code, kPi / 6 * code, 0.5);

  // The hidden sketch layer and the display-only site boundary.
  sink.Pen = {0, 4, 9, 2};
  sink.Line(-5, 40, 125, 40);
  sink.Line(40, -5, 40, 85);
  sink.Pen = {0, 5, 2, 1};
  sink.Polyline({{-30, -40}, {160, -40}, {160, 110}, {-30, 110}}, true);

  // Furniture blocks: columns at the grid crossings, a pair of tables (block inside block
  // inside block), and one table turned and shrunk.
  sink.Pen = {0, 0, 2, 1};
  for (double x : {0.0, 60.0, 120.0})
    for (double y : {0.0, 80.0}) sink.Insert(x, y, 1);
  sink.Pen = {0, 7, 5, 1};
  sink.Insert(10, 28, 3, 1, 1, 0);
  sink.Insert(75, 60, 2, 0.8, 0.8, kPi / 2);

  // The site photograph, an embedded image referenced by a text.
  sink.Pen = {0, 5, 2, 1};
  sink.Text(135, 40, "^@BM%temp%site.bmp,40,30", 3);

  // Layer group 1 at 1:50: the entrance in detail.
  sink.Pen = {1, 0, 2, 1};
  sink.Rect(180, 0, 240, 3);
  sink.Rect(180, 27, 240, 30);
  sink.Pen = {1, 1, 5, 1};
  sink.Line(180, 3, 240, 3);
  sink.Arc(200, 3, 20, 0, kPi / 2);
  sink.Pen = {1, 2, 2, 1};
  sink.Text(185, 15, "玄関ポーチ", 3.5, 0, 5);
  sink.Pen = {1, 2, 1, 1};
  sink.Dimension(180, 30, 240, 30, 8, "3,000", 2.5, 0x0042);
}

void FillPlanSlots(TJwwData& doc) {
  doc.ColorExNos[17] = {Rgb(255, 160, 0), 25, Sjis("既存外壁"), Rgb(255, 160, 0), 35, 0.3};
  doc.ColorExNos[18] = {Rgb(0, 128, 192), 18, Sjis("計画線"), Rgb(0, 128, 192), 18, 0.2};
  doc.ColorExNos[40] = {Rgb(128, 0, 0), 50, Sjis("敷地境界"), Rgb(128, 0, 0), 50, 0.25};
  TEntJwwLineTypeExNo& t = doc.LineTypeExNos[17];
  t.Pattern = 0xFFFF0000u;
  t.UnitDots = 32;
  t.ScreenPitch = 1;
  t.PrintPitch = 4;
  t.Name = Sjis("既存破線");
  t.SegmentCount = 2;
  t.Pitches[0] = 6;
  t.Pitches[1] = 2;
}

bool Save(TJwwData& doc, const std::filesystem::path& path) {
  doc.SetSaveOptions(0);
  if (!doc.SaveToFile(path, 700)) {
    std::cerr << "make_examples: cannot write " << path.string() << "\n";
    return false;
  }
  TJwwData check;
  if (!check.LoadFromFile(path) || check.EntityOrder.size() != doc.EntityOrder.size()) {
    std::cerr << "make_examples: " << path.string() << " does not read back\n";
    return false;
  }
  std::cout << "wrote " << path.string() << " (" << check.EntityOrder.size() << " entities, "
            << check.BlockDefCount() << " blocks, " << check.ImageList.size() << " images)\n";
  return true;
}

int Run(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);

  TJwwData palette;
  SetUpSettings(palette, "SXF対応拡張ユーザー線色・線種の見本\r\nPennatran の例題");
  FillPalette(palette);
  DrawPaletteChart(palette);
  Finish(palette);
  if (!Save(palette, folder / "palette-source.jww")) return 1;

  const std::vector<uint8_t> bmp = SiteBitmap();
  TJwwData plan;
  SetUpSettings(plan, "木造二階建て住宅　一階平面図\r\n敷地：東京都某所");
  NameLayers(plan);
  FillPlanSlots(plan);
  DefineBlocks(plan);
  DrawPlan(plan);
  Finish(plan);
  plan.ImageList = {
      {"site.bmp", static_cast<int32_t>(bmp.size()), false, std::string(bmp.begin(), bmp.end())}};
  return Save(plan, folder / "plan-destination.jww") ? 0 : 1;
}

}  // namespace
}  // namespace pennatran::examples

int main(int argc, char** argv) {
  return pennatran::examples::Run(argc > 1 ? argv[1] : "examples");
}
