#include <array>
#include <cstddef>
#include <cstring>
#include <string>

#include "jww/image_files.h"
#include "jww/jww_reader.h"

namespace pennatran {
namespace {

constexpr int32_t kFirstWidthVersion = 351;
constexpr int32_t kFirstSxfDimensionVersion = 420;
constexpr int32_t kFirstImageVersion = 700;
constexpr uint8_t kPointWithCode = 100;
constexpr uint16_t kArbitraryColor = 10;

// Bytes of a common part in front of Width, and of Width itself.
constexpr size_t kCommonHead = 7;
constexpr size_t kWidthBytes = 2;

// The smallest objects the format can hold, used to refuse counts that the bytes left
// could never satisfy before anything is reserved for them: a tag reference and an old
// point; a tag, an old common part, number, referenced flag, time, empty name and count.
constexpr size_t kMinEntityBytes = 2 + 33;
constexpr size_t kMinBlockDefBytes = 2 + 13 + 12 + 1 + 2;

constexpr std::array<const char*, 8> kClassNames = {"",           "CDataSen",  "CDataEnko",
                                                    "CDataTen",   "CDataMoji", "CDataSunpou",
                                                    "CDataSolid", "CDataBlock"};
constexpr std::array<const char*, 8> kKindNames = {"",     "line",      "arc",   "point",
                                                   "text", "dimension", "solid", "block insert"};

int KindOfClassName(const std::string& name) {
  for (int kind = EntityLine; kind <= EntityInsert; ++kind) {
    if (name == kClassNames[kind]) return kind;
  }
  return 0;
}

// Appends context to a read error so that the message says where in the drawing it hit.
[[noreturn]] void Rethrow(const TReadError& e, const std::string& where) {
  throw TReadError(e.Offset, std::string(e.what()) + " " + where);
}

void CheckCount(const TByteReader& in, uint64_t count, size_t minBytes, const char* what) {
  if (count > in.Remaining() / minBytes) {
    throw TReadError(in.Offset(), std::string(what) + " " + std::to_string(count) +
                                      " is more than the rest of the file can hold");
  }
}

class TEntityReader {
 public:
  TEntityReader(TByteReader& in, int32_t version) : In(in), Version(version) {}

