#include "synthetic/synthetic_drawing.h"
#include "jww/format_versions.h"

#include <cmath>
#include <random>
#include <string>

#include "jww/text_encoding.h"

namespace pennatran {
namespace {

constexpr int kBlockDefCount = 50;

TEntJwwCommon MakeCommon(std::mt19937& rng, uint8_t lineType, uint16_t color) {
  TEntJwwCommon c{};
  c.LineType = lineType;
  c.Color = color;
  c.Layer = static_cast<uint16_t>(rng() % 16);
  c.LayerGroup = static_cast<uint16_t>(rng() % 4);
  return c;
}

void SetText(TEntJwwText& t, std::mt19937& rng, double x, double y, const std::string& sjis) {
  t.Common = MakeCommon(rng, 1, static_cast<uint16_t>(1 + rng() % 8));
  t.StartX = x;
  t.StartY = y;
  t.SizeX = 3;
  t.SizeY = 3;
  t.Spacing = 0.5;
  t.EndX = x + 3.5 * static_cast<double>(sjis.size()) / 2;
  t.EndY = y;
  t.FontName.Assign(Utf8ToSjis("ＭＳ ゴシック"));
  t.Content.Assign(sjis);
}

// The seven kinds in a fixed proportion out of 100.
int PickKind(std::mt19937& rng) {
  const int r = static_cast<int>(rng() % 100);
  if (r < 60) return EntityLine;
  if (r < 75) return EntityArc;
  if (r < 83) return EntityText;
  if (r < 88) return EntityDimension;
  if (r < 93) return EntitySolid;
  if (r < 97) return EntityPoint;
  return EntityInsert;
}

}  // namespace

void MakeSyntheticDrawing(TJwwData& doc, int64_t entityCount, uint32_t seed) {
  doc.Clear();
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> coord(0.0, 800.0);
  std::uniform_real_distribution<double> small(1.0, 40.0);
  const std::string texts[] = {Utf8ToSjis("寝室"), Utf8ToSjis("居間・食堂"), Utf8ToSjis("玄関"),
                               Utf8ToSjis("浴室 2,730"), Utf8ToSjis("通り芯 X1")};

  doc.Header.Version = kSaveVersion;
  doc.Header.Memo = Utf8ToSjis("合成図面");
  doc.SizeHeaderTables();
  for (auto& g : doc.LayerGroups) {
    g.State = kStoredEditable;
    g.Scale = 100;
  }
  for (auto& l : doc.Layers) l.State = kStoredEditable;
  for (int i = 0; i < 10; ++i) {
    doc.Pens[static_cast<size_t>(i)].ScreenColor = i == 0 ? 0xFFFFFFu : 0x000000u;
    doc.Pens[static_cast<size_t>(i)].ScreenWidth = 1;
    doc.Pens[static_cast<size_t>(i)].PrintWidth = 1;
    doc.Pens[static_cast<size_t>(i)].PointRadius = 0.3;
  }

  // Block definitions: a few lines and an arc each; every fifth also inserts the next one.
  doc.BlockDefs.resize(kBlockDefCount);
  for (int b = 0; b < kBlockDefCount; ++b) {
    TEntJwwBlockDef& def = doc.BlockDefs[static_cast<size_t>(b)];
    def.Common = MakeCommon(rng, 1, 1);
    def.Number = static_cast<uint32_t>(b + 1);
    def.Name = "BLOCK" + std::to_string(b + 1);
    for (int k = 0; k < 4; ++k) {
      TEntJwwLine line{};
      line.Common = MakeCommon(rng, 1, 2);
      line.StartX = k * 2.0;
      line.EndX = k * 2.0 + 5;
      line.EndY = 5;
      def.Append(line);
    }
    TEntJwwArc arc{};
    arc.Common = MakeCommon(rng, 1, 3);
    arc.Radius = 3;
    arc.Flatness = 1;
    arc.ArcAngle = M_PI / 2;
    def.Append(arc);
    if (b % 5 == 0 && b + 1 < kBlockDefCount) {
      TEntJwwBlockInsert ins{};
      ins.Common = MakeCommon(rng, 1, 1);
      ins.X = 10;
      ins.ScaleX = ins.ScaleY = 0.5;
      ins.BlockNumber = static_cast<uint32_t>(b + 2);
      def.Append(ins);
    }
    def.Count = static_cast<int32_t>(def.EntityOrder.size());
  }

  for (int64_t i = 0; i < entityCount; ++i) {
    const double x = coord(rng), y = coord(rng);
    switch (PickKind(rng)) {
      case EntityLine: {
        TEntJwwLine r{};
        r.Common = MakeCommon(rng, static_cast<uint8_t>(rng() % 3 == 0 ? 2 : 1),
                              static_cast<uint16_t>(1 + rng() % 8));
        r.StartX = x;
        r.StartY = y;
        r.EndX = x + small(rng);
        r.EndY = y + small(rng);
        doc.Append(r);
        break;
      }
      case EntityArc: {
        TEntJwwArc r{};
        r.Common = MakeCommon(rng, 1, static_cast<uint16_t>(1 + rng() % 8));
        r.CenterX = x;
        r.CenterY = y;
        r.Radius = small(rng);
        r.Flatness = rng() % 10 == 0 ? 0.5 : 1.0;
        r.FullCircle = rng() % 3 == 0;
        r.ArcAngle = r.FullCircle ? 2 * M_PI : M_PI / 3;
        doc.Append(r);
        break;
      }
      case EntityText: {
        TEntJwwText r{};
        SetText(r, rng, x, y, texts[rng() % 5]);
        doc.Append(r);
        break;
      }
      case EntityDimension: {
        TEntJwwDimension r{};
        r.Common = MakeCommon(rng, 1, 1);
        r.Line.Common = r.Common;
        r.Line.StartX = x;
        r.Line.StartY = y;
        r.Line.EndX = x + 30;
        r.Line.EndY = y;
        SetText(r.Text, rng, x + 10, y + 1, "3000");
        r.AuxLine1.Common = r.AuxLine2.Common = r.Common;
        r.Point1.Common = r.Point2.Common = r.AuxPoint1.Common = r.AuxPoint2.Common = r.Common;
        doc.Append(r);
        break;
      }
      case EntitySolid: {
        TEntJwwSolid r{};
        r.Common = MakeCommon(rng, 1, static_cast<uint16_t>(rng() % 2 ? 10 : 3));
        r.StartX = x;
        r.StartY = y;
        r.EndX = x + 5;
        r.EndY = y;
        r.Point2X = x + 5;
        r.Point2Y = y + 5;
        r.Point3X = x;
        r.Point3Y = y + 5;
        r.FillColor = r.Common.Color == 10 ? 0x80C0FFu : 0u;
        doc.Append(r);
        break;
      }
      case EntityPoint: {
        TEntJwwPoint r{};
        r.Common = MakeCommon(rng, static_cast<uint8_t>(rng() % 2 ? 100 : 1), 2);
        r.X = x;
        r.Y = y;
        r.Code = static_cast<int32_t>(rng() % 12);
        r.Scale = 1;
        doc.Append(r);
        break;
      }
      default: {
        TEntJwwBlockInsert r{};
        r.Common = MakeCommon(rng, 1, 1);
        r.X = x;
        r.Y = y;
        r.ScaleX = r.ScaleY = 1;
        r.Rotation = (rng() % 4) * M_PI / 2;
        r.BlockNumber = static_cast<uint32_t>(1 + rng() % kBlockDefCount);
        doc.Append(r);
        break;
      }
    }
  }
  doc.Header.EntityCount = static_cast<int32_t>(doc.EntityOrder.size());
  doc.Header.BlockCount = kBlockDefCount;
  doc.BuildBlockTree();
}

bool SaveSyntheticDrawing(const std::filesystem::path& file, int64_t entityCount, uint32_t seed) {
  TJwwData doc;
  MakeSyntheticDrawing(doc, entityCount, seed);
  doc.SetSaveOptions(0);
  return doc.SaveToFile(file, kSaveVersion);
}

}  // namespace pennatran
