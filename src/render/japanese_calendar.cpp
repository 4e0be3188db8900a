#include "render/japanese_calendar.h"

#include <memory>

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include "jww/text_encoding.h"

namespace pennatran {
namespace {

constexpr const char* kJapaneseCalendarLocale = "ja_JP@calendar=japanese";
constexpr const char* kJapaneseLocale = "ja_JP";

// The local date and time as an instant, read back in GMT so that no time zone of this
// machine shifts the day.
UDate ToUDate(const TLocalDateTime& d, UErrorCode& status) {
  icu::GregorianCalendar calendar(*icu::TimeZone::getGMT(), status);
  if (U_FAILURE(status)) return 0;
  calendar.clear();
  calendar.set(d.Year, d.Month - 1, d.Day, d.Hour, d.Minute, d.Second);
  return calendar.getTime(status);
}

std::string Format(const TLocalDateTime& d, const char* locale, const char16_t* pattern) {
  UErrorCode status = U_ZERO_ERROR;
  icu::SimpleDateFormat format(icu::UnicodeString(pattern), icu::Locale(locale), status);
  if (U_FAILURE(status)) return {};
  format.setTimeZone(*icu::TimeZone::getGMT());
  const UDate date = ToUDate(d, status);
  if (U_FAILURE(status)) return {};
  icu::UnicodeString text;
  format.format(date, text);
  std::string utf8;
  text.toUTF8String(utf8);
  return Utf8ToSjis(utf8);
}

int32_t EraYear(const TLocalDateTime& d) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
      icu::TimeZone::getGMT()->clone(), icu::Locale(kJapaneseCalendarLocale), status));
  if (U_FAILURE(status) || !calendar) return 0;
  const UDate date = ToUDate(d, status);
  calendar->setTime(date, status);
  const int32_t year = calendar->get(UCAL_YEAR, status);
  return U_FAILURE(status) ? 0 : year;
}

}  // namespace

TJapaneseEra JapaneseEra(const TLocalDateTime& date) {
  return {Format(date, kJapaneseCalendarLocale, u"G"), EraYear(date)};
}

std::string JapaneseShortWeekday(const TLocalDateTime& date) {
  return Format(date, kJapaneseLocale, u"E");
}

}  // namespace pennatran
