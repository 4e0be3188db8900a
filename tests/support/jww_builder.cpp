#include "support/jww_builder.h"

#include <cstring>
#include <fstream>
#include <string>

namespace pennatran::testing {
namespace {

// Table entry i, or a default entry when the table is shorter (a document never loaded).
template <typename T>
T At(const std::vector<T>& table, size_t i) {
  return i < table.size() ? table[i] : T{};
}

// Bytes of rows 24..27 of the header for a version, as the format fixes them.
size_t SettingsBlockSize(int32_t version) {
  if (version >= 230) return 144;
  if (version == 225) return 136;
  if (version == 223) return 104;
  if (version == 220) return 44;
  return 0;
}

}  // namespace

bool TJwwBuilder::WriteTo(const std::filesystem::path& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(Data.data()), static_cast<std::streamsize>(Data.size()));
  return static_cast<bool>(out);
}

TJwwBuilder& TJwwBuilder::Raw(const void* bytes, size_t n) {
  const auto* p = static_cast<const uint8_t*>(bytes);
  Data.insert(Data.end(), p, p + n);
  return *this;
}

TJwwBuilder& TJwwBuilder::Raw(std::string_view bytes) {
  return Raw(bytes.data(), bytes.size());
}
TJwwBuilder& TJwwBuilder::U8(uint8_t v) {
  return Raw(&v, sizeof v);
}
TJwwBuilder& TJwwBuilder::U16(uint16_t v) {
  return Raw(&v, sizeof v);
}
TJwwBuilder& TJwwBuilder::U32(uint32_t v) {
  return Raw(&v, sizeof v);
}
TJwwBuilder& TJwwBuilder::I32(int32_t v) {
  return Raw(&v, sizeof v);
}
TJwwBuilder& TJwwBuilder::F64(double v) {
  return Raw(&v, sizeof v);
}

TJwwBuilder& TJwwBuilder::String(std::string_view text) {
  // Characters that only the two-byte form holds are written in it, as every string of a
  // two-byte drawing is.
  if (TwoByte || NeedsTwoByteForm(text)) {
    const std::u16string units = ToUtf16(text);
    U8(255).U16(0xFFFE).Length(units.size());
    for (const char16_t unit : units) U16(unit);
    return *this;
  }
  const std::string s = ToOneByteForm(text);
  return Length(s.size()).Raw(s);
}

TJwwBuilder& TJwwBuilder::Length(size_t n) {
  if (n < 255) return U8(static_cast<uint8_t>(n));
  if (n < 0xFFFE) return U8(255).U16(static_cast<uint16_t>(n));
  return U8(255).U16(0xFFFF).U32(static_cast<uint32_t>(n));
}

TJwwBuilder& TJwwBuilder::Count(uint32_t n, bool forceLong) {
  if (n < 0xFFFF && !forceLong) return U16(static_cast<uint16_t>(n));
  return U16(0xFFFF).U32(n);
}

TJwwBuilder& TJwwBuilder::Header() {
  TJwwData doc;
  return Header(doc);
}

