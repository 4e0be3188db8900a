// The three rules every stored or written name goes through: how the reader cleans a
// string, how the writer cleans one, and when a name counts as blank.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "jww/jww_types.h"
#include "jww/text_encoding.h"

namespace pennatran {

// Reader cleaning: keeps two-byte characters whole, drops a lead byte that ends the
// string and every one-byte character below hex 20.
SjisString ReaderClean(std::string_view raw);
// The same into a buffer: stores the longest prefix of whole characters of the cleaned
// string whose Shift-JIS form takes at most maxColumns bytes, and returns the bytes stored
// (up to 2 x maxColumns).
size_t ReaderCleanInto(std::string_view raw, char* out, size_t maxColumns);

// Writer cleaning: like the reader's, but a trailing lead byte is kept, "^m" outside a
// two-byte character is dropped, and an empty result becomes a single space.
SjisString WriterClean(std::string_view raw);
// The same into a buffer with room for max(raw.size(), 1) bytes; returns the bytes stored.
size_t WriterCleanInto(std::string_view raw, char* out);

// What saving and loading again and again leave of a name, in one pass: control characters,
// a lead byte that ends it and every "^m" outside a two-byte character are gone, including
// the ones that only meet once an inner pair is gone ("^^mm" leaves nothing). Blank names
// are left as they are: the writer fills those in.
SjisString SettledName(std::string_view name);

// True when nothing remains after removing half-width spaces, full-width spaces (81 40)
// and bytes below hex 20.
bool IsBlankName(std::string_view name);

}  // namespace pennatran
