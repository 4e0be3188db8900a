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

TByteReader::TStringHead TByteReader::StringHead() {
  constexpr size_t kLongStringMarker = 255;
  constexpr uint16_t kTwoByteMarker = 0xFFFE;
  constexpr uint16_t kLongLengthMarker = 0xFFFF;
  TStringHead head;
  head.Length = U8();
  if (head.Length < kLongStringMarker) return head;
  uint16_t word = U16();
  if (word == kTwoByteMarker) {
    head.TwoByte = true;
    head.Length = U8();
    if (head.Length < kLongStringMarker) return head;
    word = U16();
  }
  head.Length = word == kLongLengthMarker ? U32() : word;
  return head;
}

SjisString TByteReader::StringBody(const TStringHead& head) {
  LastTwoByte = head.TwoByte;
  const std::string_view bytes = Bytes(head.ByteLength());
  return head.TwoByte ? FromUtf16Le(bytes) : FromOneByteForm(bytes);
}

SjisString TByteReader::RawString() {
  return StringBody(StringHead());
}

SjisString TByteReader::CleanString() {
  return ReaderClean(StringBody(StringHead()));
}

void TByteReader::CleanShortString(TShortString& out) {
  const TStringHead head = StringHead();
  size_t stored = 0;
  if (!head.TwoByte && head.Length <= TShortString::kMaxColumns) {
    // Nearly every text: its bytes are short and one-byte, and clean straight into place.
    LastTwoByte = false;
    const std::string_view raw = Bytes(head.Length);
    if (raw.find('\xFD') == std::string_view::npos) {
      stored = ReaderCleanInto(raw, out.Data, TShortString::kMaxColumns);
    } else {
      stored = ReaderCleanInto(FromOneByteForm(raw), out.Data, TShortString::kMaxColumns);
    }
  } else {
    stored = ReaderCleanInto(StringBody(head), out.Data, TShortString::kMaxColumns);
  }
  std::memset(out.Data + stored, 0, sizeof out.Data - stored);
  out.Length = static_cast<uint16_t>(stored);
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
