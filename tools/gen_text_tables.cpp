// Writes the text tables of the browser build from this machine's ICU:
// gen_text_tables OUT.cpp. The browser has no ICU, so code page 932 both ways and the
// full-width forms come from here, and the browser build gives the same texts.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "jww/cp932_table.h"
#include "jww/text_platform.h"

namespace {

// A BMP character, never a surrogate half, in UTF-8.
std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

std::string Literal(std::string_view bytes) {
  std::string out = "\"";
  char hex[8];
  for (const char c : bytes) {
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    out += hex;
  }
  return out + "\"";
}

bool IsSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

std::string Mapped(const std::string& utf8) {
  return pennatran::text_platform::FullWidth(utf8).value_or(utf8);
}

void WriteCodePairs(std::FILE* out, const char* name, const auto& table) {
  std::fprintf(out, "extern const uint16_t %s[][2] = {\n", name);
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i] == pennatran::TCp932Table::kNone) continue;
    std::fprintf(out, "{0x%zX,0x%X},\n", i, static_cast<unsigned>(table[i]));
  }
  std::fprintf(out, "};\nextern const size_t %sCount = sizeof %s / sizeof %s[0];\n", name, name,
               name);
}

// Every character the mapping changes, and every pair of a character and a voiced or
// semi-voiced mark that maps otherwise than its two characters one by one.
void WriteFullWidth(std::FILE* out) {
  std::fprintf(out, "extern const TFullWidthEntry kFullWidth[] = {\n");
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (IsSurrogate(c)) continue;
    const std::string one = Utf8(c);
    const std::string single = Mapped(one);
    if (single != one)
      std::fprintf(out, "{%s,%s},\n", Literal(one).c_str(), Literal(single).c_str());
    for (const char32_t mark : {U'\uFF9E', U'\uFF9F', U'\u309B', U'\u309C', U'\u3099', U'\u309A'}) {
      const std::string pair = one + Utf8(mark);
      const std::string joined = Mapped(pair);
      if (joined != single + Mapped(Utf8(mark))) {
        std::fprintf(out, "{%s,%s},\n", Literal(pair).c_str(), Literal(joined).c_str());
      }
    }
  }
  std::fprintf(
      out, "};\nextern const size_t kFullWidthCount = sizeof kFullWidth / sizeof kFullWidth[0];\n");
}

bool IsLeapYear(int32_t y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Where the era or the counting of its years changes, from the Gregorian calendar's first
// day to 2200: browsers' Intl carries other calendar data than this ICU (Meiji begins on
// 1868-09-08 here, on 1868-10-23 in newer ICU), so the eras come from here too.
void WriteEras(std::FILE* out) {
  constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::fprintf(out, "extern const TEraStart kEras[] = {\n");
  pennatran::text_platform::TEraYear last;
  bool first = true;
  for (int32_t y = 1582; y <= 2200; ++y) {
    for (int32_t m = y == 1582 ? 10 : 1; m <= 12; ++m) {
      const int32_t days = kDays[m - 1] + (m == 2 && IsLeapYear(y) ? 1 : 0);
      for (int32_t d = y == 1582 && m == 10 ? 15 : 1; d <= days; ++d) {
        const auto era = pennatran::text_platform::JapaneseEra({y, m, d});
        const int32_t expected = m == 1 && d == 1 ? last.Year + 1 : last.Year;
        if (first || era.Name != last.Name || era.Year != expected) {
          std::fprintf(out, "{%d,%d,%d,%d,%s},\n", y, m, d, era.Year, Literal(era.Name).c_str());
        }
        last = era;
        first = false;
      }
    }
  }
  std::fprintf(out, "};\nextern const size_t kEraCount = sizeof kEras / sizeof kEras[0];\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_text_tables OUT.cpp\n");
    return 2;
  }
  if (!pennatran::text_platform::FullWidth("")) {
    std::fprintf(stderr, "gen_text_tables: ICU has no full-width mapping\n");
    return 1;
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (!out) {
    std::fprintf(stderr, "gen_text_tables: cannot write %s\n", argv[1]);
    return 1;
  }
  std::fprintf(out, "// Written by gen_text_tables from ICU; not edited by hand.\n");
  std::fprintf(out, "#include \"text_tables.h\"\nnamespace pennatran::text_tables {\n");
  const pennatran::TCp932Table& table = pennatran::Cp932Table();
  WriteCodePairs(out, "kCp932Decode", table.Decode);
  WriteCodePairs(out, "kCp932Encode", table.Encode);
  WriteFullWidth(out);
  WriteEras(out);
  std::fprintf(out, "}  // namespace pennatran::text_tables\n");
  return std::fclose(out) == 0 ? 0 : 1;
}
