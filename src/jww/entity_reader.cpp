#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>

#include "jww/format_versions.h"
#include "jww/image_files.h"
#include "jww/jww_reader.h"
#include "jww/large_pages.h"

namespace pennatran {
namespace {

constexpr uint8_t kPointWithCode = 100;
constexpr uint16_t kArbitraryColor = 10;

// Bytes of a common part in front of Width, and of Width itself.
constexpr size_t kCommonHead = 7;
constexpr size_t kWidthBytes = 2;

// The smallest block definition the format can hold: a tag, an old common part, number,
// referenced flag, time, empty name and count. A count is only a claim: room is reserved
// for no more definitions than the bytes left could hold, and reading stops at the cut.
constexpr size_t kMinBlockDefBytes = 2 + 13 + 12 + 1 + 2;

int KindOfClassName(std::string_view name) {
  for (int kind = EntityLine; kind <= EntityInsert; ++kind) {
    if (name == kEntityClassNames[kind]) return kind;
  }
  return 0;
}

class TEntityReader {
 public:
  TEntityReader(TByteReader& in, int32_t version, const TConsumedBytes& consumed = {})
      : In(in), Version(version), Consumed(consumed) {}

  // Reads `count` entities into the lists of the document or of block definition
  // `blockDefinition` (1-based; 0 for the document), which errors name.
  void ReadList(TEntityLists& lists, uint32_t count, uint32_t blockDefinition) {
    ReserveForList(lists, count);
    uint32_t taken = 0;
    while (taken < count) {
      int kind = 0;
      try {
        kind = ReadTag();
      } catch (const TReadError& e) {
        RethrowAt(e, TLoadPlace::EntityTag, taken + 1, 0, blockDefinition);
      }
      if (kind == 0) continue;  // a class we do not read: only its tag was consumed
      try {
        ReadOne(lists, kind);
      } catch (const TReadError& e) {
        RethrowAt(e, TLoadPlace::Entity, taken + 1, kind, blockDefinition);
      }
      ++taken;
      In.AdvanceObject();
      ReportConsumed();
    }
  }

  // One block definition's fields up to its entity count; position is 1-based.
  void ReadDefinitionHead(TEntJwwBlockDef& def, uint32_t position) {
    In.Tag();  // every object of this list is a block definition, whatever its class
    Block(&def.Common, sizeof def.Common);
    def.Number = In.U32();
    def.Referenced = In.U32();
    def.Time = In.I32();
    if (def.Time < 0) {
      In.Skip(8);  // extended time, not kept
      def.Time = static_cast<int32_t>(position);
    }
    def.Name = In.CleanString();
    const uint32_t count = In.Count();
    def.Count = static_cast<int32_t>(count);
    In.AdvanceObject();
  }

 private:
  // Every record before the cursor is complete and copied out; telling the owner of the
  // bytes once per large page keeps the calls rare.
  void ReportConsumed() {
    if (!Consumed || In.Offset() < NextReport) return;
    Consumed(In.Offset());
    NextReport = In.Offset() + kLargePageBytes;
  }

  // Sizes the arrays exactly before the records are read: a first pass over the list
  // counts each kind without storing anything. Growing the arrays instead would copy every
  // record again and, for a moment, hold two copies of the largest arrays.
  void ReserveForList(TEntityLists& lists, uint32_t count) {
    TByteReader scoutIn = In;
    TEntityReader scout(scoutIn, Version);
    scout.ClassNumbers = ClassNumbers;
    const std::array<size_t, 8> kinds = scout.CountKinds(count);
    ForEachList(lists, [&](auto& list, TEntityKind kind) { ReserveRecords(list, kinds[kind]); });
    ReserveRecords(lists.EntityOrder, kinds[0]);
  }

  // How many records of each kind the next `count` entities hold (index 0: all of them),
  // up to the first one that cannot be read completely.
  std::array<size_t, 8> CountKinds(uint32_t count) {
    std::array<size_t, 8> kinds{};
    try {
      while (kinds[0] < count) {
        const int kind = ReadTag();
        if (kind == 0) continue;
        SkipOne(kind);
        ++kinds[kind];
        ++kinds[0];
        In.AdvanceObject();
      }
    } catch (const TReadError&) {
      // The reading pass reports where and why; the counts so far are what it will keep.
    }
    return kinds;
  }

