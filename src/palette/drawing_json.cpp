#include "palette/drawing_json.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <tuple>

#include "jww/header_layout.h"
#include "jww/record_tables.h"
#include "jww/text_encoding.h"

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
template <size_t N>
TJson ToJson(const std::array<uint8_t, N>& bytes) {
  return TJson(bytes);
}
template <DescribedRecord Record>
TJson ToJson(const Record& record);

template <typename T, size_t N>
TJson ToJson(const T (&items)[N]) {
  TJson j = TJson::array();
  for (const T& item : items) j.push_back(ToJson(item));
  return j;
}

// Every shown field under the record's own name for it; a flattened part's fields among
// the record's.
template <DescribedRecord Record>
void AddFields(TJson& j, const Record& record) {
  ForEachField<Record>([&](const auto& field) {
    using Member = typename std::decay_t<decltype(field)>::TValue;
    if (!field.Shown) return;
    if constexpr (DescribedRecord<Member>) {
      if (field.Flat) {
        AddFields(j, record.*field.Pointer);
        return;
      }
    }
    if constexpr (std::is_arithmetic_v<Member>) {
      j[std::string(field.Name)] = ToJson(LoadField(record, field.Pointer));
    } else {
      j[std::string(field.Name)] = ToJson(record.*field.Pointer);
    }
  });
}

template <DescribedRecord Record>
TJson ToJson(const Record& record) {
  TJson j = TJson::object();
  AddFields(j, record);
  return j;
}

template <typename Items>
TJson ArrayOf(const Items& items) {
  TJson j = TJson::array();
  for (const auto& item : items) j.push_back(ToJson(item));
  return j;
}

template <typename Member>
void AddHeaderStep(TJson& j, const TEntJwwHeader& h, const TField<TEntJwwHeader, Member>& field) {
  if (field.Shown) j[std::string(field.Name)] = ToJson(h.*field.Pointer);
}
template <typename Kind, typename Shown>
void AddHeaderStep(TJson& j, const TEntJwwHeader& h, const THeaderStep<Kind, Shown>& step) {
  ForEachField(step.ShownFields, [&](const auto& field) { AddHeaderStep(j, h, field); });
}
// The tables among the header's bytes are members of their own (kShownTables).
template <typename Entry>
void AddHeaderStep(TJson&, const TEntJwwHeader&, const TTableStep<Entry>&) {}

TJson HeaderJson(const TEntJwwHeader& h) {
  TJson j = TJson::object();
  ForEachField(kHeaderLayout, [&](const auto& step) { AddHeaderStep(j, h, step); });
  return j;
}

template <typename Entry>
struct TShownTable {
  const char* Key;
  std::vector<Entry> TJwwData::*Table;
};

// The drawing's fixed tables, in the order the JSON lists them.
constexpr auto kShownTables =
    std::tuple{TShownTable<TEntJwwLayerGroup>{"layerGroups", &TJwwData::LayerGroups},
               TShownTable<TEntJwwLayer>{"layers", &TJwwData::Layers},
               TShownTable<TEntJwwPen>{"pens", &TJwwData::Pens},
               TShownTable<TEntJwwLineTypeDef>{"lineTypeDefs", &TJwwData::LineTypeDefs},
               TShownTable<TEntJwwRandomLineDef>{"randomLineDefs", &TJwwData::RandomLineDefs},
               TShownTable<TEntJwwLineTypeDef>{"doubleLineDefs", &TJwwData::DoubleLineDefs},
               TShownTable<TEntJwwTextStyle>{"textStyles", &TJwwData::TextStyles},
               TShownTable<TEntJwwColorExNo>{"colorExNos", &TJwwData::ColorExNos},
               TShownTable<TEntJwwLineTypeExNo>{"lineTypeExNos", &TJwwData::LineTypeExNos}};

// The name an entity's "kind" member gives it, by TEntityKind.
constexpr std::array<const char*, 8> kKindNames = {"",     "line",      "arc",   "point",
                                                   "text", "dimension", "solid", "insert"};

// One entity of the drawing or of a block definition: "kind" first, then the record's
// fields; false when the entry names none.
bool EntityJson(const TEntityLists& lists, const TEntJwwOrderEntry& entry, TJson& out) {
  bool found = false;
  ForEachList(lists, [&](const auto& list, TEntityKind kind) {
    // An order entry that points outside its array is skipped rather than trusted.
    if (kind != entry.Kind || entry.Index < 0 || static_cast<size_t>(entry.Index) >= list.size())
      return;
    out = TJson::object();
    out["kind"] = kKindNames[kind];
    AddFields(out, list[static_cast<size_t>(entry.Index)]);
    found = true;
  });
  return found;
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
  TJson j = ToJson(d);
  j["entities"] = EntitiesJson(d);
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
  ForEachField(kShownTables,
               [&](const auto& table) { out[table.Key] = ArrayOf(doc.*table.Table); });
  out["counts"] = CountsJson(doc);
  out["blockTreeLimited"] = doc.BlockTreeLimited;
  out["images"] = ArrayOf(doc.ImageList);
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
         out = ToJson(doc.BlockTree[i]);
         return true;
       }},
  };
}

}  // namespace pennatran