TJwwBuilder& TJwwBuilder::Header(const TJwwData& doc) {
  const TEntJwwHeader& h = doc.Header;
  const int32_t v = FileVersion;
  std::string signature = h.Signature.empty() ? std::string("JwwData.") : h.Signature;
  signature.resize(8, '\0');
  Raw(signature);                           // 1: signature, no length byte
  I32(v);                                   // 2: version
  String(h.Memo);                           // 3: memo
  I32(h.PaperSize).I32(h.WriteLayerGroup);  // 4
  for (size_t g = 0; g < 16; ++g) {         // 5: layer groups and their layers
    const TEntJwwLayerGroup group = At(doc.LayerGroups, g);
    I32(group.State).I32(group.WriteLayer).F64(group.Scale).I32(group.Protect);
    for (size_t l = 0; l < 16; ++l) {
      const TEntJwwLayer layer = At(doc.Layers, g * 16 + l);
      I32(layer.State).I32(layer.Protect);
    }
  }
  Raw(h.ReservedAfterLayers.data(), h.ReservedAfterLayers.size());                // 6
  for (int32_t d : h.DimSettings) I32(d);                                         // 7
  U32(h.ReservedAfterDimSettings);                                                // 8
  I32(h.MaxDrawWidth);                                                            // 9
  F64(h.PrintOriginX).F64(h.PrintOriginY).F64(h.PrintScale).I32(h.PrintSetting);  // 10
  I32(h.GridMode).F64(h.GridMinDots).F64(h.GridSpacingX).F64(h.GridSpacingY);     // 11
  F64(h.GridOriginX).F64(h.GridOriginY);
  for (size_t i = 0; i < 256; ++i) String(At(doc.Layers, i).Name);                     // 12
  for (size_t g = 0; g < 16; ++g) String(At(doc.LayerGroups, g).Name);                 // 13
  F64(h.ShadowLevel).F64(h.ShadowLatitude).I32(h.Shadow9To15).F64(h.WallShadowLevel);  // 14
  if (v > 230) F64(h.SkyMapLevel).F64(h.SkyMapRadius);                                 // 15
  I32(h.Unit3D).F64(h.ViewScale).F64(h.ViewOriginX).F64(h.ViewOriginY);                // 16
  F64(h.RangeScale).F64(h.RangeOriginX).F64(h.RangeOriginY);
  if (v > 230) {  // 17a: eight mark jumps, two extras
    for (const TMarkJump& m : h.MarkJumps) F64(m.Scale).F64(m.X).F64(m.Y).I32(m.LayerGroup);
    for (const TExtraGroup* e : {&h.ExtraA, &h.ExtraB}) {
      F64(e->Values[0]).F64(e->Values[1]).F64(e->Values[2]).I32(e->Int);
    }
  } else {  // 17b: four mark jumps, no layer group
    for (size_t i = 0; i < 4; ++i)
      F64(h.MarkJumps[i].Scale).F64(h.MarkJumps[i].X).F64(h.MarkJumps[i].Y);
  }
  for (double s : h.MultiLineSpacing) F64(s);  // 18
  F64(h.BothSideLineEnd);
  for (size_t i = 0; i < 10; ++i) {  // 19: pens on screen
    const TEntJwwPen pen = At(doc.Pens, i);
    U32(pen.ScreenColor).I32(pen.ScreenWidth);
  }
  for (size_t i = 0; i < 10; ++i) {  // 20: pens on paper
    const TEntJwwPen pen = At(doc.Pens, i);
    U32(pen.PrintColor).I32(pen.PrintWidth).F64(pen.PointRadius);
  }
  for (size_t i = 0; i < 8; ++i) {  // 21: line types 2..9
    const TEntJwwLineTypeDef d = At(doc.LineTypeDefs, i);
    U32(d.Pattern).I32(d.UnitDots).I32(d.ScreenPitch).I32(d.PrintPitch);
  }
  for (size_t i = 0; i < 5; ++i) {  // 22: random lines
    const TEntJwwRandomLineDef d = At(doc.RandomLineDefs, i);
    U32(d.Pattern).I32(d.ScreenAmplitude).I32(d.ScreenPitch).I32(d.PrintAmplitude);
    I32(d.PrintPitch);
  }
  for (size_t i = 0; i < 4; ++i) {  // 23: double-length line types
    const TEntJwwLineTypeDef d = At(doc.DoubleLineDefs, i);
    U32(d.Pattern).I32(d.UnitDots).I32(d.ScreenPitch).I32(d.PrintPitch);
  }
  // 24..27, cut to the length the version fixes.
  TJwwBuilder block(v);
  block.I32(h.PointScreenRadius).I32(h.PointPrintRadius).I32(h.BitmapFirst);
  block.I32(h.ReverseDraw).I32(h.ReverseSearch).I32(h.ColorPrint).I32(h.LayerOrderPrint);
  block.I32(h.ColorOrderPrint).I32(h.PrintContinuous).I32(h.PrintCommonGray);
  block.I32(h.DisplayOnlyNoPrint + 10 * h.WidthUnitMode);
  block.I32(h.DrawTime).I32(h.EyeInit).I32(h.EyeAngleH1).I32(h.EyeAngleH2).I32(h.EyeAngleH3);
  block.F64(h.EyeHeight1).F64(h.EyeDistance1).F64(h.EyeHeight2).F64(h.EyeDistance2);
  block.F64(h.EyeAngleV3);
  block.F64(h.LastLineLength).F64(h.LastBoxX).F64(h.LastBoxY).F64(h.LastCircleRadius);
  block.I32(h.SolidAnyColor).U32(h.SolidDefaultColor);
  Raw(block.Data.data(), SettingsBlockSize(v));
  if (v >= 420) {
    for (size_t i = 0; i < 257; ++i) {  // 28: user colours on screen
      const TEntJwwColorExNo c = At(doc.ColorExNos, i);
      U32(c.ScreenColor).I32(c.ScreenWidth);
    }
    for (size_t i = 0; i < 257; ++i) {  // 29: names and print values
      const TEntJwwColorExNo c = At(doc.ColorExNos, i);
      String(c.Name).U32(c.PrintColor).I32(c.PrintWidth).F64(c.PointRadius);
    }
    for (size_t i = 0; i < 33; ++i) {  // 30: user line type patterns
      const TEntJwwLineTypeExNo t = At(doc.LineTypeExNos, i);
      U32(t.Pattern).I32(t.UnitDots).I32(t.ScreenPitch).I32(t.PrintPitch);
    }
    for (size_t i = 0; i < 33; ++i) {  // 31: names and segments
      const TEntJwwLineTypeExNo t = At(doc.LineTypeExNos, i);
      String(t.Name).I32(t.SegmentCount);
      for (double p : t.Pitches) F64(p);
    }
  }
  for (size_t i = 0; i < 10; ++i) {  // 32: text styles
    const TEntJwwTextStyle s = At(doc.TextStyles, i);
    F64(s.SizeX).F64(s.SizeY).F64(s.Spacing).I32(s.Color);
  }
  F64(h.TextSizeX).F64(h.TextSizeY).F64(h.TextSpacing).I32(h.TextColor).I32(h.TextStyleNo);  // 33
  F64(h.ArrangeLinePitch).F64(h.ArrangeCharCount).I32(h.TextOffsetOn);
  for (double x : h.TextOffsetX) F64(x);
  for (double y : h.TextOffsetY) F64(y);
  return *this;
}

