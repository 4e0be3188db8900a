#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>

#include "jww/format_versions.h"
#include "jww/image_files.h"
#include "jww/jww_reader.h"
#include "jww/large_pages.h"
#include "jww/record_tables.h"
#include "jww/untouched_memory.h"

namespace pennatran {
namespace {

// Bytes of a common part in front of Width, and of Width itself.
constexpr size_t kCommonHead = offsetof(TEntJwwCommon, Width);
constexpr size_t kWidthBytes = sizeof(TEntJwwCommon::Width);

// The smallest block definition the format can hold: a tag, an old common part, number,
// referenced flag, time, empty name and count. A count is only a claim: room is reserved
// for no more definitions than the bytes left could hold, and reading stops at the cut.
constexpr size_t kMinBlockDefBytes = 2 + 13 + 12 + 1 + 2;

// The shortest class tag (a reference to a class met before) and the shortest string.
constexpr size_t kTagBytes = 2;
constexpr size_t kEmptyStringBytes = 1;
// Lists of up to this many entities are counted before they are read: the pass costs
// little there, and room for the most records would be out of all proportion to them.
constexpr uint32_t kCountedListMost = 4096;

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

  // Gives every array room for the whole list before the records are read: growing the
  // arrays instead would copy every record again and, for a moment, hold two copies of the
  // largest arrays. A long list takes room for the most records of each kind the bytes left
  // could hold, where room not written costs nothing; otherwise, and for a short list, a
  // first pass counts each kind without storing anything.
  void ReserveForList(TEntityLists& lists, uint32_t count) {
    if (count > kCountedListMost && UntouchedMemoryIsFree()) {
      try {
        ReserveForMost(lists, count);
        return;
      } catch (const std::bad_alloc&) {
        // Room for the most is more than the system gives: count, and take exactly that.
      }
    }
    TByteReader scoutIn = In;
    TEntityReader scout(scoutIn, Version);
    scout.ClassNumbers = ClassNumbers;
    const std::array<size_t, 8> kinds = scout.CountKinds(lists, count);
    ForEachList(lists, [&](auto& list, TEntityKind kind) { ReserveRecords(list, kinds[kind]); });
    ReserveRecords(lists.EntityOrder, kinds[0]);
  }

  void ReserveForMost(TEntityLists& lists, uint32_t count) {
    const size_t left = In.Remaining();
    size_t fewest = SIZE_MAX;
    ForEachList(lists, [&](auto& list, TEntityKind) {
      using Record = typename std::decay_t<decltype(list)>::value_type;
      const size_t bytes = kTagBytes + FewestBytes<Record>();
      fewest = std::min(fewest, bytes);
      ReserveRecords(list, std::min<size_t>(count, left / bytes));
    });
    ReserveRecords(lists.EntityOrder, std::min<size_t>(count, left / fewest));
  }

  // The fewest bytes a record takes in this file: each string empty, no optional tail.
  template <LaidOutRecord Record>
  size_t FewestBytes() const {
    constexpr TRecordLayout layout = TRecordFields<Record>::kLayout;
    size_t bytes = RecordBytes(layout.Head);
    if constexpr (layout.Tail == TRecordTail::Parts) {
      ForEachFieldFrom<Record, layout.FirstPart>([&](const auto& field) {
        using Part = typename std::decay_t<decltype(field)>::TValue;
        if (!field.Gate.Holds(Version)) return;
        if constexpr (std::is_same_v<Part, TShortString>)
          bytes += kEmptyStringBytes;
        else if constexpr (LaidOutRecord<Part>)
          bytes += FewestBytes<Part>();
        else
          bytes += sizeof(Part);
      });
    }
    return bytes;
  }

