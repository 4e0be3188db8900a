// Byte-level builder of test drawings of any version from 2.20 to 7.00. It writes what the
// file format holds, field by field, without the writer's normalisation, so tests can
// build exactly the bytes they need: every version gate of the header and entity layouts,
// every tag form, and deliberately broken files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "jww/jww_data.h"

namespace pennatran::testing {

// How references to classes already introduced are written.
enum class TTagForm {
  Short,  // hex 8000 + number
  Long,   // hex 7FFF, u32 number with its top bit set
};

class TJwwBuilder {
 public:
  // The version is written into the header and decides every layout gate.
  explicit TJwwBuilder(int32_t version = 700) : FileVersion(version) {}

  int32_t Version() const { return FileVersion; }
  const std::vector<uint8_t>& Bytes() const { return Data; }
  size_t Size() const { return Data.size(); }
  // Writes Bytes() to a file; returns false when it cannot.
  bool WriteTo(const std::filesystem::path& path) const;

  // Raw values, little-endian.
  TJwwBuilder& U8(uint8_t v);
  TJwwBuilder& U16(uint16_t v);
  TJwwBuilder& U32(uint32_t v);
  TJwwBuilder& I32(int32_t v);
  TJwwBuilder& F64(double v);
  TJwwBuilder& Raw(std::string_view bytes);
  TJwwBuilder& Raw(const void* bytes, size_t n);
  // A length-prefixed string: u8 length, or 255 + u16 length for 255 bytes and more, or
  // 255, hex FFFF and a u32 length from hex FFFE bytes on. In the two-byte form: 255, hex
  // FFFE, then the length of its UTF-16 form the same way and its UTF-16LE units.
  TJwwBuilder& String(std::string_view s);
  // Whether String writes the two-byte form from now on.
  TJwwBuilder& SetTwoByteStrings(bool twoByte) {
    TwoByte = twoByte;
    return *this;
  }
  // An element count: u16, or hex FFFF + u32 from 65535 (or always, when forceLong).
  TJwwBuilder& Count(uint32_t n, bool forceLong = false);

  // The whole header in this builder's version layout, from doc's header and tables
  // (missing tables are written as zeros). The eleventh switch is written as
  // DisplayOnlyNoPrint + 10 * WidthUnitMode.
  TJwwBuilder& Header(const TJwwData& doc);
  // A header with Clear's defaults.
  TJwwBuilder& Header();

  // Class tags. Tag writes a new class the first time a name is used and a reference
  // (in the current tag form) afterwards; NewClass always introduces one. Both keep the
  // object counter as the format does.
  TJwwBuilder& Tag(const std::string& className);
  TJwwBuilder& NewClass(const std::string& className, uint16_t schema = 0);
  TJwwBuilder& ShortRef(uint32_t number);
  TJwwBuilder& LongRef(uint32_t number);
  TJwwBuilder& SetTagForm(TTagForm form) {
    Form = form;
    return *this;
  }
  // Counts one object without writing anything (after a hand-written object).
  TJwwBuilder& SkipObject() {
    ++ObjectCounter;
    return *this;
  }
  uint32_t NextObjectNumber() const { return ObjectCounter; }
  // The object number a class took, 0 when not introduced yet.
  uint32_t ClassNumber(const std::string& className) const;

  // Entity records in this version's layout, without and with their class tag. The
  // tagged forms also count the object.
  TJwwBuilder& LineRecord(const TEntJwwLine& e);
  TJwwBuilder& ArcRecord(const TEntJwwArc& e);
  TJwwBuilder& PointRecord(const TEntJwwPoint& e);
  TJwwBuilder& TextRecord(const TEntJwwText& e);
  TJwwBuilder& DimensionRecord(const TEntJwwDimension& e);
  TJwwBuilder& SolidRecord(const TEntJwwSolid& e);
  TJwwBuilder& InsertRecord(const TEntJwwBlockInsert& e);
  TJwwBuilder& AddLine(const TEntJwwLine& e);
  TJwwBuilder& AddArc(const TEntJwwArc& e);
  TJwwBuilder& AddPoint(const TEntJwwPoint& e);
  TJwwBuilder& AddText(const TEntJwwText& e);
  TJwwBuilder& AddDimension(const TEntJwwDimension& e);
  TJwwBuilder& AddSolid(const TEntJwwSolid& e);
  TJwwBuilder& AddInsert(const TEntJwwBlockInsert& e);
  // One entity of a document's or a definition's arrays, chosen by an order entry.
  TJwwBuilder& AddEntity(const TEntityLists& lists, const TEntJwwOrderEntry& entry);

