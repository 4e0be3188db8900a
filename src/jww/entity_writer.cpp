#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "jww/block_numbering.h"
#include "jww/format_versions.h"
#include "jww/jww_writer.h"
#include "jww/record_tables.h"
#include "jww/string_rules.h"
#include "jww/written_values.h"

namespace pennatran {
namespace {

constexpr std::string_view kBlockDefClass = "CDataList";

// Class object numbers shared by the whole file; 0 while a class is not yet introduced.
struct TClassNumbers {
  std::array<uint32_t, 8> Kinds{};
  uint32_t BlockDef = 0;
};

void WriteTag(TByteWriter& out, uint32_t& number, std::string_view name) {
  if (number == 0) {
    number = out.NewClass(name);
  } else {
    out.ClassRef(number);
  }
}

void WriteCommon(TByteWriter& out, const TEntJwwCommon& stored, TCommonKind kind, int32_t version) {
  const TEntJwwCommon c = WrittenCommon(stored, kind);
  if (version >= kFirstWidthVersion) {
    out.Raw(&c, sizeof c);
    return;
  }
  // Older layouts have no Width: the fields before it, then the fields after it.
  out.Raw(&c, offsetof(TEntJwwCommon, Width));
  out.Raw(&c.Layer, sizeof c - offsetof(TEntJwwCommon, Layer));
}

// Which attribute checks the common part of each record gets.
template <typename Record>
constexpr TCommonKind kCommonKind = TCommonKind::Line;
template <>
constexpr TCommonKind kCommonKind<TEntJwwPoint> = TCommonKind::Point;
template <>
constexpr TCommonKind kCommonKind<TEntJwwText> = TCommonKind::Text;
template <>
constexpr TCommonKind kCommonKind<TEntJwwDimension> = TCommonKind::Dimension;
template <>
constexpr TCommonKind kCommonKind<TEntJwwSolid> = TCommonKind::Solid;
template <>
constexpr TCommonKind kCommonKind<TEntJwwBlockInsert> = TCommonKind::Block;

// The record's bytes after its common part, up to (not including) byte `end`.
template <typename Record>
void WriteBody(TByteWriter& out, const Record& record, size_t end) {
  const char* bytes = reinterpret_cast<const char*>(&record);
  out.Raw(bytes + sizeof(TEntJwwCommon), end - sizeof(TEntJwwCommon));
}

// A text's string after the writer cleaning. Nearly every one cleans into a buffer on the
// stack: no allocation per text; only a long one is cleaned into a string of its own.
void WriteTextString(TByteWriter& out, std::string_view s) {
  constexpr size_t kCleanedOnStack = 255;
  if (s.size() < kCleanedOnStack) {
    char cleaned[kCleanedOnStack];
    out.String({cleaned, WriterCleanInto(s, cleaned)});
    return;
  }
  out.String(WriterClean(s));
}

// One record as its table lays it out, with the common part the writer settles.
template <LaidOutRecord Record>
void Write(TByteWriter& out, const Record& e, int32_t version) {
  constexpr TRecordLayout layout = TRecordFields<Record>::kLayout;
  WriteCommon(out, e.Common, kCommonKind<Record>, version);
  WriteBody(out, e, layout.Head);
  if constexpr (layout.Tail == TRecordTail::Parts) {
    ForEachFieldFrom<Record, layout.FirstPart>([&](const auto& field) {
      if (!field.Gate.Holds(version)) return;
      using Part = typename std::decay_t<decltype(field)>::TValue;
      if constexpr (std::is_same_v<Part, TShortString>) {
        WriteTextString(out, (e.*field.Pointer).View());
      } else if constexpr (LaidOutRecord<Part>) {
        Write(out, e.*field.Pointer, version);
      } else {
        static_assert(std::is_same_v<Part, uint16_t>,
                      "a part of a record is written in its own form");
        out.U16(LoadField(e, field.Pointer));
      }
    });
  } else if (RestFollows(layout.Tail, e.Common)) {
    out.Raw(reinterpret_cast<const char*>(&e) + layout.Head, sizeof e - layout.Head);
  }
}

void WriteInsert(TByteWriter& out, const TEntJwwBlockInsert& insert, int32_t version,
                 const TBlockNumbering& numbering) {
  WriteCommon(out, insert.Common, kCommonKind<TEntJwwBlockInsert>, version);
  WriteBody(out, insert, offsetof(TEntJwwBlockInsert, BlockNumber));
  out.U32(static_cast<uint32_t>(numbering.WrittenNumber(insert.BlockNumber)));
}

// Each entity of the lists exactly once: first in the order the file held them, then any
// the order list misses. The count written before them is the length of this list, so the
// announced count always matches the objects that follow.
TRecordArray<TEntJwwOrderEntry> WriteOrder(const TEntityLists& lists) {
  std::array<std::vector<bool>, 8> taken;
  for (int32_t kind = EntityLine; kind <= EntityInsert; ++kind) {
    taken[static_cast<size_t>(kind)].assign(lists.KindSize(kind), false);
  }
  TRecordArray<TEntJwwOrderEntry> order;
  order.reserve(lists.EntityOrder.size());
  for (const TEntJwwOrderEntry& entry : lists.EntityOrder) {
    if (entry.Kind < EntityLine || entry.Kind > EntityInsert || entry.Index < 0) continue;
    std::vector<bool>& kindTaken = taken[static_cast<size_t>(entry.Kind)];
    size_t index = static_cast<size_t>(entry.Index);
    if (index >= kindTaken.size() || kindTaken[index]) continue;
    kindTaken[index] = true;
    order.push_back(entry);
  }
  for (int32_t kind = EntityLine; kind <= EntityInsert; ++kind) {
    const std::vector<bool>& kindTaken = taken[static_cast<size_t>(kind)];
    for (size_t i = 0; i < kindTaken.size(); ++i) {
      if (!kindTaken[i]) order.push_back({kind, static_cast<int32_t>(i)});
    }
  }
  return order;
}

uint32_t CountOf(size_t n) {
  if (n > 0xFFFFFFFFu) throw TWriteError("more entities than a count can hold");
  return static_cast<uint32_t>(n);
}

void WriteEntityObjects(TByteWriter& out, const TEntityLists& lists,
                        const TRecordArray<TEntJwwOrderEntry>& order, TClassNumbers& classes,
                        int32_t version, const TBlockNumbering& numbering) {
  for (const TEntJwwOrderEntry& entry : order) {
    size_t kind = static_cast<size_t>(entry.Kind);
    size_t i = static_cast<size_t>(entry.Index);
    WriteTag(out, classes.Kinds[kind], kEntityClassNames[kind]);
    switch (entry.Kind) {
      case EntityLine:
        Write(out, lists.Lines[i], version);
        break;
      case EntityArc:
        Write(out, lists.Arcs[i], version);
        break;
      case EntityPoint:
        Write(out, lists.Points[i], version);
        break;
      case EntityText:
        Write(out, lists.Texts[i], version);
        break;
      case EntityDimension:
        Write(out, lists.Dimensions[i], version);
        break;
      case EntitySolid:
        Write(out, lists.Solids[i], version);
        break;
      case EntityInsert:
        WriteInsert(out, lists.Inserts[i], version, numbering);
        break;
      default:
        break;
    }
    out.CountObject();
  }
}

void WriteBlockDefinitions(const TJwwData& doc, TByteWriter& out, TClassNumbers& classes,
                           int32_t version, const TBlockNumbering& numbering) {
  out.Count(CountOf(static_cast<size_t>(numbering.UsedCount())));
  for (size_t d = 0; d < doc.BlockDefs.size(); ++d) {
    if (!numbering.IsUsed(d)) continue;
    const TEntJwwBlockDef& def = doc.BlockDefs[d];
    int32_t writtenIndex = numbering.UsedIndex(d);
    WriteTag(out, classes.BlockDef, kBlockDefClass);
    WriteCommon(out, def.Common, TCommonKind::Block, version);
    out.U32(static_cast<uint32_t>(writtenIndex));
    out.U32(def.Referenced);
    // A negative time announces an extended time we do not keep; the reader would turn it
    // into the definition's position, so write that position instead.
    out.I32(def.Time < 0 ? writtenIndex + 1 : def.Time);
    out.String(WriterClean(def.Name));
    TRecordArray<TEntJwwOrderEntry> order = WriteOrder(def);
    out.Count(CountOf(order.size()));
    // The definition is one object, counted after its count and before its entities.
    out.CountObject();
    WriteEntityObjects(out, def, order, classes, version, numbering);
  }
}

}  // namespace

void WriteEntitySection(const TJwwData& doc, TByteWriter& out, int32_t version) {
  TBlockNumbering numbering(doc);
  TClassNumbers classes;
  TRecordArray<TEntJwwOrderEntry> order = WriteOrder(doc);
  out.Count(CountOf(order.size()));
  WriteEntityObjects(out, doc, order, classes, version, numbering);
  WriteBlockDefinitions(doc, out, classes, version, numbering);
}

}  // namespace pennatran
