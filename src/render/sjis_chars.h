// The Shift-JIS character rule of the text drawers: a byte 0x80..0x9F or 0xE0..0xFD begins
// a two-byte (full-width, two columns) character; every other byte is a one-byte character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pennatran {

constexpr bool IsSjisLeadByte(uint8_t b) {
  return (b >= 0x80 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFD);
}
constexpr bool IsSjisLeadByte(char c) {
  return IsSjisLeadByte(static_cast<uint8_t>(c));
}

// Byte length of the character that begins at byte i: 2 for a lead byte with a byte after
// it, else 1 (a lead byte that ends the string stands alone). i must be below s.size().
size_t SjisCharLength(std::string_view s, size_t i);

// Number of characters; a lead byte that is the last byte counts as one character.
int32_t CharCount(std::string_view s);
// The i-th character (0-based, one or two bytes); empty when i is out of range.
std::string_view CharAt(std::string_view s, int32_t i);
// Half-width columns: 2 per two-byte character, 1 per one-byte character.
int32_t ColumnCount(std::string_view s);

}  // namespace pennatran
