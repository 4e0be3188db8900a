#include "cli/json_document.h"

#include <cmath>
#include <cstddef>
#include <string_view>

#include "jww/text_encoding.h"

// Puts a field under its own name, so that the JSON keys cannot drift from the records.
#define PUT(json, record, field) (json)[#field] = ToJson((record).field)

namespace pennatran {

TJson JsonDouble(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  return value;
}

namespace {

// Scalars are taken by value: most of them live in packed records, whose fields cannot be
// bound to references.
TJson ToJson(double v) {
  return JsonDouble(v);
}
TJson ToJson(int32_t v) {
  return v;
}
TJson ToJson(uint32_t v) {
  return v;
}
TJson ToJson(uint16_t v) {
  return v;
}
TJson ToJson(uint8_t v) {
  return v;
}
TJson ToJson(bool v) {
  return v;
}
TJson ToJson(const SjisString& sjis) {
  return SjisToUtf8(sjis);
}
TJson ToJson(const TShortString& s) {
  return SjisToUtf8(s.View());
}

TJson ToJson(const TMarkJump& m) {
  TJson j = TJson::object();
  PUT(j, m, Scale);
  PUT(j, m, X);
  PUT(j, m, Y);
  PUT(j, m, LayerGroup);
  return j;
}

TJson ToJson(const TExtraGroup& e) {
  TJson values = TJson::array();
  for (double v : e.Values) values.push_back(JsonDouble(v));
  TJson j = TJson::object();
  j["Values"] = std::move(values);
  PUT(j, e, Int);
  return j;
}

template <typename T, size_t N>
TJson ToJson(const T (&items)[N]) {
  TJson j = TJson::array();
  for (const T& item : items) j.push_back(ToJson(item));
  return j;
}

template <typename Items, typename Fn>
TJson ArrayOf(const Items& items, Fn toJson) {
  TJson j = TJson::array();
  for (const auto& item : items) j.push_back(toJson(item));
  return j;
}

void AddCommon(TJson& j, const TEntJwwCommon& c) {
  PUT(j, c, Group);
  PUT(j, c, LineType);
  PUT(j, c, Color);
  PUT(j, c, Width);
  PUT(j, c, Layer);
  PUT(j, c, LayerGroup);
  PUT(j, c, Flags);
}

TJson CommonJson(const TEntJwwCommon& c) {
  TJson j = TJson::object();
  AddCommon(j, c);
  return j;
}

TJson HeaderJson(const TEntJwwHeader& h) {
  TJson j = TJson::object();
  PUT(j, h, Memo);
  PUT(j, h, PaperSize);
  PUT(j, h, WriteLayerGroup);
  PUT(j, h, DimSettings);
  PUT(j, h, MaxDrawWidth);
  PUT(j, h, PrintOriginX);
  PUT(j, h, PrintOriginY);
  PUT(j, h, PrintScale);
  PUT(j, h, PrintSetting);
  PUT(j, h, GridMode);
  PUT(j, h, GridMinDots);
  PUT(j, h, GridSpacingX);
  PUT(j, h, GridSpacingY);
  PUT(j, h, GridOriginX);
  PUT(j, h, GridOriginY);
  PUT(j, h, ShadowLevel);
  PUT(j, h, ShadowLatitude);
  PUT(j, h, Shadow9To15);
  PUT(j, h, WallShadowLevel);
  PUT(j, h, SkyMapLevel);
  PUT(j, h, SkyMapRadius);
  PUT(j, h, Unit3D);
  PUT(j, h, ViewScale);
  PUT(j, h, ViewOriginX);
  PUT(j, h, ViewOriginY);
  PUT(j, h, RangeScale);
  PUT(j, h, RangeOriginX);
  PUT(j, h, RangeOriginY);
  PUT(j, h, MarkJumps);
  PUT(j, h, ExtraA);
  PUT(j, h, ExtraB);
  PUT(j, h, MultiLineSpacing);
  PUT(j, h, BothSideLineEnd);
  PUT(j, h, PointScreenRadius);
  PUT(j, h, PointPrintRadius);
  PUT(j, h, BitmapFirst);
  PUT(j, h, ReverseDraw);
  PUT(j, h, ReverseSearch);
  PUT(j, h, ColorPrint);
  PUT(j, h, LayerOrderPrint);
  PUT(j, h, ColorOrderPrint);
  PUT(j, h, PrintContinuous);
  PUT(j, h, PrintCommonGray);
  PUT(j, h, DisplayOnlyNoPrint);
  PUT(j, h, WidthUnitMode);
  PUT(j, h, DrawTime);
  PUT(j, h, EyeInit);
  PUT(j, h, EyeAngleH1);
  PUT(j, h, EyeAngleH2);
  PUT(j, h, EyeAngleH3);
  PUT(j, h, EyeHeight1);
  PUT(j, h, EyeDistance1);
  PUT(j, h, EyeHeight2);
  PUT(j, h, EyeDistance2);
  PUT(j, h, EyeAngleV3);
  PUT(j, h, LastLineLength);
  PUT(j, h, LastBoxX);
  PUT(j, h, LastBoxY);
  PUT(j, h, LastCircleRadius);
  PUT(j, h, SolidAnyColor);
  PUT(j, h, SolidDefaultColor);
  PUT(j, h, TextSizeX);
  PUT(j, h, TextSizeY);
  PUT(j, h, TextSpacing);
  PUT(j, h, TextColor);
  PUT(j, h, TextStyleNo);
  PUT(j, h, ArrangeLinePitch);
  PUT(j, h, ArrangeCharCount);
  PUT(j, h, TextOffsetOn);
  PUT(j, h, TextOffsetX);
  PUT(j, h, TextOffsetY);
  PUT(j, h, EntityCount);
  PUT(j, h, BlockCount);
  return j;
}

void AddTables(TJson& out, const TJwwData& doc) {
  out["layerGroups"] = ArrayOf(doc.LayerGroups, [](const TEntJwwLayerGroup& g) {
    TJson j = TJson::object();
    PUT(j, g, State);
    PUT(j, g, WriteLayer);
    PUT(j, g, Scale);
    PUT(j, g, Protect);
    PUT(j, g, Name);
    return j;
  });
  out["layers"] = ArrayOf(doc.Layers, [](const TEntJwwLayer& l) {
    TJson j = TJson::object();
    PUT(j, l, State);
    PUT(j, l, Protect);
    PUT(j, l, Name);
    return j;
  });
  out["pens"] = ArrayOf(doc.Pens, [](const TEntJwwPen& p) {
    TJson j = TJson::object();
    PUT(j, p, ScreenColor);
    PUT(j, p, ScreenWidth);
    PUT(j, p, PrintColor);
    PUT(j, p, PrintWidth);
    PUT(j, p, PointRadius);
    return j;
  });
  auto lineTypeDef = [](const TEntJwwLineTypeDef& d) {
    TJson j = TJson::object();
    PUT(j, d, Pattern);
    PUT(j, d, UnitDots);
    PUT(j, d, ScreenPitch);
    PUT(j, d, PrintPitch);
    return j;
  };
  out["lineTypeDefs"] = ArrayOf(doc.LineTypeDefs, lineTypeDef);
  out["randomLineDefs"] = ArrayOf(doc.RandomLineDefs, [](const TEntJwwRandomLineDef& d) {
    TJson j = TJson::object();
    PUT(j, d, Pattern);
    PUT(j, d, ScreenAmplitude);
    PUT(j, d, ScreenPitch);
    PUT(j, d, PrintAmplitude);
    PUT(j, d, PrintPitch);
    return j;
  });
  out["doubleLineDefs"] = ArrayOf(doc.DoubleLineDefs, lineTypeDef);
  out["textStyles"] = ArrayOf(doc.TextStyles, [](const TEntJwwTextStyle& s) {
    TJson j = TJson::object();
    PUT(j, s, SizeX);
    PUT(j, s, SizeY);
    PUT(j, s, Spacing);
    PUT(j, s, Color);
    return j;
  });
  out["colorExNos"] = ArrayOf(doc.ColorExNos, [](const TEntJwwColorExNo& c) {
    TJson j = TJson::object();
    PUT(j, c, ScreenColor);
    PUT(j, c, ScreenWidth);
    PUT(j, c, Name);
    PUT(j, c, PrintColor);
    PUT(j, c, PrintWidth);
    PUT(j, c, PointRadius);
    return j;
  });
  out["lineTypeExNos"] = ArrayOf(doc.LineTypeExNos, [](const TEntJwwLineTypeExNo& t) {
    TJson j = TJson::object();
    PUT(j, t, Pattern);
    PUT(j, t, UnitDots);
    PUT(j, t, ScreenPitch);
    PUT(j, t, PrintPitch);
    PUT(j, t, Name);
    PUT(j, t, SegmentCount);
    PUT(j, t, Pitches);
    return j;
  });
}

TJson LineJson(const TEntJwwLine& e) {
  TJson j = CommonJson(e.Common);
  PUT(j, e, StartX);
  PUT(j, e, StartY);
  PUT(j, e, EndX);
  PUT(j, e, EndY);
  return j;
}

TJson ArcJson(const TEntJwwArc& e) {
  TJson j = CommonJson(e.Common);
  PUT(j, e, CenterX);
  PUT(j, e, CenterY);
  PUT(j, e, Radius);
  PUT(j, e, StartAngle);
  PUT(j, e, ArcAngle);
  PUT(j, e, TiltAngle);
  PUT(j, e, Flatness);
  PUT(j, e, FullCircle);
  return j;
}

TJson PointJson(const TEntJwwPoint& e) {
  TJson j = CommonJson(e.Common);
  PUT(j, e, X);
  PUT(j, e, Y);
  PUT(j, e, Temporary);
  PUT(j, e, Code);
  PUT(j, e, Angle);
  PUT(j, e, Scale);
  return j;
}

TJson TextJson(const TEntJwwText& e) {
  TJson j = CommonJson(e.Common);
  PUT(j, e, StartX);
  PUT(j, e, StartY);
  PUT(j, e, EndX);
  PUT(j, e, EndY);
  PUT(j, e, TextKind);
  PUT(j, e, SizeX);
  PUT(j, e, SizeY);
  PUT(j, e, Spacing);
  PUT(j, e, Angle);
  PUT(j, e, FontName);
  PUT(j, e, Content);
  return j;
}

TJson DimensionJson(const TEntJwwDimension& e) {
  TJson j = CommonJson(e.Common);
  j["Line"] = LineJson(e.Line);
  j["Text"] = TextJson(e.Text);
  PUT(j, e, SxfMode);
  j["AuxLine1"] = LineJson(e.AuxLine1);
  j["AuxLine2"] = LineJson(e.AuxLine2);
  j["Point1"] = PointJson(e.Point1);
  j["Point2"] = PointJson(e.Point2);
  j["AuxPoint1"] = PointJson(e.AuxPoint1);
  j["AuxPoint2"] = PointJson(e.AuxPoint2);
  return j;
}

TJson SolidJson(const TEntJwwSolid& e) {
  TJson j = CommonJson(e.Common);
  PUT(j, e, StartX);
  PUT(j, e, StartY);
  PUT(j, e, EndX);
  PUT(j, e, EndY);
  PUT(j, e, Point2X);
  PUT(j, e, Point2Y);
  PUT(j, e, Point3X);
  PUT(j, e, Point3Y);
  PUT(j, e, FillColor);
  return j;
}

TJson InsertJson(const TEntJwwBlockInsert& e) {
  TJson j = CommonJson(e.Common);
  PUT(j, e, X);
  PUT(j, e, Y);
  PUT(j, e, ScaleX);
  PUT(j, e, ScaleY);
  PUT(j, e, Rotation);
  PUT(j, e, BlockNumber);
  return j;
}

// "kind" first, then the record's fields; the kind's name also says which array it is.
template <typename T, typename Fn>
bool KindJson(const char* kind, const TRecordArray<T>& items, int32_t index, Fn toJson,
              TJson& out) {
  // An order entry that points outside its array is skipped rather than trusted.
  if (index < 0 || static_cast<size_t>(index) >= items.size()) return false;
  out = TJson::object();
  out["kind"] = kind;
  out.update(toJson(items[static_cast<size_t>(index)]));
  return true;
}

// One entity of the drawing or of a block definition; false when the entry names none.
bool EntityJson(const TEntityLists& lists, const TEntJwwOrderEntry& entry, TJson& out) {
  switch (entry.Kind) {
    case EntityLine:
      return KindJson("line", lists.Lines, entry.Index, LineJson, out);
    case EntityArc:
      return KindJson("arc", lists.Arcs, entry.Index, ArcJson, out);
    case EntityPoint:
      return KindJson("point", lists.Points, entry.Index, PointJson, out);
    case EntityText:
      return KindJson("text", lists.Texts, entry.Index, TextJson, out);
    case EntityDimension:
      return KindJson("dimension", lists.Dimensions, entry.Index, DimensionJson, out);
    case EntitySolid:
      return KindJson("solid", lists.Solids, entry.Index, SolidJson, out);
    case EntityInsert:
      return KindJson("insert", lists.Inserts, entry.Index, InsertJson, out);
    default:
      return false;
  }
}

// The entities of a block definition, in their order.
TJson EntitiesJson(const TEntityLists& lists) {
  TJson list = TJson::array();
  for (const TEntJwwOrderEntry& entry : lists.EntityOrder) {
    TJson j;
    if (EntityJson(lists, entry, j)) list.push_back(std::move(j));
  }
  return list;
}

TJson BlockDefJson(const TEntJwwBlockDef& d) {
  TJson j = CommonJson(d.Common);
  PUT(j, d, Number);
  PUT(j, d, Referenced);
  PUT(j, d, Time);
  PUT(j, d, Name);
  PUT(j, d, Count);
  PUT(j, d, Used);
  PUT(j, d, UsedIndex);
  j["entities"] = EntitiesJson(d);
  return j;
}

TJson BlockTreeJson(const TEntJwwBlockTree& t) {
  TJson j = TJson::object();
  j["Common"] = CommonJson(t.Common);
  PUT(j, t, Depth);
  PUT(j, t, Parent);
  PUT(j, t, BlockNumber);
  PUT(j, t, BlockIndex);
  PUT(j, t, BlockName);
  PUT(j, t, X);
  PUT(j, t, Y);
  PUT(j, t, M11);
  PUT(j, t, M12);
  PUT(j, t, M21);
  PUT(j, t, M22);
  return j;
}

TJson CountsJson(const TJwwData& doc) {
  TJson j = TJson::object();
  j["LineCount"] = doc.LineCount();
  j["ArcCount"] = doc.ArcCount();
  j["PointCount"] = doc.PointCount();
  j["TextCount"] = doc.TextCount();
  j["DimensionCount"] = doc.DimensionCount();
  j["SolidCount"] = doc.SolidCount();
  j["InsertCount"] = doc.InsertCount();
  j["BlockDefCount"] = doc.BlockDefCount();
  j["BlockTreeCount"] = doc.BlockTreeCount();
  j["UsedBlockCount"] = doc.UsedBlockCount;
  return j;
}

}  // namespace

void AddDocumentJson(TJson& out, const TJwwData& doc) {
  out["signature"] = ToJson(doc.Header.Signature);
  out["version"] = doc.Header.Version;
  out["stringForm"] = doc.TwoByteStrings ? "two-byte" : "one-byte";
  out["header"] = HeaderJson(doc.Header);
  AddTables(out, doc);
  out["counts"] = CountsJson(doc);
  out["blockTreeLimited"] = doc.BlockTreeLimited;
  out["images"] = ArrayOf(doc.ImageList, [](const TBindImageType& image) {
    TJson j = TJson::object();
    PUT(j, image, Name);
    PUT(j, image, Size);
    return j;
  });
  out["extents"] = TJson::array({JsonDouble(doc.ExtentMinX), JsonDouble(doc.ExtentMinY),
                                 JsonDouble(doc.ExtentMaxX), JsonDouble(doc.ExtentMaxY)});
}

std::vector<TJsonArrayMember> EntityMembers(const TJwwData& doc) {
  return {
      {"entities", doc.EntityOrder.size(),
       [&doc](size_t i, TJson& out) { return EntityJson(doc, doc.EntityOrder[i], out); }},
      {"blockDefs", doc.BlockDefs.size(),
       [&doc](size_t i, TJson& out) {
         out = BlockDefJson(doc.BlockDefs[i]);
         return true;
       }},
      {"blockTree", doc.BlockTree.size(),
       [&doc](size_t i, TJson& out) {
         out = BlockTreeJson(doc.BlockTree[i]);
         return true;
       }},
  };
}

}  // namespace pennatran