  // Reads `count` entities into the arrays and order list of owner (the document or a
  // block definition). `where` names the owner in error messages.
  template <typename Owner>
  void ReadList(Owner& owner, std::vector<TEntJwwOrderEntry>& order, uint32_t count,
                const std::string& where) {
    uint32_t taken = 0;
    while (taken < count) {
      int kind = 0;
      try {
        kind = ReadTag();
      } catch (const TReadError& e) {
        Rethrow(e, "reading the tag of entity " + std::to_string(taken + 1) + where);
      }
      if (kind == 0) continue;  // a class we do not read: only its tag was consumed
      try {
        ReadOne(owner, order, kind);
      } catch (const TReadError& e) {
        Rethrow(e, "inside entity " + std::to_string(taken + 1) + " (" + kKindNames[kind] + ")" +
                       where);
      }
      ++taken;
      In.AdvanceObject();
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
    CheckCount(In, count, kMinEntityBytes, "entity count");
    def.Count = static_cast<int32_t>(count);
    def.Order.reserve(count);
    In.AdvanceObject();
  }

 private:
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
    t.FontName.Assign(In.CleanString());
    t.Content.Assign(In.CleanString());
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

  // Reads one record into a local copy and appends it only once it is complete, so a
  // record cut short leaves the arrays as they were.
  template <typename Owner>
  void ReadOne(Owner& owner, std::vector<TEntJwwOrderEntry>& order, int kind) {
    switch (kind) {
      case EntityLine: {
        TEntJwwLine e{};
        Block(&e, sizeof e);
        Append(order, owner.Lines, e, EntityLine);
        break;
      }
      case EntityArc: {
        TEntJwwArc e{};
        Block(&e, sizeof e);
        Append(order, owner.Arcs, e, EntityArc);
        break;
      }
      case EntityPoint: {
        TEntJwwPoint e{};
        Point(e);
        Append(order, owner.Points, e, EntityPoint);
        break;
      }
      case EntityText: {
        TEntJwwText e{};
        Text(e);
        Append(order, owner.Texts, e, EntityText);
        break;
      }
      case EntityDimension: {
        TEntJwwDimension e{};
        Dimension(e);
        Append(order, owner.Dimensions, e, EntityDimension);
        break;
      }
      case EntitySolid: {
        TEntJwwSolid e{};
        Solid(e);
        Append(order, owner.Solids, e, EntitySolid);
        break;
      }
      case EntityInsert: {
        TEntJwwBlockInsert e{};
        Block(&e, sizeof e);
        Append(order, owner.Inserts, e, EntityInsert);
        break;
      }
      default:
        break;
    }
  }

  template <typename Record>
  static void Append(std::vector<TEntJwwOrderEntry>& order, std::vector<Record>& array,
                     const Record& e, TEntityKind kind) {
    array.push_back(e);
    order.push_back({kind, static_cast<int32_t>(array.size() - 1)});
  }

 private:
  TByteReader& In;
  int32_t Version;
  std::array<uint32_t, 8> ClassNumbers{};  // by kind; 0 while not introduced
};

template <typename Owner>
void ShrinkArrays(Owner& owner) {
  owner.Lines.shrink_to_fit();
  owner.Arcs.shrink_to_fit();
  owner.Points.shrink_to_fit();
  owner.Texts.shrink_to_fit();
  owner.Dimensions.shrink_to_fit();
  owner.Solids.shrink_to_fit();
  owner.Inserts.shrink_to_fit();
}

void ReadBlockDefinitions(TByteReader& in, TEntityReader& reader, TJwwData& doc) {
  doc.Header.BlockCount = 0;
  uint32_t count = 0;
  try {
    count = in.Count();
  } catch (const TReadError& e) {
    Rethrow(e, "reading the block definition count");
  }
  CheckCount(in, count, kMinBlockDefBytes, "block definition count");
  doc.Header.BlockCount = static_cast<int32_t>(count);
  doc.BlockDefs.reserve(count);
  for (uint32_t k = 1; k <= count; ++k) {
    const std::string where = " of block definition " + std::to_string(k);
    TEntJwwBlockDef def;
    try {
      reader.ReadDefinitionHead(def, k);
    } catch (const TReadError& e) {
      Rethrow(e, "inside block definition " + std::to_string(k));
    }
    // A definition whose own fields were read stays, with the entities read completely,
    // even when the file ends among its entities.
    doc.BlockDefs.push_back(std::move(def));
    TEntJwwBlockDef& placed = doc.BlockDefs.back();
    reader.ReadList(placed, placed.Order, static_cast<uint32_t>(placed.Count), where);
    ShrinkArrays(placed);
  }
}

}  // namespace

void ReadEntitySection(TByteReader& in, TJwwData& doc) {
  TEntityReader reader(in, doc.Header.Version);
  uint32_t count = 0;
  try {
    count = in.Count();
  } catch (const TReadError& e) {
    Rethrow(e, "reading the entity count");
  }
  CheckCount(in, count, kMinEntityBytes, "entity count");
  doc.Header.EntityCount = static_cast<int32_t>(count);
  doc.EntityOrder.reserve(count);
  // The top-level arrays are not shrunk: copying them again would cost a second pass over
  // the largest part of the drawing and double the peak memory for that moment, while
  // their unused capacity is never touched and so never resident.
  reader.ReadList(doc, doc.EntityOrder, count, "");
  ReadBlockDefinitions(in, reader, doc);
  if (doc.Header.Version >= kFirstImageVersion) ReadImageSection(in, doc);
}

}  // namespace pennatran
