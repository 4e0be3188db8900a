// Substitution codes: a text that is exactly one of them is drawn as its value.
#include "render/text_codes.h"

#include <array>
#include <cmath>
#include <ctime>
#include <optional>

#include "jww/number_text.h"
#include "jww/text_encoding.h"
#include "render/japanese_calendar.h"
#include "render/system_clock.h"

namespace pennatran {
namespace {

constexpr std::string_view kHalfWidthDot = "\xA5";  // "･"

enum class TPad { None, Space, Zero };

// The first character of most codes: "$", "&", "%" read the clock (no padding, space,
// zero), "_" and "=" the time the window started (space, zero).
struct TVariant {
  bool Now = true;
  TPad Pad = TPad::None;
};

std::optional<TVariant> VariantOf(char prefix) {
  switch (prefix) {
    case '$':
      return TVariant{true, TPad::None};
    case '&':
      return TVariant{true, TPad::Space};
    case '%':
      return TVariant{true, TPad::Zero};
    case '_':
      return TVariant{false, TPad::Space};
    case '=':
      return TVariant{false, TPad::Zero};
    default:
      return std::nullopt;
  }
}

std::string Padded(int32_t value, TPad pad) {
  std::string text = std::to_string(value);
  if (text.size() == 1 && pad == TPad::Space) text.insert(0, " ");
  if (text.size() == 1 && pad == TPad::Zero) text.insert(0, "0");
  return text;
}

std::string FourDigitYear(int32_t year) {
  std::string text = std::to_string(year);
  while (text.size() < 4) text.insert(0, "0");
  return text;
}

TLocalDateTime Now(const TRenderContext& ctx) {
  return ctx.Clock ? ctx.Clock() : SystemNow();
}

std::string Sjis(std::string_view utf8) {
  return Utf8ToSjis(utf8);
}

// "yyyy/mm/dd" with month and day padded as given.
std::string DateText(const TLocalDateTime& d, TPad pad) {
  return FourDigitYear(d.Year) + "/" + Padded(d.Month, pad) + "/" + Padded(d.Day, pad);
}

std::string TimeText(const TLocalDateTime& d) {
  return Padded(d.Hour, TPad::Zero) + ":" + Padded(d.Minute, TPad::Zero) + ":" +
         Padded(d.Second, TPad::Zero);
}

std::string MonthWord(int32_t month) {
  static constexpr std::array<const char*, 12> kWords = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  return month >= 1 && month <= 12 ? kWords[static_cast<size_t>(month - 1)] : "";
}

std::string WeekdayWord(const TLocalDateTime& d) {
  static constexpr std::array<std::pair<const char*, const char*>, 7> kWords = {{
      {"日", "SUN"},
      {"月", "MON"},
      {"火", "TUE"},
      {"水", "WED"},
      {"木", "THU"},
      {"金", "FRI"},
      {"土", "SAT"},
  }};
  const std::string name = JapaneseShortWeekday(d);
  for (const auto& [kanji, word] : kWords) {
    if (name == Sjis(kanji)) return word;
  }
  return name;
}

bool IsPathDelimiter(char c) {
  return c == '\\' || c == '/';
}

// A letter and a colon that open the path name a drive; a colon anywhere else belongs to
// a name.
bool StartsWithDrive(std::string_view path) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  return path.size() >= 2 && letter(path[0]) && path[1] == ':';
}

// The file name after the last path delimiter or the drive, with its extension.
std::string_view FilePart(std::string_view path) {
  size_t start = StartsWithDrive(path) ? 2 : 0;
  for (size_t i = start; i < path.size(); i += CharLength(path, i)) {
    if (CharLength(path, i) == 1 && IsPathDelimiter(path[i])) start = i + 1;
  }
  return path.substr(start);
}

std::string_view Stem(std::string_view file) {
  const size_t dot = file.rfind('.');
  return dot == std::string_view::npos ? file : file.substr(0, dot);
}

// Shortest general form with up to 15 significant digits, whatever the process locale.
std::string GeneralNumber(double v) {
  return GeneralText(v, 15);
}

// A reduction "1/q" from q >= 1, otherwise the enlargement "r/1" with r the reciprocal
// rounded to one decimal. No integer conversion, so a zero scale cannot overflow.
std::string ScaleText(double q, double reciprocal, bool withRatio) {
  if (q >= 1) return withRatio ? "1/" + GeneralNumber(q) : GeneralNumber(q);
  const double r = std::trunc(10 * reciprocal + 0.5) / 10;
  return withRatio ? GeneralNumber(r) + "/1" : GeneralNumber(r);
}

int32_t HexDigit(char c) {
  if (c >= '1' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

std::optional<std::string> PercentOnlyCode(const TRenderContext& ctx, std::string_view key,
                                           std::string_view fileName) {
  const TDocumentInfo& info = ctx.DocInfo;
  if (key == "mm")
    return info.DocMemoLine1 + std::string(kHalfWidthDot) + std::string(kHalfWidthDot) +
           info.DocMemoRest;
  if (key == "m1") return info.DocMemoLine1;
  if (key == "m2") return info.DocMemoRest;
  // A scale of 0 or below counts as 1, as it does for dimension values.
  const auto usable = [](double v) { return v > 0 ? v : 1.0; };
  const double scale = usable(ctx.CurrentScale);
  if (key == "SS" || key == "ss") return ScaleText(scale, 1 / scale, key == "SS");
  if (key == "SP" || key == "sp") {
    const double print = usable(info.DocPrintScale);
    return ScaleText(scale / print, print / scale, key == "SP");
  }
  if (key == "f") return std::string(FilePart(fileName));
  if (key.size() == 2 && key[0] == 'f' && HexDigit(key[1]) > 0) {
    const int32_t columns = HexDigit(key[1]);
    TColumnCopy copy = CopyByColumns(Stem(FilePart(fileName)), 1, columns);
    if (columns == 1 && copy.Columns == 0) return std::string(kHalfWidthDot);
    return copy.Text;
  }
  return std::nullopt;
}

std::optional<std::string> FileCode(std::string_view key, std::string_view fileName, char prefix) {
  if (key == "F") return std::string(fileName);
  if (key == "f" && (prefix == '$' || prefix == '&')) {
    return std::string(Stem(FilePart(fileName)));
  }
  if (key.size() == 2 && key[0] == 'F' && key[1] >= '1' && key[1] <= '9') {
    TPathSlots slots;
    const int32_t last = SplitPath(fileName, slots);
    const int32_t index = last - (key[1] - '0');
    return slots[static_cast<size_t>(index < 0 ? 0 : index)];
  }
  return std::nullopt;
}

// Codes of the five variants whose value is a number padded by the variant.
std::optional<int32_t> NumberCode(std::string_view key, const TLocalDateTime& d) {
  if (key == "y") return d.Year % 100;
  if (key == "Y") return JapaneseEra(d).Year;
  if (key == "m") return d.Month;
  if (key == "d") return d.Day;
  if (key == "h") return d.Hour % 12;
  if (key == "H") return d.Hour;
  if (key == "M") return d.Minute;
  if (key == "S") return d.Second;
  return std::nullopt;
}

std::optional<std::string> DateCode(const TRenderContext& ctx, std::string_view key,
                                    TVariant variant) {
  if (key == "T") return ctx.DocInfo.DocDrawTimeText;
  const bool isDateKey = key == "y" || key == "Y" || key == "m" || key == "d" || key == "h" ||
                         key == "H" || key == "M" || key == "S" || key == "ma" || key == "w" ||
                         key == "W" || key == "wa" || key == "n" || key == "N" ||
                         (variant.Now && (key == "j" || key == "J")) ||
                         (!variant.Now && (key == "F" || key == "f"));
  if (!isDateKey) return std::nullopt;

  const TLocalDateTime d = variant.Now ? Now(ctx) : ctx.StartDateTime;
  if (const auto number = NumberCode(key, d)) return Padded(*number, variant.Pad);
  if (key == "F") return DateText(d, variant.Pad) + " " + TimeText(d);
  if (key == "f") return DateText(d, variant.Pad);
  if (key == "j") return DateText(d, TPad::Space);
  if (key == "J") {
    const TJapaneseEra era = JapaneseEra(d);
    return era.Name + std::to_string(era.Year) + Sjis("年") + Padded(d.Month, TPad::Space) +
           Sjis("月") + Padded(d.Day, TPad::Space) + Sjis("日");
  }
  if (key == "ma") return MonthWord(d.Month);
  if (key == "w" || key == "W") return JapaneseShortWeekday(d);
  if (key == "wa") return WeekdayWord(d);
  if (key == "n") return d.Hour < 12 ? "AM" : "PM";
  return Sjis(d.Hour < 12 ? "前" : "後");  // "N"
}

std::optional<std::string> ExpandCode(const TRenderContext& ctx, std::string_view content) {
  if (content.size() < 2 || content.size() > 3) return std::nullopt;
  const char prefix = content[0];
  const std::string_view key = content.substr(1);
  const std::optional<TVariant> variant = VariantOf(prefix);
  if (!variant) return std::nullopt;
  // Names arrive as the load was given them (UTF-8 here) and are drawn as Shift-JIS.
  const std::string fileName = Utf8ToSjis(ctx.DocInfo.DocFileName);
  if (prefix == '%') {
    if (auto value = PercentOnlyCode(ctx, key, fileName)) return value;
  }
  if (variant->Now) {
    if (auto value = FileCode(key, fileName, prefix)) return value;
  }
  return DateCode(ctx, key, *variant);
}

}  // namespace

TTextCodeResult ExpandTextCode(const TRenderContext& ctx, std::string_view content) {
  if (auto value = ExpandCode(ctx, content)) return {std::move(*value), true};
  if (content.starts_with("%%")) return {std::string(content), true};
  return {};
}

int32_t SplitPath(std::string_view path, TPathSlots& slots) {
  for (std::string& slot : slots) slot.clear();
  int32_t c = 0;
  const auto nextComponent = [&] {
    if (++c >= kPathSlotCount) {
      c = kPathSlotCount - 1;
      slots[static_cast<size_t>(c)].clear();
    }
  };
  for (size_t i = 0; i < path.size();) {
    const char b = path[i];
    if (IsLeadByte(b)) {
      // The second byte of a character may be "\" and is never a separator.
      const size_t length = CharLength(path, i);
      slots[static_cast<size_t>(c)] += path.substr(i, length);
      i += length;
    } else if (IsPathDelimiter(b) && i + 1 < path.size() && IsPathDelimiter(path[i + 1])) {
      nextComponent();
      i += 2;
    } else if (IsPathDelimiter(b)) {
      nextComponent();
      i += 1;
    } else {
      slots[static_cast<size_t>(c)] += b;
      i += 1;
    }
  }
  return c;
}

TColumnCopy CopyByColumns(std::string_view s, int32_t first, int32_t count) {
  TColumnCopy copy;
  if (s.empty() || first < 1 || first > ColumnCount(s) || count < 1) return copy;
  const int64_t last = static_cast<int64_t>(first) + count - 1;
  int64_t p = 1;  // the column the character starts in
  for (size_t i = 0; i < s.size();) {
    const size_t length = CharLength(s, i);
    const auto columns = static_cast<int64_t>(CharColumns(s, i));
    if (p >= first && p + columns - 1 <= last) {
      copy.Text += s.substr(i, length);
      copy.Columns += static_cast<int32_t>(columns);
    }
    p += columns;
    i += length;
  }
  return copy;
}

}  // namespace pennatran
