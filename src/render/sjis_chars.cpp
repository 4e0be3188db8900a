#include "render/sjis_chars.h"

namespace pennatran {

size_t SjisCharLength(std::string_view s, size_t i) {
  return IsSjisLeadByte(s[i]) && i + 1 < s.size() ? 2 : 1;
}

int32_t CharCount(std::string_view s) {
  int32_t count = 0;
  for (size_t i = 0; i < s.size(); i += SjisCharLength(s, i)) ++count;
  return count;
}

std::string_view CharAt(std::string_view s, int32_t i) {
  if (i < 0) return {};
  int32_t index = 0;
  for (size_t pos = 0; pos < s.size(); ++index) {
    const size_t length = SjisCharLength(s, pos);
    if (index == i) return s.substr(pos, length);
    pos += length;
  }
  return {};
}

int32_t ColumnCount(std::string_view s) {
  int32_t columns = 0;
  for (size_t i = 0; i < s.size(); i += SjisCharLength(s, i)) {
    columns += static_cast<int32_t>(SjisCharLength(s, i));
  }
  return columns;
}

}  // namespace pennatran
