// Geometry and number helpers shared by the drawers. Angles are radians.
#pragma once

#include <cstdint>
#include <string_view>

namespace pennatran {

// Nearest integer, halves away from zero (shape output). Values beyond the range the
// canvas draws safely are clamped to +-kPixelLimit first.
constexpr int32_t kPixelLimit = 1 << 28;
// Inline and without floor(): it runs for every point of every shape, and truncating the
// non-negative value gives the same integer without a call into the maths library.
inline int32_t RoundToInt(double v) {
  if (v != v) return 0;  // NaN has no pixel; 0 keeps the shape drawable
  if (v > kPixelLimit) return kPixelLimit;
  if (v < -kPixelLimit) return -kPixelLimit;
  return v < 0 ? -static_cast<int32_t>(-v + 0.5) : static_cast<int32_t>(v + 0.5);
}
// Nearest integer, halves to the even neighbour (text output), clamped the same way.
int32_t RoundHalfEven(double v);

// (x, y) turned counter-clockwise about (cx, cy).
void RotatePoint(double angle, double cx, double cy, double x, double y, double& outX,
                 double& outY);
double RotatePointX(double angle, double cx, double cy, double x, double y);
double RotatePointY(double angle, double cx, double cy, double x, double y);

// atan2 brought into [0, 2 pi); 0 when both |dx| and |dy| are below 1e-14.
double DirectionAngle(double dx, double dy);
double Distance(double x1, double y1, double x2, double y2);

// The decimal number the whole text spells (leading spaces skipped, optional sign, digits,
// optional point and digits, optional exponent); 0 when empty or anything else follows.
double ParseNumber(std::string_view text);

}  // namespace pennatran
