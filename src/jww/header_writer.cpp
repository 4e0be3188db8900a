#include <string_view>
#include <vector>

#include "jww/format_versions.h"
#include "jww/jww_writer.h"
#include "jww/string_rules.h"
#include "jww/written_values.h"

namespace pennatran {
namespace {

constexpr std::string_view kSignature = "JwwData.";

// A document that was never loaded (or whose load stopped early) has shorter or empty
// tables; the file always carries the fixed number of entries, so missing ones are zero.
template <typename T>
T EntryOrZero(const std::vector<T>& table, size_t index) {
  return index < table.size() ? table[index] : T{};
}

void WriteLayers(const TJwwData& doc, TByteWriter& out) {
  for (size_t g = 0; g < kLayerGroupCount; ++g) {
    TEntJwwLayerGroup group = EntryOrZero(doc.LayerGroups, g);
    out.I32(group.State);
    out.I32(group.WriteLayer);
    out.F64(group.Scale);
    out.I32(group.Protect);
    for (size_t l = 0; l < kLayersPerGroup; ++l) {
      TEntJwwLayer layer = EntryOrZero(doc.Layers, g * kLayersPerGroup + l);
      out.I32(layer.State);
      out.I32(layer.Protect);
    }
  }
}

void WriteLayerNames(const TJwwData& doc, TByteWriter& out) {
  for (size_t i = 0; i < kLayerCount; ++i) out.String(WriterClean(EntryOrZero(doc.Layers, i).Name));
  for (size_t g = 0; g < kLayerGroupCount; ++g)
    out.String(WriterClean(EntryOrZero(doc.LayerGroups, g).Name));
}

void WriteMarkJumps(const TEntJwwHeader& h, TByteWriter& out, int32_t version) {
  if (version > kLastShortViewVersion) {
    for (const TMarkJump& jump : h.MarkJumps) {
      out.F64(jump.Scale);
      out.F64(jump.X);
      out.F64(jump.Y);
      out.I32(jump.LayerGroup);
    }
    for (const TExtraGroup* extra : {&h.ExtraA, &h.ExtraB}) {
      for (double v : extra->Values) out.F64(v);
      out.I32(extra->Int);
    }
    return;
  }
  for (int i = 0; i < kOldMarkJumpCount; ++i) {
    out.F64(h.MarkJumps[i].Scale);
    out.F64(h.MarkJumps[i].X);
    out.F64(h.MarkJumps[i].Y);
  }
}

void WritePens(const TJwwData& doc, TByteWriter& out) {
  for (int32_t i = 0; i < kPenCount; ++i) {
    TEntJwwPen pen = WrittenPen(EntryOrZero(doc.Pens, static_cast<size_t>(i)), i);
    out.U32(pen.ScreenColor);
    out.I32(pen.ScreenWidth);
  }
  for (int32_t i = 0; i < kPenCount; ++i) {
    TEntJwwPen pen = WrittenPen(EntryOrZero(doc.Pens, static_cast<size_t>(i)), i);
    out.U32(pen.PrintColor);
    out.I32(pen.PrintWidth);
    out.F64(pen.PointRadius);
  }
}

void WriteLineTypeDef(const TEntJwwLineTypeDef& def, TByteWriter& out) {
  out.U32(def.Pattern);
  out.I32(def.UnitDots);
  out.I32(def.ScreenPitch);
  out.I32(def.PrintPitch);
}

void WriteLineTypeTables(const TJwwData& doc, TByteWriter& out) {
  for (size_t i = 0; i < kLineTypeDefCount; ++i) {
    WriteLineTypeDef(EntryOrZero(doc.LineTypeDefs, i), out);
  }
  for (size_t i = 0; i < kRandomLineDefCount; ++i) {
    TEntJwwRandomLineDef def = EntryOrZero(doc.RandomLineDefs, i);
    out.U32(def.Pattern);
    out.I32(def.ScreenAmplitude);
    out.I32(def.ScreenPitch);
    out.I32(def.PrintAmplitude);
    out.I32(def.PrintPitch);
  }
  for (size_t i = 0; i < kDoubleLineDefCount; ++i) {
    WriteLineTypeDef(EntryOrZero(doc.DoubleLineDefs, i), out);
  }
}

// Rows 24 to 27 form one block whose extent the reader derives from the version alone.
void WriteSwitchesAndRecentValues(const TEntJwwHeader& h, TByteWriter& out, int32_t version) {
  int rows = version >= 230 ? 4 : version == 225 ? 3 : version == 223 ? 2 : version == 220 ? 1 : 0;
  if (rows >= 1) {
    for (int32_t v : {h.PointScreenRadius, h.PointPrintRadius, h.BitmapFirst, h.ReverseDraw,
                      h.ReverseSearch, h.ColorPrint, h.LayerOrderPrint, h.ColorOrderPrint,
                      h.PrintContinuous, h.PrintCommonGray}) {
      out.I32(v);
    }
    out.I32(WrittenEleventhSwitch(h));
  }
  if (rows >= 2) {
    for (int32_t v : {h.DrawTime, h.EyeInit, h.EyeAngleH1, h.EyeAngleH2, h.EyeAngleH3}) out.I32(v);
    for (double v : {h.EyeHeight1, h.EyeDistance1, h.EyeHeight2, h.EyeDistance2, h.EyeAngleV3}) {
      out.F64(v);
    }
  }
  if (rows >= 3) {
    for (double v : {h.LastLineLength, h.LastBoxX, h.LastBoxY, h.LastCircleRadius}) out.F64(v);
  }
  if (rows >= 4) {
    out.I32(h.SolidAnyColor);
    out.U32(h.SolidDefaultColor);
  }
}

void WriteSxfTables(const TJwwData& doc, TByteWriter& out) {
  std::vector<TEntJwwColorExNo> colors(kColorSlotCount);
  for (size_t i = 0; i < colors.size(); ++i) {
    colors[i] = WrittenColorSlot(EntryOrZero(doc.ColorExNos, i), static_cast<int32_t>(i));
  }
  for (const TEntJwwColorExNo& c : colors) {
    out.U32(c.ScreenColor);
    out.I32(c.ScreenWidth);
  }
  for (const TEntJwwColorExNo& c : colors) {
    out.String(c.Name);
    out.U32(c.PrintColor);
    out.I32(c.PrintWidth);
    out.F64(c.PointRadius);
  }

  std::vector<TEntJwwLineTypeExNo> types(kLineTypeSlotCount);
  for (size_t i = 0; i < types.size(); ++i) {
    types[i] = WrittenLineTypeSlot(EntryOrZero(doc.LineTypeExNos, i), static_cast<int32_t>(i));
  }
  for (const TEntJwwLineTypeExNo& t : types) {
    out.U32(t.Pattern);
    out.I32(t.UnitDots);
    out.I32(t.ScreenPitch);
    out.I32(t.PrintPitch);
  }
  for (const TEntJwwLineTypeExNo& t : types) {
    out.String(t.Name);
    out.I32(t.SegmentCount);
    for (double pitch : t.Pitches) out.F64(pitch);
  }
}

void WriteTextSettings(const TJwwData& doc, TByteWriter& out) {
  for (size_t i = 0; i < kTextStyleCount; ++i) {
    TEntJwwTextStyle style = EntryOrZero(doc.TextStyles, i);
    out.F64(style.SizeX);
    out.F64(style.SizeY);
    out.F64(style.Spacing);
    out.I32(style.Color);
  }
  const TEntJwwHeader& h = doc.Header;
  out.F64(h.TextSizeX);
  out.F64(h.TextSizeY);
  out.F64(h.TextSpacing);
  out.I32(h.TextColor);
  out.I32(h.TextStyleNo);
  out.F64(h.ArrangeLinePitch);
  out.F64(h.ArrangeCharCount);
  out.I32(h.TextOffsetOn);
  for (double v : h.TextOffsetX) out.F64(v);
  for (double v : h.TextOffsetY) out.F64(v);
}

}  // namespace

void WriteHeader(const TJwwData& doc, TByteWriter& out, int32_t version) {
  const TEntJwwHeader& h = doc.Header;
  out.Raw(kSignature.data(), kSignature.size());
  out.I32(version);
  out.String(h.Memo);
  out.I32(h.PaperSize);
  out.I32(h.WriteLayerGroup);
  WriteLayers(doc, out);
  out.Raw(h.ReservedAfterLayers.data(), h.ReservedAfterLayers.size());
  for (int32_t v : h.DimSettings) out.I32(v);
  out.U32(h.ReservedAfterDimSettings);
  out.I32(h.MaxDrawWidth);
  out.F64(h.PrintOriginX);
  out.F64(h.PrintOriginY);
  out.F64(h.PrintScale);
  out.I32(h.PrintSetting);
  out.I32(h.GridMode);
  for (double v : {h.GridMinDots, h.GridSpacingX, h.GridSpacingY, h.GridOriginX, h.GridOriginY}) {
    out.F64(v);
  }
  WriteLayerNames(doc, out);
  out.F64(h.ShadowLevel);
  out.F64(h.ShadowLatitude);
  out.I32(h.Shadow9To15);
  out.F64(h.WallShadowLevel);
  if (version > kLastShortViewVersion) {
    out.F64(h.SkyMapLevel);
    out.F64(h.SkyMapRadius);
  }
  out.I32(h.Unit3D);
  for (double v :
       {h.ViewScale, h.ViewOriginX, h.ViewOriginY, h.RangeScale, h.RangeOriginX, h.RangeOriginY}) {
    out.F64(v);
  }
  WriteMarkJumps(h, out, version);
  for (double v : h.MultiLineSpacing) out.F64(v);
  out.F64(h.BothSideLineEnd);
  WritePens(doc, out);
  WriteLineTypeTables(doc, out);
  WriteSwitchesAndRecentValues(h, out, version);
  if (version >= kFirstUserTablesVersion) WriteSxfTables(doc, out);
  WriteTextSettings(doc, out);
}

}  // namespace pennatran
