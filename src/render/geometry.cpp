#include "render/geometry.h"

#include <cmath>
#include <numbers>

#include "jww/number_text.h"

namespace pennatran {

namespace {

// NaN has no pixel: it is treated as 0 so the shape stays drawable instead of invoking
// undefined behaviour in the integer conversion.
double ClampToPixelRange(double v) {
  if (std::isnan(v)) return 0.0;
  constexpr double kLimit = kPixelLimit;
  if (v > kLimit) return kLimit;
  if (v < -kLimit) return -kLimit;
  return v;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

int32_t RoundHalfEven(double v) {
  v = ClampToPixelRange(v);
  return static_cast<int32_t>(std::nearbyint(v));
}

void RotatePoint(double angle, double cx, double cy, double x, double y, double& outX,
                 double& outY) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double dx = x - cx;
  const double dy = y - cy;
  outX = cx + c * dx - s * dy;
  outY = cy + s * dx + c * dy;
}

double RotatePointX(double angle, double cx, double cy, double x, double y) {
  double outX = 0, outY = 0;
  RotatePoint(angle, cx, cy, x, y, outX, outY);
  return outX;
}

double RotatePointY(double angle, double cx, double cy, double x, double y) {
  double outX = 0, outY = 0;
  RotatePoint(angle, cx, cy, x, y, outX, outY);
  return outY;
}

double DirectionAngle(double dx, double dy) {
  if (std::fabs(dx) < 1e-14 && std::fabs(dy) < 1e-14) return 0.0;
  double a = std::atan2(dy, dx);
  if (a < 0) a += 2 * std::numbers::pi;
  return a;
}

double Distance(double x1, double y1, double x2, double y2) {
  return std::hypot(x2 - x1, y2 - y1);
}

double ParseNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const size_t begin = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  bool negativeExponent = false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    negativeExponent = j < text.size() && text[j] == '-';
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < text.size() && IsDigit(text[j])) ++j, ++expDigits;
    if (expDigits == 0) return 0.0;
    i = j;
  }
  if (i != text.size()) return 0.0;
  // The reader takes no leading '+'.
  size_t first = begin;
  if (text[first] == '+') ++first;
  double value = 0.0;
  const std::errc result = ParseDecimal(text.substr(first, i - first), value);
  if (result == std::errc::result_out_of_range) {
    if (negativeExponent) return 0.0;
    return text[first] == '-' ? -HUGE_VAL : HUGE_VAL;
  }
  return result == std::errc() ? value : 0.0;
}

}  // namespace pennatran
