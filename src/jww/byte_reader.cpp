#include "jww/byte_reader.h"

#include <cstring>

#include "jww/string_rules.h"

namespace pennatran {
namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kLongClassTag = 0x7FFF;
constexpr uint16_t kClassFlag = 0x8000;
constexpr uint16_t kLongStringMarker = 255;
constexpr uint16_t kLongCountMarker = 0xFFFF;

}  // namespace

void TByteReader::Require(size_t n) const {
  if (n > Remaining()) {
    throw TReadError(Position, "end of file");
  }
}

void TByteReader::Raw(void* dest, size_t n) {
  Require(n);
  if (n > 0) std::memcpy(dest, Data + Position, n);
  Position += n;
}

std::string_view TByteReader::Bytes(size_t n) {
  Require(n);
  std::string_view view(reinterpret_cast<const char*>(Data) + Position, n);
  Position += n;
  return view;
}

uint8_t TByteReader::U8() {
  uint8_t v;
  Raw(&v, sizeof v);
  return v;
}

uint16_t TByteReader::U16() {
  uint16_t v;
  Raw(&v, sizeof v);
  return v;
}

uint32_t TByteReader::U32() {
  uint32_t v;
  Raw(&v, sizeof v);
  return v;
}

int32_t TByteReader::I32() {
  int32_t v;
  Raw(&v, sizeof v);
  return v;
}

double TByteReader::F64() {
  double v;
  Raw(&v, sizeof v);
  return v;
}

SjisString TByteReader::RawString() {
  size_t length = U8();
  if (length == kLongStringMarker) length = U16();
  return SjisString(Bytes(length));
}

SjisString TByteReader::CleanString() {
  size_t length = U8();
  if (length == kLongStringMarker) length = U16();
  return ReaderClean(Bytes(length));
}

uint32_t TByteReader::Count() {
  const uint16_t shortCount = U16();
  return shortCount == kLongCountMarker ? U32() : shortCount;
}

TClassTag TByteReader::Tag() {
  TClassTag tag;
  const uint16_t word = U16();
  if (word == kNewClassTag) {
    U16();  // schema number, not used
    const uint16_t nameLength = U16();
    tag.IsNew = true;
    tag.Name = std::string(Bytes(nameLength));
    tag.Number = ObjectCounter++;
  } else if (word == kLongClassTag) {
    tag.Number = U32() & 0x7FFFFFFFu;
  } else if (word & kClassFlag) {
    tag.Number = word - kClassFlag;
  }
  return tag;
}

}  // namespace pennatran
