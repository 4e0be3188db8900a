// Prints, one per line, every text the core takes from the platform's text library, and
// the number texts the core writes itself. The native build and the browser build must
// print the same lines: make test-web compares them.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "jww/cp932_table.h"
#include "jww/number_text.h"
#include "jww/text_encoding.h"
#include "jww/text_platform.h"
#include "render/dimension_value.h"
#include "render/full_width.h"
#include "render/geometry.h"
#include "render/japanese_calendar.h"
#include "render/text_codes.h"

namespace pennatran {
namespace {

std::string Hex(std::string_view bytes) {
  std::string out;
  char digits[4];
  for (const char c : bytes) {
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(static_cast<uint8_t>(c)));
    out += digits;
  }
  return out;
}

std::string CodeBytes(uint32_t code) {
  std::string bytes;
  if (code > 0xFF) bytes += static_cast<char>(code >> 8);
  bytes += static_cast<char>(code & 0xFF);
  return bytes;
}

// A BMP character in UTF-8.
std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) return s += static_cast<char>(c);
  if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
  } else {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  return s += static_cast<char>(0x80 | (c & 0x3F));
}

// A fixed sequence of pseudo-random numbers, the same in both builds.
struct TSequence {
  uint64_t State = 0x9E3779B97F4A7C15u;
  uint32_t Next() {
    State = State * 6364136223846793005u + 1442695040888963407u;
    return static_cast<uint32_t>(State >> 33);
  }
};

void PrintCodePage() {
  const TCp932Table& table = Cp932Table();
  for (uint32_t code = 0; code < 0x10000; ++code) {
    std::printf("decode %04X %04X %s\n", code, static_cast<unsigned>(table.Decode[code]),
                Hex(SjisToUtf8(CodeBytes(code))).c_str());
  }
  for (char32_t unit = 0; unit < 0x10000; ++unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) continue;
    std::printf("encode %04X %04X %s\n", static_cast<unsigned>(unit),
                static_cast<unsigned>(table.Encode[unit]), Hex(Utf8ToSjis(Utf8(unit))).c_str());
  }
}

void PrintFullWidth() {
  const TCp932Table& table = Cp932Table();
  std::string all;
  for (uint32_t code = 0; code < 0x10000; ++code) {
    if (table.Decode[code] == TCp932Table::kNone) continue;
    const std::string bytes = CodeBytes(code);
    all += bytes;
    std::printf("full %s %s\n", Hex(bytes).c_str(), Hex(ToFullWidth(bytes)).c_str());
  }
  // Half-width katakana and signs two by two, where marks join their kana.
  for (int first = 0xA1; first <= 0xDF; ++first) {
    for (int second = 0xA1; second <= 0xDF; ++second) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      std::printf("full %s %s\n", Hex(pair).c_str(), Hex(ToFullWidth(pair)).c_str());
    }
  }
  // Strings of any characters, one to eight long.
  TSequence random;
  const size_t characters = CharCount(all);
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const uint32_t length = 1 + random.Next() % 8;
    for (uint32_t j = 0; j < length; ++j) {
      text += CharAt(all, static_cast<int32_t>(random.Next() % characters));
    }
    std::printf("full %s %s\n", Hex(text).c_str(), Hex(ToFullWidth(text)).c_str());
  }
}

void PrintDate(const TLocalDateTime& date) {
  TRenderContext ctx;
  ctx.StartDateTime = date;
  ctx.Clock = [date] { return date; };
  const TJapaneseEra era = JapaneseEra(date);
  std::printf("date %04d-%02d-%02d %s %d %s", date.Year, date.Month, date.Day,
              Hex(era.Name).c_str(), era.Year, Hex(JapaneseShortWeekday(date)).c_str());
  for (const char* code : {"%J", "%Y", "%w", "$J", "$Y", "$W", "&j", "&w"}) {
    std::printf(" %s", Hex(ExpandTextCode(ctx, code).Value).c_str());
  }
  std::printf("\n");
}

bool IsLeapYear(int32_t y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Every day of the years around the changes of era, every 29th day of the others.
void PrintDates() {
  constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const auto eraChange = [](int32_t y) {
    return (y >= 1867 && y <= 1874) || (y >= 1911 && y <= 1913) || (y >= 1925 && y <= 1927) ||
           (y >= 1988 && y <= 1990) || (y >= 2018 && y <= 2020);
  };
  int32_t count = 0;
  for (int32_t y = 1600; y <= 2200; ++y) {
    for (int32_t m = 1; m <= 12; ++m) {
      const int32_t days = kDays[m - 1] + (m == 2 && IsLeapYear(y) ? 1 : 0);
      for (int32_t d = 1; d <= days; ++d) {
        if (eraChange(y) || ++count % 29 == 0) PrintDate({y, m, d, 12, 0, 0});
      }
    }
  }
}

void PrintNumbers() {
  const double values[] = {0,     -0.0,         0.5,     1.5,       2.5,        -2.5,
                           999.5, 1234.5678,    -1234.5, 1000000,   0.125,      1e15,
                           1e21,  123456789.25, 1.005,   0.0000001, -0.0000001, 99999.995};
  for (const double v : values) {
    for (int32_t decimals = 0; decimals <= 9; ++decimals) {
      std::printf("grouped %s %d %s\n", ShortestText(v).c_str(), decimals,
                  text_platform::JapaneseGroupedNumber(v, decimals).value_or("-").c_str());
    }
  }
  // Dimension values through every format: grouping, fixed, full width, units, marks. At
  // most 15 significant digits are asked for: past them the browser's Intl may round the
  // last digit of a grouped value otherwise than this ICU.
  TSequence random;
  const TPlacement identity;
  for (int i = 0; i < 4000; ++i) {
    const uint16_t format = static_cast<uint16_t>(random.Next());
    const uint16_t marks = static_cast<uint16_t>(random.Next() & 0x0300);
    const int decimals = format / 4096 % 10;
    TEntJwwLine line;
    line.EndX = static_cast<double>(random.Next()) / (1 << (random.Next() % 24));
    while (line.EndX >= std::pow(10.0, 14 - decimals)) line.EndX /= 16;
    line.EndY = static_cast<double>(random.Next() % 1000) / 1024;
    std::printf("dimension %04X %04X %s %s\n", format, marks, ShortestText(line.EndX).c_str(),
                Hex(FormatDimensionValue(format, marks, line, 1, identity)).c_str());
  }
  // The number texts of both builds, and reading them back.
  for (int i = 0; i < 20000; ++i) {
    const uint64_t bits = static_cast<uint64_t>(random.Next()) << 32 | random.Next();
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    if (i % 2) v = static_cast<double>(random.Next()) / std::pow(10.0, random.Next() % 12);
    const std::string shortest = ShortestText(v);
    std::printf("number %s %s %s %s %s\n", shortest.c_str(), GeneralText(v, 15).c_str(),
                FixedText(v, static_cast<int>(random.Next() % 10)).c_str(), FixedText(v, 2).c_str(),
                ShortestText(ParseNumber(shortest)).c_str());
  }
  for (const char* text : {"12.5", "+1.5", "-0", "5.", ".5", "1e-310", "2e-324", "1e400", "-1e400",
                           "1E3", "1,5", " 7", "1e", "0e999"}) {
    std::printf("parse %s %s\n", text, ShortestText(ParseNumber(text)).c_str());
  }
}

}  // namespace
}  // namespace pennatran

int main() {
  pennatran::PrintCodePage();
  pennatran::PrintFullWidth();
  pennatran::PrintDates();
  pennatran::PrintNumbers();
  return 0;
}
