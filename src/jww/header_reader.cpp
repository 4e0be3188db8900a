#include "jww/format_versions.h"
#include "jww/jww_reader.h"

namespace pennatran {
namespace {

// Rows 24..27 of the header form one block whose extent the version alone decides; the
// versions in between carry none of it.
struct TSettingsRows {
  bool Switches = false;   // the eleven drawing and printing switches
  bool EyePoint = false;   // drawing time and the 2.5D eye values
  bool LastInput = false;  // last values entered
  bool SolidColor = false;
};

TSettingsRows SettingsRowsFor(int32_t version) {
  if (version >= 230) return {true, true, true, true};
  if (version == 225) return {true, true, true, false};
  if (version == 223) return {true, true, false, false};
  if (version == 220) return {true, false, false, false};
  return {};
}

void SizeTables(TJwwData& doc) {
  doc.LayerGroups.assign(kLayerGroupCount, {});
  doc.Layers.assign(kLayerCount, {});
  doc.Pens.clear();
  doc.LineTypeDefs.assign(kLineTypeDefCount, {});
  doc.RandomLineDefs.assign(kRandomLineDefCount, {});
  doc.DoubleLineDefs.assign(kDoubleLineDefCount, {});
  doc.TextStyles.assign(kTextStyleCount, {});
  doc.ColorExNos.assign(kColorSlotCount, {});
  doc.LineTypeExNos.assign(kLineTypeSlotCount, {});
}

void ReadLayerStructure(TByteReader& in, TJwwData& doc) {
  for (size_t g = 0; g < kLayerGroupCount; ++g) {
    TEntJwwLayerGroup& group = doc.LayerGroups[g];
    group.State = in.I32();
    group.WriteLayer = in.I32();
    group.Scale = in.F64();
    group.Protect = in.I32();
    for (size_t l = 0; l < kLayersPerGroup; ++l) {
      TEntJwwLayer& layer = doc.Layers[g * kLayersPerGroup + l];
      layer.State = in.I32();
      layer.Protect = in.I32();
    }
  }
}

void ReadViewSettings(TByteReader& in, TEntJwwHeader& h) {
  if (h.Version > kLastShortViewVersion) {
    const double level = in.F64();
    const double radius = in.F64();
    if (h.Version >= kFirstSkyMapVersion) {
      h.SkyMapLevel = level;
      h.SkyMapRadius = radius;
    }
  }
  h.Unit3D = in.I32();
  h.ViewScale = in.F64();
  h.ViewOriginX = in.F64();
  h.ViewOriginY = in.F64();
  h.RangeScale = in.F64();
  h.RangeOriginX = in.F64();
  h.RangeOriginY = in.F64();
  if (h.Version > kLastShortViewVersion) {
    for (TMarkJump& m : h.MarkJumps) {
      m.Scale = in.F64();
      m.X = in.F64();
      m.Y = in.F64();
      m.LayerGroup = in.I32();
    }
    for (TExtraGroup* e : {&h.ExtraA, &h.ExtraB}) {
      for (double& v : e->Values) v = in.F64();
      e->Int = in.I32();
    }
  } else {
    for (size_t i = 0; i < kOldMarkJumpCount; ++i) {
      h.MarkJumps[i].Scale = in.F64();
      h.MarkJumps[i].X = in.F64();
      h.MarkJumps[i].Y = in.F64();
    }
  }
}

void ReadLineTypeDef(TByteReader& in, TEntJwwLineTypeDef& d) {
  d.Pattern = in.U32();
  d.UnitDots = in.I32();
  d.ScreenPitch = in.I32();
  d.PrintPitch = in.I32();
}

void ReadPensAndLineTypes(TByteReader& in, TJwwData& doc) {
  // The pens stay empty until both of their rows are read: zero-filled pens would make
  // the preview take pen 0's black for the drawing's background.
  std::vector<TEntJwwPen> pens(kPenCount);
  for (TEntJwwPen& pen : pens) {
    pen.ScreenColor = in.U32();
    pen.ScreenWidth = in.I32();
  }
  for (TEntJwwPen& pen : pens) {
    pen.PrintColor = in.U32();
    pen.PrintWidth = in.I32();
    pen.PointRadius = in.F64();
  }
  doc.Pens = std::move(pens);
  for (TEntJwwLineTypeDef& d : doc.LineTypeDefs) ReadLineTypeDef(in, d);
  for (TEntJwwRandomLineDef& d : doc.RandomLineDefs) {
    d.Pattern = in.U32();
    d.ScreenAmplitude = in.I32();
    d.ScreenPitch = in.I32();
    d.PrintAmplitude = in.I32();
    d.PrintPitch = in.I32();
  }
  for (TEntJwwLineTypeDef& d : doc.DoubleLineDefs) ReadLineTypeDef(in, d);
}

void ReadSettingsRows(TByteReader& in, TEntJwwHeader& h) {
  const TSettingsRows rows = SettingsRowsFor(h.Version);
  if (rows.Switches) {
    for (int32_t* s : {&h.PointScreenRadius, &h.PointPrintRadius, &h.BitmapFirst, &h.ReverseDraw,
                       &h.ReverseSearch, &h.ColorPrint, &h.LayerOrderPrint, &h.ColorOrderPrint,
                       &h.PrintContinuous, &h.PrintCommonGray}) {
      *s = in.I32();
    }
    const int32_t eleventh = in.I32();
    h.DisplayOnlyNoPrint = eleventh % 10;
    h.WidthUnitMode = eleventh / 10;
  }
  if (rows.EyePoint) {
    h.DrawTime = in.I32();
    h.EyeInit = in.I32();
    h.EyeAngleH1 = in.I32();
    h.EyeAngleH2 = in.I32();
    h.EyeAngleH3 = in.I32();
    h.EyeHeight1 = in.F64();
    h.EyeDistance1 = in.F64();
    h.EyeHeight2 = in.F64();
    h.EyeDistance2 = in.F64();
    h.EyeAngleV3 = in.F64();
  }
  if (rows.LastInput) {
    h.LastLineLength = in.F64();
    h.LastBoxX = in.F64();
    h.LastBoxY = in.F64();
    h.LastCircleRadius = in.F64();
  }
  if (rows.SolidColor) {
    h.SolidAnyColor = in.I32();
    h.SolidDefaultColor = in.U32();
  }
}

void ReadUserTables(TByteReader& in, TJwwData& doc) {
  for (TEntJwwColorExNo& c : doc.ColorExNos) {
    c.ScreenColor = in.U32();
    c.ScreenWidth = in.I32();
  }
  for (TEntJwwColorExNo& c : doc.ColorExNos) {
    c.Name = in.CleanString();
    c.PrintColor = in.U32();
    c.PrintWidth = in.I32();
    c.PointRadius = in.F64();
  }
  for (TEntJwwLineTypeExNo& t : doc.LineTypeExNos) {
    t.Pattern = in.U32();
    t.UnitDots = in.I32();
    t.ScreenPitch = in.I32();
    t.PrintPitch = in.I32();
  }
  for (TEntJwwLineTypeExNo& t : doc.LineTypeExNos) {
    t.Name = in.CleanString();
    t.SegmentCount = in.I32();
    for (double& p : t.Pitches) p = in.F64();
  }
}

void ReadTextSettings(TByteReader& in, TJwwData& doc) {
  for (TEntJwwTextStyle& s : doc.TextStyles) {
    s.SizeX = in.F64();
    s.SizeY = in.F64();
    s.Spacing = in.F64();
    s.Color = in.I32();
  }
  TEntJwwHeader& h = doc.Header;
  h.TextSizeX = in.F64();
  h.TextSizeY = in.F64();
  h.TextSpacing = in.F64();
  h.TextColor = in.I32();
  h.TextStyleNo = in.I32();
  h.ArrangeLinePitch = in.F64();
  h.ArrangeCharCount = in.F64();
  h.TextOffsetOn = in.I32();
  for (double& x : h.TextOffsetX) x = in.F64();
  for (double& y : h.TextOffsetY) y = in.F64();
}

}  // namespace

bool ReadHeader(TByteReader& in, TJwwData& doc) {
  SizeTables(doc);
  TEntJwwHeader& h = doc.Header;
  h.Signature = std::string(in.Bytes(8));
  h.Version = in.I32();
  if (h.Version < kOldestReadableVersion) return false;
  h.Memo = in.RawString();
  doc.TwoByteStrings = in.LastStringWasTwoByte();
  h.PaperSize = in.I32();
  h.WriteLayerGroup = in.I32();
  ReadLayerStructure(in, doc);
  in.Raw(h.ReservedAfterLayers.data(), h.ReservedAfterLayers.size());
  for (int32_t& d : h.DimSettings) d = in.I32();
  h.ReservedAfterDimSettings = in.U32();
  h.MaxDrawWidth = in.I32();
  h.PrintOriginX = in.F64();
  h.PrintOriginY = in.F64();
  h.PrintScale = in.F64();
  h.PrintSetting = in.I32();
  h.GridMode = in.I32();
  h.GridMinDots = in.F64();
  h.GridSpacingX = in.F64();
  h.GridSpacingY = in.F64();
  h.GridOriginX = in.F64();
  h.GridOriginY = in.F64();
  for (TEntJwwLayer& layer : doc.Layers) layer.Name = in.CleanString();
  for (TEntJwwLayerGroup& group : doc.LayerGroups) group.Name = in.CleanString();
  h.ShadowLevel = in.F64();
  h.ShadowLatitude = in.F64();
  h.Shadow9To15 = in.I32();
  h.WallShadowLevel = in.F64();
  ReadViewSettings(in, h);
  for (double& s : h.MultiLineSpacing) s = in.F64();
  h.BothSideLineEnd = in.F64();
  ReadPensAndLineTypes(in, doc);
  ReadSettingsRows(in, h);
  if (h.Version >= kFirstUserTablesVersion) ReadUserTables(in, doc);
  ReadTextSettings(in, doc);
  return true;
}

}  // namespace pennatran
