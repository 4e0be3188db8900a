// How the program holds text, and every conversion of it.
//
// A drawing stores each string either as Shift-JIS bytes (Windows code page 932) or as
// UTF-16. In memory both are one kind of byte string: Shift-JIS, where a character that
// code page 932 lacks (or a lone UTF-16 surrogate) is kept as a four-byte escape
//   FD, x, y, z   with x in 01..1F and y, z in 40..FF,
// which the character rule takes as one full-width character. So a two-byte string whose
// characters all have an exact code page 932 form is byte for byte its Shift-JIS twin, and
// every rule that measures, cuts or draws text treats both forms alike. A one-byte string
// keeps its bytes; the one byte pair that would read as an escape (FD followed by a byte
// 01..1F) is itself held as an escape and written back as the same two bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pennatran {

// Shift-JIS bytes with the escapes above; any length.
using SjisString = std::string;

// True for a lead byte (hex 80..9F, E0..FD): it and the next byte form one character.
constexpr bool IsLeadByte(uint8_t b) {
  return (b >= 0x80 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFD);
}
constexpr bool IsLeadByte(char c) {
  return IsLeadByte(static_cast<uint8_t>(c));
}

// Byte length of the character that begins at byte i (below s.size()): 4 for an escape,
// 2 for a lead byte with a byte after it, else 1 (a lead byte that ends the string stands
// alone).
inline size_t CharLength(std::string_view s, size_t i) {
  const auto b = static_cast<uint8_t>(s[i]);
  if (!IsLeadByte(b) || i + 1 >= s.size()) return 1;
  if (b == 0xFD && i + 3 < s.size()) {
    const auto x = static_cast<uint8_t>(s[i + 1]);
    if (x >= 0x01 && x <= 0x1F) return 4;
  }
  return 2;
}
// Half-width columns of that character: 2 for a full-width one (an escape included), else 1.
inline size_t CharColumns(std::string_view s, size_t i) {
  return CharLength(s, i) >= 2 ? 2 : 1;
}

// Number of characters.
int32_t CharCount(std::string_view s);
// The i-th character (0-based); empty when i is out of range.
std::string_view CharAt(std::string_view s, int32_t i);
// Half-width columns: 2 per full-width character, 1 per one-byte character. This is also
// the length of the string's Shift-JIS form, a character without one counting two.
int32_t ColumnCount(std::string_view s);
// The byte length of the longest prefix of whole characters whose Shift-JIS form takes at
// most maxColumns bytes.
size_t PrefixWithinColumns(std::string_view s, size_t maxColumns);

// The byte length of the longest prefix of whole characters of at most maxBytes bytes.
size_t PrefixWithinBytes(std::string_view s, size_t maxBytes);

// True when s holds a character that only the two-byte form can store.
bool NeedsTwoByteForm(std::string_view s);

// The in-memory form of a one-byte string read from a file (its bytes, with the escape-like
// pairs held as escapes), and back.
SjisString FromOneByteForm(std::string_view bytes);
std::string ToOneByteForm(std::string_view s);

// The in-memory form of a two-byte string (UTF-16LE bytes; an odd last byte is ignored),
// and back as UTF-16 code units. Bytes without a character become U+FFFD.
SjisString FromUtf16Le(std::string_view bytes);
std::u16string ToUtf16(std::string_view s);

// UTF-8 for display, JSON and file names: a byte sequence without a character becomes
// U+FFFD, one per character of the character rule; a lone surrogate too.
std::string SjisToUtf8(std::string_view s);
// From UTF-8 (invalid sequences become U+FFFD); no character is lost.
SjisString Utf8ToSjis(std::string_view utf8);

}  // namespace pennatran
