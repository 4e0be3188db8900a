// The text platform in the browser: full-width forms and eras from the tables the native
// build's ICU wrote, weekday names and number formatting from the browser's Intl.
#include <emscripten.h>

#include <algorithm>
#include <string>
#include <unordered_map>

#include "jww/text_platform.h"
#include "text_tables.h"

namespace pennatran::text_platform {
namespace {

// Each function writes its UTF-8 result into out (at most capacity bytes with the closing
// zero) and returns the result's length in bytes; -1 when Intl cannot answer.
// clang-format off
EM_JS(int, IntlShortWeekday, (int year, int month, int day, char* out, int capacity), {
  try {
    const date = new Date(0);
    date.setUTCFullYear(year, month - 1, day);
    const text = new Intl.DateTimeFormat("ja-JP", {weekday: "short", timeZone: "UTC"}).format(date);
    stringToUTF8(text, out, capacity);
    return lengthBytesUTF8(text);
  } catch (e) {
    return -1;
  }
});

EM_JS(int, IntlGroupedNumber, (double value, int decimals, char* out, int capacity), {
  try {
    const text = new Intl.NumberFormat("ja-JP", {minimumFractionDigits: decimals,
        maximumFractionDigits: decimals, roundingMode: "halfExpand"}).format(value);
    stringToUTF8(text, out, capacity);
    return lengthBytesUTF8(text);
  } catch (e) {
    return -1;
  }
});
// clang-format on

// Calls an Intl function with a buffer, again with a larger one when the text did not fit.
template <typename Call>
std::optional<std::string> IntlText(Call call) {
  std::string text(64, '\0');
  int length = call(text.data(), static_cast<int>(text.size()));
  if (length < 0) return std::nullopt;
  if (static_cast<size_t>(length) >= text.size()) {
    text.assign(static_cast<size_t>(length) + 1, '\0');
    length = call(text.data(), static_cast<int>(text.size()));
  }
  text.resize(static_cast<size_t>(length));
  return text;
}

const std::unordered_map<std::string_view, std::string_view>& FullWidthTable() {
  static const auto table = [] {
    std::unordered_map<std::string_view, std::string_view> map;
    for (size_t i = 0; i < text_tables::kFullWidthCount; ++i) {
      map.emplace(text_tables::kFullWidth[i].From, text_tables::kFullWidth[i].To);
    }
    return map;
  }();
  return table;
}

size_t Utf8Length(std::string_view s, size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return std::min(length, s.size() - i);
}

}  // namespace

std::optional<std::string> FullWidth(std::string_view utf8) {
  const auto& table = FullWidthTable();
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const size_t first = Utf8Length(utf8, i);
    if (i + first < utf8.size()) {
      const size_t both = first + Utf8Length(utf8, i + first);
      if (const auto pair = table.find(utf8.substr(i, both)); pair != table.end()) {
        out += pair->second;
        i += both;
        continue;
      }
    }
    const std::string_view one = utf8.substr(i, first);
    const auto single = table.find(one);
    out += single != table.end() ? single->second : one;
    i += first;
  }
  return out;
}

TEraYear JapaneseEra(const TCivilDate& date) {
  const auto key = [](int32_t y, int32_t m, int32_t d) { return (y * 100 + m) * 100 + d; };
  const text_tables::TEraStart* begin = text_tables::kEras;
  const text_tables::TEraStart* end = begin + text_tables::kEraCount;
  const auto after = std::upper_bound(
      begin, end, key(date.Year, date.Month, date.Day),
      [&](int32_t day, const auto& era) { return day < key(era.Year, era.Month, era.Day); });
  const text_tables::TEraStart& era = after == begin ? *begin : *(after - 1);
  return {era.Name, era.EraYear + date.Year - era.Year};
}

std::string JapaneseShortWeekday(const TCivilDate& date) {
  return IntlText([&](char* out, int capacity) {
           return IntlShortWeekday(date.Year, date.Month, date.Day, out, capacity);
         })
      .value_or("");
}

std::optional<std::string> JapaneseGroupedNumber(double value, int32_t decimals) {
  return IntlText(
      [&](char* out, int capacity) { return IntlGroupedNumber(value, decimals, out, capacity); });
}

}  // namespace pennatran::text_platform
