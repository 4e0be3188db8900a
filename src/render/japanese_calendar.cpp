#include "render/japanese_calendar.h"

#include "jww/text_encoding.h"
#include "jww/text_platform.h"

namespace pennatran {
namespace {

text_platform::TCivilDate DateOf(const TLocalDateTime& d) {
  return {d.Year, d.Month, d.Day};
}

}  // namespace

TJapaneseEra JapaneseEra(const TLocalDateTime& date) {
  const text_platform::TEraYear era = text_platform::JapaneseEra(DateOf(date));
  return {Utf8ToSjis(era.Name), era.Year};
}

std::string JapaneseShortWeekday(const TLocalDateTime& date) {
  return Utf8ToSjis(text_platform::JapaneseShortWeekday(DateOf(date)));
}

}  // namespace pennatran