uint32_t TJwwBuilder::ClassNumber(const std::string& className) const {
  const auto it = Classes.find(className);
  return it == Classes.end() ? 0 : it->second;
}

TJwwBuilder& TJwwBuilder::NewClass(const std::string& className, uint16_t schema) {
  U16(0xFFFF).U16(schema ? schema : static_cast<uint16_t>(FileVersion));
  U16(static_cast<uint16_t>(className.size())).Raw(className);
  Classes[className] = ObjectCounter++;
  return *this;
}

TJwwBuilder& TJwwBuilder::ShortRef(uint32_t number) {
  return U16(static_cast<uint16_t>(0x8000 + number));
}

TJwwBuilder& TJwwBuilder::LongRef(uint32_t number) {
  return U16(0x7FFF).U32(number | 0x80000000u);
}

TJwwBuilder& TJwwBuilder::Tag(const std::string& className) {
  const uint32_t number = ClassNumber(className);
  if (number == 0) return NewClass(className);
  return Form == TTagForm::Long || number > 32766 ? LongRef(number) : ShortRef(number);
}

TJwwBuilder& TJwwBuilder::Tagged(const std::string& className) {
  return Tag(className);
}

TJwwBuilder& TJwwBuilder::Common(const TEntJwwCommon& c) {
  U32(c.Group).U8(c.LineType).U16(c.Color);
  if (!Old()) U16(c.Width);  // no width before 3.51
  return U16(c.Layer).U16(c.LayerGroup).U16(c.Flags);
}

TJwwBuilder& TJwwBuilder::LineRecord(const TEntJwwLine& e) {
  return Common(e.Common).F64(e.StartX).F64(e.StartY).F64(e.EndX).F64(e.EndY);
}

TJwwBuilder& TJwwBuilder::ArcRecord(const TEntJwwArc& e) {
  Common(e.Common).F64(e.CenterX).F64(e.CenterY).F64(e.Radius).F64(e.StartAngle);
  return F64(e.ArcAngle).F64(e.TiltAngle).F64(e.Flatness).I32(e.FullCircle);
}

TJwwBuilder& TJwwBuilder::PointBody(const TEntJwwPoint& p) {
  Common(p.Common).F64(p.X).F64(p.Y).I32(p.Temporary);
  if (p.Common.LineType == 100) I32(p.Code).F64(p.Angle).F64(p.Scale);  // marker tail
  return *this;
}

