// Japanese era and weekday names for the date codes of texts, always from the Japanese
// locale whatever the user's locale is.
#pragma once

#include <cstdint>
#include <string>

#include "render/render_context.h"

namespace pennatran {

struct TJapaneseEra {
  std::string Name;  // Shift-JIS, e.g. "令和"; empty when the calendar is unavailable
  int32_t Year = 0;  // year of the era, 1 in its first year
};

TJapaneseEra JapaneseEra(const TLocalDateTime& date);
// The one-kanji short weekday name ("月"), Shift-JIS; empty when unavailable.
std::string JapaneseShortWeekday(const TLocalDateTime& date);

}  // namespace pennatran
