#include "jww/string_rules.h"

namespace pennatran {
namespace {

uint8_t ByteAt(std::string_view s, size_t i) {
  return static_cast<uint8_t>(s[i]);
}

}  // namespace

SjisString ReaderClean(std::string_view raw) {
  SjisString out;
  out.reserve(raw.size());
  size_t i = 0;
  while (i < raw.size()) {
    const uint8_t b = ByteAt(raw, i);
    if (IsLeadByte(b)) {
      if (i + 1 < raw.size()) out.append(raw.substr(i, 2));
      i += 2;
      continue;
    }
    if (b >= 0x20) out.push_back(static_cast<char>(b));
    ++i;
  }
  return out;
}

SjisString WriterClean(std::string_view raw) {
  SjisString out;
  out.reserve(raw.size());
  size_t i = 0;
  while (i < raw.size()) {
    const uint8_t b = ByteAt(raw, i);
    if (IsLeadByte(b)) {
      out.append(raw.substr(i, 2));  // a trailing lead byte goes alone
      i += 2;
      continue;
    }
    if (b == '^' && i + 1 < raw.size() && raw[i + 1] == 'm') {
      i += 2;
      continue;
    }
    if (b >= 0x20) out.push_back(static_cast<char>(b));
    ++i;
  }
  if (out.empty()) out.push_back(' ');
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
