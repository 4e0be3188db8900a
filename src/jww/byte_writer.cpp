#include "jww/byte_writer.h"

#include <array>
#include <string>

#include "jww/text_encoding.h"

namespace pennatran {

namespace {
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

void TByteWriter::Length(uint64_t n) {
  if (n < 255) {
    U8(static_cast<uint8_t>(n));
  } else if (n < 0xFFFE) {
    U8(255);
    U16(static_cast<uint16_t>(n));
  } else {
    if (n > 0xFFFFFFFFu) throw TWriteError("a string longer than 4294967295 units");
    U8(255);
    U16(0xFFFF);
    U32(static_cast<uint32_t>(n));
  }
}

void TByteWriter::String(std::string_view s) {
  if (TwoByteStrings || NeedsTwoByteForm(s)) {
    const std::u16string units = ToUtf16(s);
    U8(255);
    U16(0xFFFE);
    Length(units.size());
    for (const char16_t unit : units) U16(static_cast<uint16_t>(unit));
    return;
  }
  if (s.find('\xFD') != std::string_view::npos) {
    const std::string bytes = ToOneByteForm(s);
    Length(bytes.size());
    Raw(bytes.data(), bytes.size());
    return;
  }
  Length(s.size());
  Raw(s.data(), s.size());
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
