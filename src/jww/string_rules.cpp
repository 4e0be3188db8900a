#include "jww/string_rules.h"

#include <algorithm>

namespace pennatran {
namespace {

uint8_t ByteAt(std::string_view s, size_t i) {
  return static_cast<uint8_t>(s[i]);
}

}  // namespace

size_t ReaderCleanInto(std::string_view raw, char* out, size_t capacity) {
  size_t stored = 0;
  size_t i = 0;
  while (i < raw.size() && stored < capacity) {
    const uint8_t b = ByteAt(raw, i);
    if (IsLeadByte(b)) {
      if (i + 1 < raw.size()) {
        out[stored++] = raw[i];
        if (stored < capacity) out[stored++] = raw[i + 1];
      }
      i += 2;
      continue;
    }
    if (b >= 0x20) out[stored++] = static_cast<char>(b);
    ++i;
  }
  return stored;
}

SjisString ReaderClean(std::string_view raw) {
  SjisString out(raw.size(), '\0');
  out.resize(ReaderCleanInto(raw, out.data(), out.size()));
  return out;
}

size_t WriterCleanInto(std::string_view raw, char* out) {
  size_t stored = 0;
  size_t i = 0;
  while (i < raw.size()) {
    const uint8_t b = ByteAt(raw, i);
    if (IsLeadByte(b)) {
      out[stored++] = raw[i];  // a trailing lead byte goes alone
      if (i + 1 < raw.size()) out[stored++] = raw[i + 1];
      i += 2;
      continue;
    }
    if (b == '^' && i + 1 < raw.size() && raw[i + 1] == 'm') {
      i += 2;
      continue;
    }
    if (b >= 0x20) out[stored++] = static_cast<char>(b);
    ++i;
  }
  if (stored == 0) out[stored++] = ' ';
  return stored;
}

SjisString WriterClean(std::string_view raw) {
  SjisString out(std::max<size_t>(raw.size(), 1), '\0');
  out.resize(WriterCleanInto(raw, out.data()));
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
