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
  return Load<uint8_t>();
}

uint16_t TByteReader::U16() {
  return Load<uint16_t>();
}

uint32_t TByteReader::U32() {
  return Load<uint32_t>();
}

int32_t TByteReader::I32() {
  return Load<int32_t>();
}

double TByteReader::F64() {
  return Load<double>();
}

size_t TByteReader::StringLength() {
  const size_t length = U8();
  return length == kLongStringMarker ? U16() : length;
}

SjisString TByteReader::RawString() {
  return SjisString(Bytes(StringLength()));
}

SjisString TByteReader::CleanString() {
  return ReaderClean(Bytes(StringLength()));
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
