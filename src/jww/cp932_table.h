// Code page 932 as a pair of tables, made once from the platform's text library. The only
// place the core asks that library about Shift-JIS.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace pennatran {

struct TCp932Table {
  static constexpr char16_t kNone = 0xFFFF;
  // The character of each code: a single byte, or lead byte × 256 + trail byte. kNone
  // where code page 932 has none.
  std::vector<char16_t> Decode = std::vector<char16_t>(0x10000, kNone);
  // The code of each UTF-16 unit whose round trip through the code page is exact (no
  // fallback mapping); kNone otherwise. A code below 256 is one byte.
  std::vector<uint16_t> Encode = std::vector<uint16_t>(0x10000, kNone);
};

// Built on first use; the bytes 1A, 1C and 7F map to themselves both ways.
const TCp932Table& Cp932Table();

}  // namespace pennatran
