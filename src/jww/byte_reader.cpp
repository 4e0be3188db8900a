#include "jww/byte_reader.h"

#include <cstring>
#include <utility>

#include "jww/string_rules.h"

namespace pennatran {
namespace {

constexpr uint16_t kLongClassTag = 0x7FFF;
constexpr uint16_t kLongCountMarker = 0xFFFF;
// Strings shorter than this clean into a buffer on the stack before they are stored.
constexpr size_t kCleanedOnStack = 256;

}  // namespace

void RethrowAt(const TReadError& e, TLoadPlace place, uint32_t index, int32_t entityKind,
               uint32_t blockDefinition) {
  TLoadError error = e.Error;
  error.Place = place;
  error.Index = index;
  error.EntityKind = entityKind;
  error.BlockDefinition = blockDefinition;
  throw TReadError(std::move(error));
}

void TByteReader::FailAtEnd() const {
  throw TReadError(LoadErrorAt(TLoadFailure::CutShort, Position));
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
  // Checked here, before ByteLength doubles it: where size_t has 32 bits, twice a u32
  // length could wrap round to a length that the bytes left seem to hold.
  if (head.TwoByte && head.Length > Remaining() / 2) FailAtEnd();
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
  SjisString converted;
  std::string_view text;
  if (head.TwoByte) {
    converted = StringBody(head);
    text = converted;
  } else {
    LastTwoByte = false;
    text = Bytes(head.Length);
    if (text.find('\xFD') != std::string_view::npos) {
      converted = FromOneByteForm(text);
      text = converted;
    }
  }
  if (text.size() <= TShortString::kInRecord) {
    // Nearly every text: cleaning only shortens it, so it cleans straight into the record.
    const size_t stored = ReaderCleanInto(text, out.Data, text.size());
    std::memset(out.Data + stored, 0, sizeof out.Data - stored);
    out.Length = static_cast<uint8_t>(stored);
    return;
  }
  if (text.size() < kCleanedOnStack) {
    char cleaned[kCleanedOnStack];
    out.Assign({cleaned, ReaderCleanInto(text, cleaned, text.size())}, Store);
    return;
  }
  out.Assign(ReaderClean(text), Store);
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