  // The "CDataList" tag and a block definition's fields up to its entity count; the
  // entities follow with Add*. With extendedTime, Time must be negative and 8 bytes of
  // extended time follow it. Counts the definition as one object.
  TJwwBuilder& BlockDefHeader(const TEntJwwBlockDef& def, uint32_t entityCount,
                              bool extendedTime = false);
  // BlockDefHeader with the definition's entity count, then its entities in its EntityOrder
  // (or, when that is empty, all its arrays kind by kind).
  TJwwBuilder& AddBlockDef(const TEntJwwBlockDef& def);

  // The entity count, the entities in EntityOrder (or kind by kind when it is empty), the
  // block definition count and the definitions: the entity section of doc.
  TJwwBuilder& EntitySection(const TJwwData& doc);

  // The image section: count, then per image its name, size and bytes.
  struct TImage {
    std::string Name;
    std::string Content;
  };
  TJwwBuilder& Images(const std::vector<TImage>& images);
  // One image entry whose announced size may differ from the bytes that follow.
  TJwwBuilder& ImageEntry(std::string_view name, uint32_t size, std::string_view content);

  // Header, entity section and, from version 700, an empty image section.
  static std::vector<uint8_t> Drawing(const TJwwData& doc, int32_t version = 700,
                                      bool twoByteStrings = false);

 private:
  TJwwBuilder& Common(const TEntJwwCommon& c);
  TJwwBuilder& Length(size_t n);
  TJwwBuilder& TextFixed(const TEntJwwText& t);
  TJwwBuilder& PointBody(const TEntJwwPoint& p);
  TJwwBuilder& Tagged(const std::string& className);
  bool Old() const { return FileVersion < 351; }
  TJwwBuilder& AddAll(const TEntityLists& lists);

  int32_t FileVersion;
  std::vector<uint8_t> Data;
  std::map<std::string, uint32_t> Classes;
  uint32_t ObjectCounter = 1;
  TTagForm Form = TTagForm::Short;
  bool TwoByte = false;
};

// Record makers with plain defaults (line type 1, colour 1, layer 0 of group 0).
TEntJwwCommon MakeCommon(uint8_t lineType = 1, uint16_t color = 1, uint16_t layer = 0,
                         uint16_t layerGroup = 0, uint16_t width = 0);
TEntJwwLine MakeLine(double x1, double y1, double x2, double y2,
                     const TEntJwwCommon& c = MakeCommon());
TEntJwwArc MakeArc(double cx, double cy, double radius, const TEntJwwCommon& c = MakeCommon());
TEntJwwPoint MakePoint(double x, double y, const TEntJwwCommon& c = MakeCommon());
TEntJwwText MakeText(double x, double y, std::string_view content,
                     const TEntJwwCommon& c = MakeCommon());
TEntJwwDimension MakeDimension(double x1, double y1, double x2, double y2, std::string_view value,
                               const TEntJwwCommon& c = MakeCommon());
TEntJwwSolid MakeSolid(double x0, double y0, double size, const TEntJwwCommon& c = MakeCommon());
TEntJwwBlockInsert MakeInsert(uint32_t blockNumber, double x, double y, double scaleX = 1,
                              double scaleY = 1, double rotation = 0,
                              const TEntJwwCommon& c = MakeCommon());
TEntJwwBlockDef MakeBlockDef(uint32_t number, std::string_view name);

// Appends an entity to a document or a definition and records it in the file order.
template <typename Record>
void Append(TEntityLists& lists, const Record& e) {
  lists.Append(e);
}

// A document with the header tables sized and a few distinctive values, ready to be built.
TJwwData SampleDocument();

}  // namespace pennatran::testing
