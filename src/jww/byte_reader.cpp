#include "jww/byte_reader.h"

#include <cstring>

#include "jww/string_rules.h"

namespace pennatran {
namespace {

constexpr uint16_t kLongClassTag = 0x7FFF;
constexpr uint16_t kLongCountMarker = 0xFFFF;

}  // namespace

void TByteReader::FailAtEnd() const {
  throw TReadError(Position, "end of file");
}

SjisString TByteReader::RawString() {
  return SjisString(Bytes(StringLength()));
}

SjisString TByteReader::CleanString() {
  return ReaderClean(Bytes(StringLength()));
}

void TByteReader::CleanShortString(TShortString& out) {
  const std::string_view raw = Bytes(StringLength());
  const size_t stored = ReaderCleanInto(raw, out.Data, sizeof out.Data);
  std::memset(out.Data + stored, 0, sizeof out.Data - stored);
  out.Length = static_cast<uint8_t>(stored);
}

uint32_t TByteReader::Count() {
  const uint16_t shortCount = U16();
  return shortCount == kLongCountMarker ? U32() : shortCount;
}

TClassTag TByteReader::TagOtherThanShortReference(uint16_t word) {
  TClassTag tag;
  if (word == kNewClassTag) {
    U16();  // schema number, not used
    const uint16_t nameLength = U16();
    tag.IsNew = true;
    tag.Name = Bytes(nameLength);
    tag.Number = ObjectCounter++;
  } else if (word == kLongClassTag) {
    tag.Number = U32() & 0x7FFFFFFFu;
  }
  return tag;
}

}  // namespace pennatran