  // The kind the next tag selects, 0 for none. Class numbers are shared by the entity
  // list and every block definition.
  int ReadTag() {
    const TClassTag tag = In.Tag();
    if (tag.IsNew) {
      const int kind = KindOfClassName(tag.Name);
      if (kind != 0) ClassNumbers[kind] = tag.Number;
      return kind;
    }
    if (tag.Number == 0) return 0;
    for (int kind = EntityLine; kind <= EntityInsert; ++kind) {
      if (ClassNumbers[kind] == tag.Number) return kind;
    }
    return 0;
  }

  // Reads a record whose layout from version 3.51 on is `newBytes` bytes straight into
  // place; older files lack the 2-byte Width, which is left 0.
  void Block(void* record, size_t newBytes) {
    auto* bytes = static_cast<uint8_t*>(record);
    if (Version >= kFirstWidthVersion) {
      In.Raw(bytes, newBytes);
      return;
    }
    In.Raw(bytes, kCommonHead);
    std::memset(bytes + kCommonHead, 0, kWidthBytes);
    In.Raw(bytes + kCommonHead + kWidthBytes, newBytes - kCommonHead - kWidthBytes);
  }

  void Point(TEntJwwPoint& p) {
    Block(&p, offsetof(TEntJwwPoint, Code));
    if (p.Common.LineType == kPointWithCode) {
      In.Raw(reinterpret_cast<uint8_t*>(&p) + offsetof(TEntJwwPoint, Code),
             sizeof p - offsetof(TEntJwwPoint, Code));
    }
  }

  void Text(TEntJwwText& t) {
    Block(&t, offsetof(TEntJwwText, FontName));
    In.CleanShortString(t.FontName);
    In.CleanShortString(t.Content);
  }

  void Dimension(TEntJwwDimension& d) {
    Block(&d.Common, sizeof d.Common);
    Block(&d.Line, sizeof d.Line);
    Text(d.Text);
    if (Version >= kFirstSxfDimensionVersion) {
      d.SxfMode = In.U16();
      Block(&d.AuxLine1, sizeof d.AuxLine1);
      Block(&d.AuxLine2, sizeof d.AuxLine2);
      for (TEntJwwPoint* p : {&d.Point1, &d.Point2, &d.AuxPoint1, &d.AuxPoint2}) Point(*p);
      return;
    }
    // Older files have no SXF tail: each part carries the dimension's own attributes.
    d.AuxLine1.Common = d.Common;
    d.AuxLine2.Common = d.Common;
    for (TEntJwwPoint* p : {&d.Point1, &d.Point2, &d.AuxPoint1, &d.AuxPoint2}) {
      p->Common = d.Common;
      p->Common.LineType = 0;
    }
  }

  void Solid(TEntJwwSolid& s) {
    Block(&s, offsetof(TEntJwwSolid, FillColor));
    if (s.Common.Color == kArbitraryColor) In.Raw(&s.FillColor, sizeof s.FillColor);
  }

  // Bytes a record of `newBytes` from version 3.51 on takes in this file.
  size_t RecordBytes(size_t newBytes) const {
    return Version >= kFirstWidthVersion ? newBytes : newBytes - kWidthBytes;
  }

  // The leading bytes of a record, passed over; the common part sits at the same place in
  // old and new layouts up to Color.
  std::string_view SkipBlock(size_t newBytes) { return In.Bytes(RecordBytes(newBytes)); }

  void SkipPoint() {
    const std::string_view head = SkipBlock(offsetof(TEntJwwPoint, Code));
    if (static_cast<uint8_t>(head[offsetof(TEntJwwCommon, LineType)]) == kPointWithCode) {
      In.Skip(sizeof(TEntJwwPoint) - offsetof(TEntJwwPoint, Code));
    }
  }

  void SkipText() {
    SkipBlock(offsetof(TEntJwwText, FontName));
    In.SkipString();
    In.SkipString();
  }

  // Mirrors the reading functions above byte for byte, storing nothing.
  void SkipOne(int kind) {
    switch (kind) {
      case EntityLine:
        SkipBlock(sizeof(TEntJwwLine));
        break;
      case EntityArc:
        SkipBlock(sizeof(TEntJwwArc));
        break;
      case EntityPoint:
        SkipPoint();
        break;
      case EntityText:
        SkipText();
        break;
      case EntityDimension:
        SkipBlock(sizeof(TEntJwwCommon));
        SkipBlock(sizeof(TEntJwwLine));
        SkipText();
        if (Version >= kFirstSxfDimensionVersion) {
          In.Skip(sizeof(uint16_t));
          SkipBlock(sizeof(TEntJwwLine));
          SkipBlock(sizeof(TEntJwwLine));
          for (int i = 0; i < 4; ++i) SkipPoint();
        }
        break;
      case EntitySolid: {
        const std::string_view head = SkipBlock(offsetof(TEntJwwSolid, FillColor));
        uint16_t color = 0;
        std::memcpy(&color, head.data() + offsetof(TEntJwwCommon, Color), sizeof color);
        if (color == kArbitraryColor) In.Skip(sizeof(TEntJwwSolid::FillColor));
        break;
      }
      case EntityInsert:
        SkipBlock(sizeof(TEntJwwBlockInsert));
        break;
      default:
        break;
    }
  }