  // How many records of each kind the next `count` entities hold (index 0: all of them),
  // up to the first one that cannot be read completely.
  std::array<size_t, 8> CountKinds(const TEntityLists& lists, uint32_t count) {
    std::array<size_t, 8> kinds{};
    try {
      while (kinds[0] < count) {
        const int kind = ReadTag();
        if (kind == 0) continue;
        SkipOne(lists, kind);
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

  // Reads `newBytes` bytes of a record (its layout from kFirstWidthVersion on) straight
  // into place; older files lack the 2-byte Width, which is left 0.
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

  // One record as its table lays it out.
  template <LaidOutRecord Record>
  void Read(Record& e) {
    constexpr TRecordLayout layout = TRecordFields<Record>::kLayout;
    Block(&e, layout.Head);
    if constexpr (layout.Tail == TRecordTail::Parts) {
      ForEachFieldFrom<Record, layout.FirstPart>([&](const auto& field) {
        if (field.Gate.Holds(Version)) ReadPart(e, field);
      });
      if constexpr (std::is_same_v<Record, TEntJwwDimension>) {
        if (!kSxfDimensionGate.Holds(Version)) TakeDimensionAttributes(e);
      }
    } else if (RestFollows(layout.Tail, e.Common)) {
      In.Raw(reinterpret_cast<uint8_t*>(&e) + layout.Head, sizeof e - layout.Head);
    }
  }
  // A part of a packed record: a number is assigned, never bound to a reference.
  template <typename Record, typename Part>
  void ReadPart(Record& e, const TField<Record, Part>& field) {
    if constexpr (std::is_same_v<Part, TShortString>) {
      In.CleanShortString(e.*field.Pointer);
    } else if constexpr (LaidOutRecord<Part>) {
      Read(e.*field.Pointer);
    } else {
      static_assert(std::is_same_v<Part, uint16_t>, "a part of a record is read in its own form");
      StoreField(e, field.Pointer, In.U16());
    }
  }

  // Older files have no SXF tail: each part carries the dimension's own attributes.
  static void TakeDimensionAttributes(TEntJwwDimension& d) {
    d.AuxLine1.Common = d.Common;
    d.AuxLine2.Common = d.Common;
    for (TEntJwwPoint* p : {&d.Point1, &d.Point2, &d.AuxPoint1, &d.AuxPoint2}) {
      p->Common = d.Common;
      p->Common.LineType = 0;
    }
  }

  // The same bytes as Read takes, passed over and stored nowhere. The common part sits at
  // the same place in old and new layouts up to its Width.
  template <LaidOutRecord Record>
  void Skip() {
    constexpr TRecordLayout layout = TRecordFields<Record>::kLayout;
    const std::string_view head = In.Bytes(RecordBytes(layout.Head));
    if constexpr (layout.Tail == TRecordTail::Parts) {
      ForEachFieldFrom<Record, layout.FirstPart>([&](const auto& field) {
        if (field.Gate.Holds(Version)) SkipPart<typename std::decay_t<decltype(field)>::TValue>();
      });
    } else if constexpr (layout.Tail != TRecordTail::None) {
      TEntJwwCommon common{};
      std::memcpy(&common, head.data(), kCommonHead);
      if (RestFollows(layout.Tail, common)) In.Skip(sizeof(Record) - layout.Head);
    }
  }
  template <typename Part>
  void SkipPart() {
    if constexpr (std::is_same_v<Part, TShortString>)
      In.SkipString();
    else if constexpr (LaidOutRecord<Part>)
      Skip<Part>();
    else
      In.Skip(sizeof(Part));
  }

  // Bytes a record of `newBytes` from version 3.51 on takes in this file.
  size_t RecordBytes(size_t newBytes) const {
    return Version >= kFirstWidthVersion ? newBytes : newBytes - kWidthBytes;
  }

  // The lists only name the record type of each kind; nothing is stored in them.
  void SkipOne(const TEntityLists& lists, int kind) {
    ForEachList(lists, [&](const auto& list, TEntityKind listKind) {
      if (listKind == kind) Skip<typename std::decay_t<decltype(list)>::value_type>();
    });
  }

  // Reads one record straight into a new last entry of its array; a record cut short is
  // removed again, so the arrays keep only complete records.
  void ReadOne(TEntityLists& lists, int kind) {
    ForEachList(lists, [&](auto& list, TEntityKind listKind) {
      if (listKind == kind) Append(lists.EntityOrder, list, listKind, [&](auto& e) { Read(e); });
    });
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
