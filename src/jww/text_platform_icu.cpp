#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

#include "jww/text_platform.h"

namespace pennatran::text_platform {
namespace {

constexpr const char* kJapaneseCalendarLocale = "ja_JP@calendar=japanese";
constexpr const char* kJapaneseLocale = "ja_JP";

std::string ToUtf8(const icu::UnicodeString& text) {
  std::string utf8;
  text.toUTF8String(utf8);
  return utf8;
}

// Building the mapping costs about a hundred times more than using it, and a preview may
// map a value for every dimension of every block placement, so each thread builds it once.
// It is never changed after that; null when ICU cannot provide it.
const icu::Transliterator* FullWidthMapping() {
  static thread_local const std::unique_ptr<icu::Transliterator> mapping = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> created(
        icu::Transliterator::createInstance("Halfwidth-Fullwidth", UTRANS_FORWARD, status));
    if (U_FAILURE(status)) created.reset();
    return created;
  }();
  return mapping.get();
}

// The date at midnight as an instant, read back in GMT so that no time zone of this
// machine shifts the day.
UDate ToUDate(const TCivilDate& d, UErrorCode& status) {
  icu::GregorianCalendar calendar(*icu::TimeZone::getGMT(), status);
  if (U_FAILURE(status)) return 0;
  calendar.clear();
  calendar.set(d.Year, d.Month - 1, d.Day);
  return calendar.getTime(status);
}

std::string Format(const TCivilDate& d, const char* locale, const char16_t* pattern) {
  UErrorCode status = U_ZERO_ERROR;
  icu::SimpleDateFormat format(icu::UnicodeString(pattern), icu::Locale(locale), status);
  if (U_FAILURE(status)) return {};
  format.setTimeZone(*icu::TimeZone::getGMT());
  const UDate date = ToUDate(d, status);
  if (U_FAILURE(status)) return {};
  icu::UnicodeString text;
  format.format(date, text);
  return ToUtf8(text);
}

int32_t EraYear(const TCivilDate& d) {
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

std::optional<std::string> FullWidth(std::string_view utf8) {
  const icu::Transliterator* mapping = FullWidthMapping();
  if (!mapping) return std::nullopt;
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
  mapping->transliterate(text);
  return ToUtf8(text);
}

TEraYear JapaneseEra(const TCivilDate& date) {
  return {Format(date, kJapaneseCalendarLocale, u"G"), EraYear(date)};
}

std::string JapaneseShortWeekday(const TCivilDate& date) {
  return Format(date, kJapaneseLocale, u"E");
}

std::optional<std::string> JapaneseGroupedNumber(double value, int32_t decimals) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::UnicodeString text = icu::number::NumberFormatter::withLocale(icu::Locale::getJapan())
                                      .precision(icu::number::Precision::fixedFraction(decimals))
                                      .roundingMode(UNUM_ROUND_HALFUP)
                                      .formatDouble(value, status)
                                      .toString(status);
  if (U_FAILURE(status)) return std::nullopt;
  return ToUtf8(text);
}

}  // namespace pennatran::text_platform
