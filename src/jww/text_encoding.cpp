#include "jww/text_encoding.h"

#include <cstring>

#include "jww/cp932_table.h"

namespace pennatran {
namespace {

constexpr uint8_t kEscapeLead = 0xFD;
constexpr uint32_t kEscapeBase = 0x40;
constexpr uint32_t kEscapeDigits = 0x100 - kEscapeBase;  // values a y or z byte takes
// Escape values from here on stand for the raw pair FD, 01..1F of a one-byte string.
constexpr uint32_t kRawPairBase = 0x110000;
constexpr char32_t kReplacement = 0xFFFD;

void AppendEscape(SjisString& out, uint32_t value) {
  const uint32_t rest = value % (kEscapeDigits * kEscapeDigits);
  out += static_cast<char>(kEscapeLead);
  out += static_cast<char>(1 + value / (kEscapeDigits * kEscapeDigits));
  out += static_cast<char>(kEscapeBase + rest / kEscapeDigits);
  out += static_cast<char>(kEscapeBase + rest % kEscapeDigits);
}

uint32_t EscapeValue(std::string_view s, size_t i) {
  const auto x = static_cast<uint8_t>(s[i + 1]);
  const auto y = static_cast<uint8_t>(s[i + 2]);
  const auto z = static_cast<uint8_t>(s[i + 3]);
  return (x - 1u) * kEscapeDigits * kEscapeDigits + (y - kEscapeBase) * kEscapeDigits +
         (z - kEscapeBase);
}

// The in-memory bytes of one code point (a lone surrogate included).
void AppendCodePoint(SjisString& out, char32_t c) {
  if (c < 0x10000) {
    const uint16_t code = Cp932Table().Encode[c];
    if (code != TCp932Table::kNone) {
      if (code > 0xFF) out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
      return;
    }
  }
  AppendEscape(out, c);
}

// The code point of the character at byte i, with the character's byte length; U+FFFD for
// bytes without one. Lone surrogates come back as themselves.
char32_t DecodeAt(std::string_view s, size_t i, size_t& length) {
  length = CharLength(s, i);
  if (length == 4) {
    const uint32_t value = EscapeValue(s, i);
    return value < kRawPairBase ? static_cast<char32_t>(value) : kReplacement;
  }
  const auto b = static_cast<uint8_t>(s[i]);
  size_t code = b;
  if (IsLeadByte(b)) {
    if (length == 1) return kReplacement;
    code = static_cast<size_t>(b << 8 | static_cast<uint8_t>(s[i + 1]));
  }
  const char16_t unit = Cp932Table().Decode[code];
  return unit == TCp932Table::kNone ? kReplacement : unit;
}

bool IsSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (IsSurrogate(c) || c > 0x10FFFF) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// One code point of UTF-8 at i, advancing i; an invalid sequence yields U+FFFD and one byte.
char32_t NextUtf8(std::string_view s, size_t& i) {
  const auto b = static_cast<uint8_t>(s[i]);
  size_t extra = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (b < 0x80) {
    ++i;
    return b;
  } else if ((b & 0xE0) == 0xC0) {
    extra = 1, c = b & 0x1F, least = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    extra = 2, c = b & 0x0F, least = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    extra = 3, c = b & 0x07, least = 0x10000;
  } else {
    ++i;
    return kReplacement;
  }
  if (i + extra >= s.size()) {
    ++i;
    return kReplacement;
  }
  for (size_t k = 1; k <= extra; ++k) {
    const auto t = static_cast<uint8_t>(s[i + k]);
    if ((t & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    c = c << 6 | (t & 0x3F);
  }
  i += extra + 1;
  if (c < least || c > 0x10FFFF || IsSurrogate(c)) return kReplacement;
  return c;
}

}  // namespace

int32_t CharCount(std::string_view s) {
  int32_t count = 0;
  for (size_t i = 0; i < s.size(); i += CharLength(s, i)) ++count;
  return count;
}

std::string_view CharAt(std::string_view s, int32_t i) {
  if (i < 0) return {};
  int32_t index = 0;
  for (size_t pos = 0; pos < s.size(); ++index) {
    const size_t length = CharLength(s, pos);
    if (index == i) return s.substr(pos, length);
    pos += length;
  }
  return {};
}

int32_t ColumnCount(std::string_view s) {
  int32_t columns = 0;
  for (size_t i = 0; i < s.size(); i += CharLength(s, i)) {
    columns += static_cast<int32_t>(CharColumns(s, i));
  }
  return columns;
}

size_t PrefixWithinColumns(std::string_view s, size_t maxColumns) {
  size_t columns = 0;
  size_t i = 0;
  while (i < s.size()) {
    const size_t width = CharColumns(s, i);
    if (columns + width > maxColumns) break;
    columns += width;
    i += CharLength(s, i);
  }
  return i;
}

size_t PrefixWithinBytes(std::string_view s, size_t maxBytes) {
  size_t i = 0;
  while (i < s.size() && i + CharLength(s, i) <= maxBytes) i += CharLength(s, i);
  return i;
}

bool NeedsTwoByteForm(std::string_view s) {
  if (s.find(static_cast<char>(kEscapeLead)) == std::string_view::npos) return false;
  // An FD byte may also be the second byte of a character: only character starts count.
  for (size_t i = 0; i < s.size(); i += CharLength(s, i)) {
    if (CharLength(s, i) == 4 && EscapeValue(s, i) < kRawPairBase) return true;
  }
  return false;
}

SjisString FromOneByteForm(std::string_view bytes) {
  if (bytes.find(static_cast<char>(kEscapeLead)) == std::string_view::npos)
    return SjisString(bytes);
  SjisString out;
  out.reserve(bytes.size() + 8);
  // Walked by characters: an FD byte that is the second byte of a character stays as it is.
  for (size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<uint8_t>(bytes[i]);
    if (!IsLeadByte(b) || i + 1 == bytes.size()) {
      out += bytes[i++];
      continue;
    }
    const auto next = static_cast<uint8_t>(bytes[i + 1]);
    if (b == kEscapeLead && next >= 0x01 && next <= 0x1F) {
      AppendEscape(out, kRawPairBase + next);
    } else {
      out.append(bytes.substr(i, 2));
    }
    i += 2;
  }
  return out;
}

std::string ToOneByteForm(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const size_t length = CharLength(s, i);
    if (length == 4) {
      const uint32_t value = EscapeValue(s, i);
      if (value >= kRawPairBase) {
        out += static_cast<char>(kEscapeLead);
        out += static_cast<char>(value - kRawPairBase);
      } else {
        out += '?';  // no one-byte form: the writer keeps such strings in the two-byte form
      }
    } else {
      out.append(s.substr(i, length));
    }
    i += length;
  }
  return out;
}

SjisString FromUtf16Le(std::string_view bytes) {
  SjisString out;
  out.reserve(bytes.size());
  const size_t units = bytes.size() / 2;
  auto unitAt = [&](size_t k) {
    return static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * k]) |
                                 static_cast<uint8_t>(bytes[2 * k + 1]) << 8);
  };
  for (size_t k = 0; k < units; ++k) {
    const char16_t u = unitAt(k);
    if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
      const char16_t low = unitAt(k + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendCodePoint(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        ++k;
        continue;
      }
    }
    AppendCodePoint(out, u);
  }
  return out;
}

std::u16string ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  size_t length = 0;
  for (size_t i = 0; i < s.size(); i += length) {
    const char32_t c = DecodeAt(s, i, length);
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

std::string SjisToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 3 / 2);
  size_t length = 0;
  for (size_t i = 0; i < s.size(); i += length) AppendUtf8(out, DecodeAt(s, i, length));
  return out;
}

SjisString Utf8ToSjis(std::string_view utf8) {
  SjisString out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) AppendCodePoint(out, NextUtf8(utf8, i));
  return out;
}

}  // namespace pennatran