  // Reads one record straight into a new last entry of its array; a record cut short is
  // removed again, so the arrays keep only complete records.
  void ReadOne(TEntityLists& lists, int kind) {
    switch (kind) {
      case EntityLine:
        Append(lists.EntityOrder, lists.Lines, EntityLine,
               [&](TEntJwwLine& e) { Block(&e, sizeof e); });
        break;
      case EntityArc:
        Append(lists.EntityOrder, lists.Arcs, EntityArc,
               [&](TEntJwwArc& e) { Block(&e, sizeof e); });
        break;
      case EntityPoint:
        Append(lists.EntityOrder, lists.Points, EntityPoint, [&](TEntJwwPoint& e) { Point(e); });
        break;
      case EntityText:
        Append(lists.EntityOrder, lists.Texts, EntityText, [&](TEntJwwText& e) { Text(e); });
        break;
      case EntityDimension:
        Append(lists.EntityOrder, lists.Dimensions, EntityDimension,
               [&](TEntJwwDimension& e) { Dimension(e); });
        break;
      case EntitySolid:
        Append(lists.EntityOrder, lists.Solids, EntitySolid, [&](TEntJwwSolid& e) { Solid(e); });
        break;
      case EntityInsert:
        Append(lists.EntityOrder, lists.Inserts, EntityInsert,
               [&](TEntJwwBlockInsert& e) { Block(&e, sizeof e); });
        break;
      default:
        break;
    }
  }

  template <typename Record, typename Fill>
  static void Append(TRecordArray<TEntJwwOrderEntry>& order, TRecordArray<Record>& array,
                     TEntityKind kind, const Fill& fill) {
    Record& e = array.emplace_back();
    try {
      fill(e);
    } catch (...) {
      array.pop_back();
      throw;
    }
    order.push_back({kind, static_cast<int32_t>(array.size() - 1)});
  }

 private:
  TByteReader& In;
  int32_t Version;
  // Empty for the counting pass, which runs ahead of what is read.
  TConsumedBytes Consumed;
  size_t NextReport = 0;
  std::array<uint32_t, 8> ClassNumbers{};  // by kind; 0 while not introduced
};

void ReadBlockDefinitions(TByteReader& in, TEntityReader& reader, TJwwData& doc) {
  doc.Header.BlockCount = 0;
  uint32_t count = 0;
  try {
    count = in.Count();
  } catch (const TReadError& e) {
    RethrowAt(e, TLoadPlace::BlockDefinitionCount);
  }
  doc.Header.BlockCount = static_cast<int32_t>(count);
  doc.BlockDefs.reserve(std::min<size_t>(count, in.Remaining() / kMinBlockDefBytes));
  for (uint32_t k = 1; k <= count; ++k) {
    TEntJwwBlockDef def;
    try {
      reader.ReadDefinitionHead(def, k);
    } catch (const TReadError& e) {
      RethrowAt(e, TLoadPlace::BlockDefinition, k);
    }
    // A definition whose own fields were read stays, with the entities read completely,
    // even when the file ends among its entities.
    doc.BlockDefs.push_back(std::move(def));
    TEntJwwBlockDef& placed = doc.BlockDefs.back();
    reader.ReadList(placed, static_cast<uint32_t>(placed.Count), k);
  }
}

}  // namespace

void ReadEntitySection(TByteReader& in, TJwwData& doc, const TConsumedBytes& consumed) {
  TEntityReader reader(in, doc.Header.Version, consumed);
  uint32_t count = 0;
  try {
    count = in.Count();
  } catch (const TReadError& e) {
    RethrowAt(e, TLoadPlace::EntityCount);
  }
  doc.Header.EntityCount = static_cast<int32_t>(count);
  reader.ReadList(doc, count, 0);
  ReadBlockDefinitions(in, reader, doc);
  if (doc.Header.Version >= kFirstImageVersion) ReadImageSection(in, doc);
}

}  // namespace pennatran