TJwwBuilder& TJwwBuilder::PointRecord(const TEntJwwPoint& e) {
  return PointBody(e);
}

TJwwBuilder& TJwwBuilder::TextFixed(const TEntJwwText& t) {
  Common(t.Common).F64(t.StartX).F64(t.StartY).F64(t.EndX).F64(t.EndY).U32(t.TextKind);
  F64(t.SizeX).F64(t.SizeY).F64(t.Spacing).F64(t.Angle);
  return String(t.FontName.View()).String(t.Content.View());
}

TJwwBuilder& TJwwBuilder::TextRecord(const TEntJwwText& e) {
  return TextFixed(e);
}

TJwwBuilder& TJwwBuilder::DimensionRecord(const TEntJwwDimension& e) {
  Common(e.Common);
  LineRecord(e.Line);
  TextFixed(e.Text);
  if (FileVersion >= 420) {  // SXF tail
    U16(e.SxfMode);
    LineRecord(e.AuxLine1).LineRecord(e.AuxLine2);
    PointBody(e.Point1).PointBody(e.Point2).PointBody(e.AuxPoint1).PointBody(e.AuxPoint2);
  }
  return *this;
}

TJwwBuilder& TJwwBuilder::SolidRecord(const TEntJwwSolid& e) {
  Common(e.Common).F64(e.StartX).F64(e.StartY).F64(e.EndX).F64(e.EndY);
  F64(e.Point2X).F64(e.Point2Y).F64(e.Point3X).F64(e.Point3Y);
  if (e.Common.Color == 10) U32(e.FillColor);  // arbitrary colour tail
  return *this;
}

TJwwBuilder& TJwwBuilder::InsertRecord(const TEntJwwBlockInsert& e) {
  Common(e.Common).F64(e.X).F64(e.Y).F64(e.ScaleX).F64(e.ScaleY).F64(e.Rotation);
  return U32(e.BlockNumber);
}

TJwwBuilder& TJwwBuilder::AddLine(const TEntJwwLine& e) {
  return Tagged("CDataSen").LineRecord(e).SkipObject();
}
TJwwBuilder& TJwwBuilder::AddArc(const TEntJwwArc& e) {
  return Tagged("CDataEnko").ArcRecord(e).SkipObject();
}
TJwwBuilder& TJwwBuilder::AddPoint(const TEntJwwPoint& e) {
  return Tagged("CDataTen").PointRecord(e).SkipObject();
}
TJwwBuilder& TJwwBuilder::AddText(const TEntJwwText& e) {
  return Tagged("CDataMoji").TextRecord(e).SkipObject();
}
TJwwBuilder& TJwwBuilder::AddDimension(const TEntJwwDimension& e) {
  return Tagged("CDataSunpou").DimensionRecord(e).SkipObject();
}
TJwwBuilder& TJwwBuilder::AddSolid(const TEntJwwSolid& e) {
  return Tagged("CDataSolid").SolidRecord(e).SkipObject();
}
TJwwBuilder& TJwwBuilder::AddInsert(const TEntJwwBlockInsert& e) {
  return Tagged("CDataBlock").InsertRecord(e).SkipObject();
}

TJwwBuilder& TJwwBuilder::AddEntity(const TEntityLists& lists, const TEntJwwOrderEntry& entry) {
  const auto i = static_cast<size_t>(entry.Index);
  switch (entry.Kind) {
    case EntityLine:
      return AddLine(lists.Lines.at(i));
    case EntityArc:
      return AddArc(lists.Arcs.at(i));
    case EntityPoint:
      return AddPoint(lists.Points.at(i));
    case EntityText:
      return AddText(lists.Texts.at(i));
    case EntityDimension:
      return AddDimension(lists.Dimensions.at(i));
    case EntitySolid:
      return AddSolid(lists.Solids.at(i));
    case EntityInsert:
      return AddInsert(lists.Inserts.at(i));
    default:
      return *this;
  }
}

TJwwBuilder& TJwwBuilder::AddAll(const TEntityLists& lists) {
  if (!lists.EntityOrder.empty()) {
    for (const TEntJwwOrderEntry& entry : lists.EntityOrder) AddEntity(lists, entry);
    return *this;
  }
  for (const auto& e : lists.Lines) AddLine(e);
  for (const auto& e : lists.Arcs) AddArc(e);
  for (const auto& e : lists.Points) AddPoint(e);
  for (const auto& e : lists.Texts) AddText(e);
  for (const auto& e : lists.Dimensions) AddDimension(e);
  for (const auto& e : lists.Solids) AddSolid(e);
  for (const auto& e : lists.Inserts) AddInsert(e);
  return *this;
}

