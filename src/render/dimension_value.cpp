#include "render/dimension_value.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "jww/number_text.h"
#include "jww/text_encoding.h"
#include "jww/text_platform.h"
#include "render/full_width.h"
#include "render/geometry.h"

namespace pennatran {

namespace {

constexpr std::string_view kMarkRadius = "R";
constexpr std::string_view kMarkDiameter = "\x83\xD3";  // φ
constexpr std::string_view kUnitMillimetres = "mm";
constexpr std::string_view kUnitMetres = "\x82\x8D";  // full-width ｍ

// Number of decimals: bits 12 to 15 of the format bits, as one decimal digit.
int32_t DecimalCount(uint16_t formatBits) {
  return (formatBits / 4096) % 10;
}

int32_t RoundingMode(uint16_t formatBits) {
  const bool truncate = (formatBits & kDimValueTruncate) != 0;
  const bool roundUp = (formatBits & kDimValueRoundUp) != 0;
  if (truncate && !roundUp) return RoundTruncate;
  if (roundUp && !truncate) return RoundUp;
  return RoundHalfUp;
}

// Thousands separators and decimal point of the Japanese locale. The value is already
// rounded, so the formatter's own rounding only has to leave it alone.
std::string FormatGrouped(double v, int32_t decimals) {
  const std::optional<std::string> text = text_platform::JapaneseGroupedNumber(v, decimals);
  return text ? Utf8ToSjis(*text) : FixedText(v, decimals);
}

// Zeros after the decimal point go; the point itself stays ("12.000" becomes "12.").
void TrimTrailingZeros(std::string& text) {
  if (text.find('.') == std::string::npos) return;
  while (!text.empty() && text.back() == '0') text.pop_back();
}

std::string NumberText(double v, uint16_t formatBits) {
  const int32_t decimals = DecimalCount(formatBits);
  if (formatBits & kDimValueGrouped) {
    std::string text = FormatGrouped(v, decimals);
    if (!(formatBits & kDimValueFixed)) TrimTrailingZeros(text);
    return text;
  }
  if (formatBits & kDimValueFixed) return FixedText(v, decimals);
  return GeneralText(v, 15);
}

// A length measured again through a placement is a few units in the last place off a
// whole number of printed units. Truncating and rounding up count such a value as that
// whole number; the margin never comes near one printed unit.
double WholeUnitTolerance(double units) {
  constexpr double kRelative = 1e-12;
  constexpr double kFloor = 1e-10;
  constexpr double kCeiling = 1e-3;
  return std::clamp(units * kRelative, kFloor, kCeiling);
}

std::string_view MarkText(uint16_t markBits) {
  if (markBits & kDimMarkRadius) return kMarkRadius;
  if (markBits & kDimMarkDiameter) return kMarkDiameter;
  return {};
}

}  // namespace

double RoundDecimal(int32_t decimals, int32_t mode, double x) {
  const double base = (decimals >= 1 && decimals <= 9) ? std::pow(10.0, decimals) : 1.0;
  double d = std::fabs(x) * base;
  switch (mode) {
    case RoundTruncate:
      d = std::trunc(d + WholeUnitTolerance(d));
      break;
    case RoundUp:
      d = std::ceil(d - WholeUnitTolerance(d));
      break;
    default:
      d = std::trunc(d + 0.5);
      break;
  }
  const double result = d / base;
  return x < 0 ? -result : result;
}

SjisString FormatDimensionValue(uint16_t formatBits, uint16_t markBits, const TEntJwwLine& line,
                                double layerGroupScale, const TPlacement& placement) {
  const double x1 = placement.MapX(line.StartX, line.StartY);
  const double y1 = placement.MapY(line.StartX, line.StartY);
  const double x2 = placement.MapX(line.EndX, line.EndY);
  const double y2 = placement.MapY(line.EndX, line.EndY);
  const double scale = layerGroupScale > 0 ? layerGroupScale : 1.0;
  double v = Distance(x1, y1, x2, y2) * scale;
  if (formatBits & kDimValueMetres) v /= 1000;
  v = RoundDecimal(DecimalCount(formatBits), RoundingMode(formatBits), v);

  SjisString text = NumberText(v, formatBits);
  const std::string_view mark = MarkText(markBits);
  if (!mark.empty()) {
    if (formatBits & kDimValueMarkBefore) {
      text = SjisString(mark) + text;
    } else if (formatBits & kDimValueMarkAfter) {
      text.append(mark);
    }
  }
  if (formatBits & kDimValueFullWidth) text = ToFullWidth(text);
  if (formatBits & kDimValueUnit) {
    text.append((formatBits & kDimValueMetres) ? kUnitMetres : kUnitMillimetres);
  }
  return text;
}

double MeasureTextWidth(std::string_view sjis, double w, double s) {
  double width = 0;
  for (size_t i = 0; i < sjis.size();) {
    // A lead byte that ends the string stands alone and is as wide as a one-byte character.
    const size_t length = CharLength(sjis, i);
    const bool twoByte = length > 1;
    i += length;
    const bool more = i < sjis.size();
    width += twoByte ? w : w / 2;
    if (more) width += twoByte ? s : s / 2;
  }
  return width;
}

TTextFrame MapDimensionTextToPlacement(const TEntJwwText& text, std::string_view newContent,
                                       const TPlacement& placement) {
  TTextFrame f = MapTextThroughMatrix(placement, TextFrameOf(text));
  // The new value is centred where the stored one was, whatever its length.
  const double angle = DirectionAngle(f.X2 - f.X1, f.Y2 - f.Y1);
  const double half = MeasureTextWidth(newContent, f.W, f.S) / 2;
  const double halfX = std::cos(angle) * half, halfY = std::sin(angle) * half;
  const double midX = (f.X1 + f.X2) / 2, midY = (f.Y1 + f.Y2) / 2;
  f.X1 = midX - halfX;
  f.Y1 = midY - halfY;
  f.X2 = midX + halfX;
  f.Y2 = midY + halfY;
  return f;
}

}  // namespace pennatran
