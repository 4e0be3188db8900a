// Everything the core asks of the platform's text library besides the code page 932
// tables (cp932_table.h): full-width forms, the Japanese calendar and Japanese number
// formatting. The native build answers from ICU (the *_icu.cpp files); the browser build
// from tables that ICU wrote at build time and from the browser's Intl, with the same
// results. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pennatran::text_platform {

struct TCivilDate {
  int32_t Year = 2000;
  int32_t Month = 1;  // 1..12
  int32_t Day = 1;
};

struct TEraYear {
  std::string Name;  // "令和"; empty when the calendar is unavailable
  int32_t Year = 0;  // year of the era, 1 in its first year; 0 when unavailable
};

// Half-width letters, digits, signs and katakana in their full-width forms (a voiced mark
// joins its kana); nothing when the mapping is unavailable.
std::optional<std::string> FullWidth(std::string_view utf8);

TEraYear JapaneseEra(const TCivilDate& date);

// The one-kanji short weekday name ("月"); empty when unavailable.
std::string JapaneseShortWeekday(const TCivilDate& date);

// The value with the Japanese locale's grouping and exactly `decimals` decimals, halves
// rounded away from zero ("2,000.0"); nothing when unavailable.
std::optional<std::string> JapaneseGroupedNumber(double value, int32_t decimals);

}  // namespace pennatran::text_platform
