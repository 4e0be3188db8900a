#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "jww/block_numbering.h"
#include "jww/format_versions.h"
#include "jww/jww_writer.h"
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

// The record's bytes after its common part, up to (not including) byte `end`.
template <typename Record>
void WriteBody(TByteWriter& out, const Record& record, size_t end) {
  const char* bytes = reinterpret_cast<const char*>(&record);
  out.Raw(bytes + sizeof(TEntJwwCommon), end - sizeof(TEntJwwCommon));
}

void WriteLine(TByteWriter& out, const TEntJwwLine& line, int32_t version) {
  WriteCommon(out, line.Common, TCommonKind::Line, version);
  WriteBody(out, line, sizeof line);
}

void WriteArc(TByteWriter& out, const TEntJwwArc& arc, int32_t version) {
  WriteCommon(out, arc.Common, TCommonKind::Line, version);
  WriteBody(out, arc, sizeof arc);
}

void WritePoint(TByteWriter& out, const TEntJwwPoint& point, int32_t version) {
  WriteCommon(out, point.Common, TCommonKind::Point, version);
  WriteBody(out, point, offsetof(TEntJwwPoint, Code));
  if (point.Common.LineType == 100) {
    out.I32(point.Code);
    out.F64(point.Angle);
    out.F64(point.Scale);
  }
}

// A text's string after the writer cleaning. One that fits its record cleans into a buffer
// on the stack: no allocation per text; only a long one is cleaned into a string of its own.
void WriteTextString(TByteWriter& out, std::string_view s) {
  if (s.size() < TShortString::kInStore) {
    char cleaned[TShortString::kInStore];
    out.String({cleaned, WriterCleanInto(s, cleaned)});
    return;
  }
  out.String(WriterClean(s));
}

void WriteText(TByteWriter& out, const TEntJwwText& text, int32_t version) {
  WriteCommon(out, text.Common, TCommonKind::Text, version);
  WriteBody(out, text, offsetof(TEntJwwText, FontName));
  WriteTextString(out, text.FontName.View());
  WriteTextString(out, text.Content.View());
}

void WriteDimension(TByteWriter& out, const TEntJwwDimension& dim, int32_t version) {
  WriteCommon(out, dim.Common, TCommonKind::Dimension, version);
  WriteLine(out, dim.Line, version);
  WriteText(out, dim.Text, version);
  if (version < kFirstSxfDimensionVersion) return;
  out.U16(dim.SxfMode);
  WriteLine(out, dim.AuxLine1, version);
  WriteLine(out, dim.AuxLine2, version);
  for (const TEntJwwPoint* point : {&dim.Point1, &dim.Point2, &dim.AuxPoint1, &dim.AuxPoint2}) {
    WritePoint(out, *point, version);
  }
}

void WriteSolid(TByteWriter& out, const TEntJwwSolid& solid, int32_t version) {
  WriteCommon(out, solid.Common, TCommonKind::Solid, version);
  WriteBody(out, solid, offsetof(TEntJwwSolid, FillColor));
  if (solid.Common.Color == 10) out.U32(solid.FillColor);
}

void WriteInsert(TByteWriter& out, const TEntJwwBlockInsert& insert, int32_t version,
                 const TBlockNumbering& numbering) {
  WriteCommon(out, insert.Common, TCommonKind::Block, version);
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
        WriteLine(out, lists.Lines[i], version);
        break;
      case EntityArc:
        WriteArc(out, lists.Arcs[i], version);
        break;
      case EntityPoint:
        WritePoint(out, lists.Points[i], version);
        break;
      case EntityText:
        WriteText(out, lists.Texts[i], version);
        break;
      case EntityDimension:
        WriteDimension(out, lists.Dimensions[i], version);
        break;
      case EntitySolid:
        WriteSolid(out, lists.Solids[i], version);
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
