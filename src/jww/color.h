// The colour values a drawing stores and the preview paints with.
#pragma once

#include <cstdint>

namespace pennatran {

// 32-bit colour value with red in the low byte: R + 256 G + 65536 B.
using TColor = uint32_t;

constexpr TColor MakeColor(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
constexpr int ColorRed(TColor c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int ColorGreen(TColor c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int ColorBlue(TColor c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

}  // namespace pennatran
