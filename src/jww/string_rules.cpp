#include "jww/string_rules.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace pennatran {
namespace {

uint8_t ByteAt(std::string_view s, size_t i) {
  return static_cast<uint8_t>(s[i]);
}

// Whether the reader cleaning keeps every byte of raw, as it does for nearly every text.
bool ReaderKeepsAll(std::string_view raw) {
  for (size_t i = 0; i < raw.size();) {
    const size_t length = CharLength(raw, i);
    const uint8_t b = ByteAt(raw, i);
    if (length == 1 && (IsLeadByte(b) || b < 0x20)) return false;
    i += length;
  }
  return true;
}

}  // namespace

size_t ReaderCleanInto(std::string_view raw, char* out, size_t maxColumns) {
  // A character takes at least as many bytes as columns, so the limit cannot cut raw.
  if (raw.size() <= maxColumns && ReaderKeepsAll(raw)) {
    if (!raw.empty()) std::memcpy(out, raw.data(), raw.size());
    return raw.size();
  }
  size_t stored = 0;
  size_t columns = 0;
  for (size_t i = 0; i < raw.size();) {
    const size_t length = CharLength(raw, i);
    const uint8_t b = ByteAt(raw, i);
    const bool kept = length > 1 || (!IsLeadByte(b) && b >= 0x20);
    if (kept) {
      const size_t width = length > 1 ? 2 : 1;
      if (columns + width > maxColumns) break;
      std::memcpy(out + stored, raw.data() + i, length);
      stored += length;
      columns += width;
    }
    i += length;
  }
  return stored;
}

SjisString ReaderClean(std::string_view raw) {
  SjisString out(raw.size(), '\0');
  out.resize(ReaderCleanInto(raw, out.data(), raw.size()));
  return out;
}

size_t WriterCleanInto(std::string_view raw, char* out) {
  size_t stored = 0;
  for (size_t i = 0; i < raw.size();) {
    const size_t length = CharLength(raw, i);
    const uint8_t b = ByteAt(raw, i);
    if (length > 1 || IsLeadByte(b)) {
      // A trailing lead byte goes alone.
      std::memcpy(out + stored, raw.data() + i, length);
      stored += length;
    } else if (b == '^' && i + 1 < raw.size() && raw[i + 1] == 'm') {
      ++i;
    } else if (b >= 0x20) {
      out[stored++] = static_cast<char>(b);
    }
    i += length;
  }
  if (stored == 0) out[stored++] = ' ';
  return stored;
}

SjisString WriterClean(std::string_view raw) {
  SjisString out(std::max<size_t>(raw.size(), 1), '\0');
  out.resize(WriterCleanInto(raw, out.data()));
  return out;
}

SjisString SettledName(std::string_view name) {
  SjisString out;
  out.reserve(name.size());
  // Whether each kept character is a one-byte "^", so that an "m" can take it back.
  std::vector<bool> caretKept;
  for (size_t i = 0; i < name.size();) {
    const size_t length = CharLength(name, i);
    const uint8_t b = ByteAt(name, i);
    i += length;
    if (length == 1 && (b < 0x20 || IsLeadByte(b))) continue;
    if (length == 1 && b == 'm' && !caretKept.empty() && caretKept.back()) {
      out.pop_back();
      caretKept.pop_back();
      continue;
    }
    out.append(name.substr(i - length, length));
    caretKept.push_back(length == 1 && b == '^');
  }
  return out;
}

bool IsBlankName(std::string_view name) {
  size_t i = 0;
  while (i < name.size()) {
    const uint8_t b = ByteAt(name, i);
    if (b == 0x81 && i + 1 < name.size() && ByteAt(name, i + 1) == 0x40) {
      i += 2;
      continue;
    }
    if (b == 0x20 || b < 0x20) {
      ++i;
      continue;
    }
    return false;
  }
  return true;
}

}  // namespace pennatran