TJwwBuilder& TJwwBuilder::BlockDefHeader(const TEntJwwBlockDef& def, uint32_t entityCount,
                                         bool extendedTime) {
  Tagged("CDataList").Common(def.Common).U32(def.Number).U32(def.Referenced).I32(def.Time);
  if (extendedTime) U32(0x12345678).U32(0x9ABCDEF0);  // dropped by the reader
  String(def.Name).Count(entityCount);
  return SkipObject();
}

TJwwBuilder& TJwwBuilder::AddBlockDef(const TEntJwwBlockDef& def) {
  BlockDefHeader(def, static_cast<uint32_t>(def.EntityTotal()), def.Time < 0);
  return AddAll(def);
}

TJwwBuilder& TJwwBuilder::EntitySection(const TJwwData& doc) {
  Count(
      static_cast<uint32_t>(doc.EntityOrder.empty() ? doc.EntityTotal() : doc.EntityOrder.size()));
  AddAll(doc);
  Count(static_cast<uint32_t>(doc.BlockDefs.size()));
  for (const TEntJwwBlockDef& def : doc.BlockDefs) AddBlockDef(def);
  return *this;
}

TJwwBuilder& TJwwBuilder::ImageEntry(std::string_view name, uint32_t size,
                                     std::string_view content) {
  return String(name).U32(size).Raw(content);
}

TJwwBuilder& TJwwBuilder::Images(const std::vector<TImage>& images) {
  U32(static_cast<uint32_t>(images.size()));
  for (const TImage& image : images) {
    ImageEntry(image.Name, static_cast<uint32_t>(image.Content.size()), image.Content);
  }
  return *this;
}

std::vector<uint8_t> TJwwBuilder::Drawing(const TJwwData& doc, int32_t version,
                                          bool twoByteStrings) {
  TJwwBuilder b(version);
  b.SetTwoByteStrings(twoByteStrings).Header(doc).EntitySection(doc);
  if (version >= 700) b.Images({});
  return b.Bytes();
}

TEntJwwCommon MakeCommon(uint8_t lineType, uint16_t color, uint16_t layer, uint16_t layerGroup,
                         uint16_t width) {
  TEntJwwCommon c{};
  c.LineType = lineType;
  c.Color = color;
  c.Width = width;
  c.Layer = layer;
  c.LayerGroup = layerGroup;
  return c;
}

TEntJwwLine MakeLine(double x1, double y1, double x2, double y2, const TEntJwwCommon& c) {
  TEntJwwLine e{};
  e.Common = c;
  e.StartX = x1;
  e.StartY = y1;
  e.EndX = x2;
  e.EndY = y2;
  return e;
}

TEntJwwArc MakeArc(double cx, double cy, double radius, const TEntJwwCommon& c) {
  TEntJwwArc e{};
  e.Common = c;
  e.CenterX = cx;
  e.CenterY = cy;
  e.Radius = radius;
  e.ArcAngle = 6.283185307179586;
  e.Flatness = 1;
  e.FullCircle = 1;
  return e;
}

TEntJwwPoint MakePoint(double x, double y, const TEntJwwCommon& c) {
  TEntJwwPoint e{};
  e.Common = c;
  e.X = x;
  e.Y = y;
  return e;
}

// Where the records made here keep texts too long for a record: they are copied into
// drawings and compared long after they were made, so the store lasts as long as the tests.
namespace {
TStringStore& BuiltStrings() {
  static TStringStore strings;
  return strings;
}
}  // namespace

TEntJwwText MakeText(double x, double y, std::string_view content, const TEntJwwCommon& c) {
  TEntJwwText e{};
  e.Common = c;
  e.StartX = x;
  e.StartY = y;
  e.EndX = x + 10;
  e.EndY = y;
  e.SizeX = e.SizeY = 2.5;
  e.FontName.Assign("\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");  // ＭＳ ゴシック
  e.Content.Assign(content, &BuiltStrings());
  return e;
}

