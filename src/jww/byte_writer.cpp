#include "jww/byte_writer.h"

#include <array>

namespace pennatran {

namespace {
constexpr size_t kStringPiece = 256;
constexpr uint32_t kLongCountMarker = 0xFFFF;
constexpr uint32_t kLargestShortReference = 32766;
}  // namespace

void TByteWriter::Zeros(size_t size) {
  static constexpr std::array<char, 64> kZeros{};
  while (size > 0) {
    size_t piece = size < kZeros.size() ? size : kZeros.size();
    Raw(kZeros.data(), piece);
    size -= piece;
  }
}

void TByteWriter::String(std::string_view s) {
  if (s.size() > 0xFFFF) throw TWriteError("a string longer than 65535 bytes");
  if (s.size() < 255) {
    U8(static_cast<uint8_t>(s.size()));
    Raw(s.data(), s.size());
    return;
  }
  U8(255);
  U16(static_cast<uint16_t>(s.size()));
  // The long form goes out in whole 256-byte pieces and one final remainder, the same
  // pieces the reader takes.
  for (size_t at = 0; at < s.size(); at += kStringPiece) {
    Raw(s.data() + at, s.size() - at < kStringPiece ? s.size() - at : kStringPiece);
  }
}

void TByteWriter::Count(uint32_t n) {
  if (n < kLongCountMarker) {
    U16(static_cast<uint16_t>(n));
    return;
  }
  U16(static_cast<uint16_t>(kLongCountMarker));
  U32(n);
}

uint32_t TByteWriter::NewClass(std::string_view name) {
  if (name.size() > 0xFFFF) throw TWriteError("a class name longer than 65535 bytes");
  U16(0xFFFF);
  U16(Schema);
  U16(static_cast<uint16_t>(name.size()));
  Raw(name.data(), name.size());
  return NextObject++;
}

void TByteWriter::ClassRef(uint32_t number) {
  if (number <= kLargestShortReference) {
    U16(static_cast<uint16_t>(0x8000 + number));
    return;
  }
  U16(0x7FFF);
  U32(number | 0x80000000u);
}

}  // namespace pennatran
