// The three rules every stored or written name goes through: how the reader cleans a
// string, how the writer cleans one, and when a name counts as blank.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "jww/jww_types.h"

namespace pennatran {

// True for a Shift-JIS lead byte (hex 80..9F, E0..FD): it and the next byte form one
// two-byte character.
constexpr bool IsLeadByte(uint8_t byte) {
  return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFD);
}

// Reader cleaning: keeps two-byte characters whole, drops a lead byte that ends the
// string and every one-byte character below hex 20.
SjisString ReaderClean(std::string_view raw);
// The same into a buffer of `capacity` bytes: stores the first bytes of the cleaned
// string, as many as fit, and returns how many were stored.
size_t ReaderCleanInto(std::string_view raw, char* out, size_t capacity);

// Writer cleaning: like the reader's, but a trailing lead byte is kept, "^m" outside a
// two-byte character is dropped, and an empty result becomes a single space.
SjisString WriterClean(std::string_view raw);
// The same into a buffer with room for max(raw.size(), 1) bytes; returns the bytes stored.
size_t WriterCleanInto(std::string_view raw, char* out);

// True when nothing remains after removing half-width spaces, full-width spaces (81 40)
// and bytes below hex 20.
bool IsBlankName(std::string_view name);

}  // namespace pennatran