TEntJwwDimension MakeDimension(double x1, double y1, double x2, double y2, std::string_view value,
                               const TEntJwwCommon& c) {
  TEntJwwDimension e{};
  e.Common = c;
  e.Line = MakeLine(x1, y1, x2, y2, c);
  e.Text = MakeText((x1 + x2) / 2, (y1 + y2) / 2, value, c);
  e.SxfMode = 1;
  e.AuxLine1 = MakeLine(x1, y1 - 5, x1, y1, c);
  e.AuxLine2 = MakeLine(x2, y2 - 5, x2, y2, c);
  e.Point1 = MakePoint(x1, y1, c);
  e.Point2 = MakePoint(x2, y2, c);
  e.AuxPoint1 = MakePoint(x1, y1 - 5, c);
  e.AuxPoint2 = MakePoint(x2, y2 - 5, c);
  return e;
}

TEntJwwSolid MakeSolid(double x0, double y0, double size, const TEntJwwCommon& c) {
  TEntJwwSolid e{};
  e.Common = c;
  e.StartX = x0;
  e.StartY = y0;
  e.EndX = x0 + size;
  e.EndY = y0;
  e.Point2X = x0 + size;
  e.Point2Y = y0 + size;
  e.Point3X = x0;
  e.Point3Y = y0 + size;
  return e;
}

TEntJwwBlockInsert MakeInsert(uint32_t blockNumber, double x, double y, double scaleX,
                              double scaleY, double rotation, const TEntJwwCommon& c) {
  TEntJwwBlockInsert e{};
  e.Common = c;
  e.X = x;
  e.Y = y;
  e.ScaleX = scaleX;
  e.ScaleY = scaleY;
  e.Rotation = rotation;
  e.BlockNumber = blockNumber;
  return e;
}

TEntJwwBlockDef MakeBlockDef(uint32_t number, std::string_view name) {
  TEntJwwBlockDef def;
  def.Common = MakeCommon();
  def.Number = number;
  def.Time = 1000 + static_cast<int32_t>(number);
  def.Name = std::string(name);
  return def;
}

TJwwData SampleDocument() {
  TJwwData doc;
  doc.SizeHeaderTables();
  doc.Header.Signature = "JwwData.";
  doc.Header.Memo = "memo line 1\r\nline 2";
  doc.Header.PaperSize = 3;
  doc.Header.PrintScale = 2.5;
  doc.Header.DrawTime = 3725;
  for (size_t g = 0; g < 16; ++g) {
    doc.LayerGroups[g].State = 2;
    doc.LayerGroups[g].Scale = 100;
    doc.LayerGroups[g].Name = "group" + std::to_string(g);
  }
  for (size_t i = 0; i < 256; ++i) {
    doc.Layers[i].State = 2;
    doc.Layers[i].Name = "layer" + std::to_string(i);
  }
  for (size_t i = 0; i < 10; ++i) {
    doc.Pens[i].ScreenColor = 0x000100u * static_cast<uint32_t>(i);
    doc.Pens[i].ScreenWidth = 1;
    doc.Pens[i].PrintColor = 0x010000u * static_cast<uint32_t>(i);
    doc.Pens[i].PrintWidth = 2;
    doc.Pens[i].PointRadius = 0.3;
  }
  for (size_t i = 0; i < 257; ++i) {
    doc.ColorExNos[i].ScreenColor = static_cast<uint32_t>(i);
    doc.ColorExNos[i].ScreenWidth = 1;
    doc.ColorExNos[i].Name = "colour" + std::to_string(i);
    doc.ColorExNos[i].PrintColor = static_cast<uint32_t>(i) << 8;
    doc.ColorExNos[i].PrintWidth = 3;
    doc.ColorExNos[i].PointRadius = 0.5;
  }
  for (size_t i = 0; i < 33; ++i) {
    doc.LineTypeExNos[i].Pattern = 0xF0F0F0F0u;
    doc.LineTypeExNos[i].Name = "ltype" + std::to_string(i);
    doc.LineTypeExNos[i].SegmentCount = 2;
    doc.LineTypeExNos[i].Pitches[0] = 1.0;
    doc.LineTypeExNos[i].Pitches[1] = 0.5;
  }
  for (size_t i = 0; i < 10; ++i) doc.TextStyles[i].SizeX = 1.0 + static_cast<double>(i);
  return doc;
}

}  // namespace pennatran::testing
