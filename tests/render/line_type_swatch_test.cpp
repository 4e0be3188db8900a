#include "render/line_type_swatch.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <vector>

namespace pennatran {
namespace {

TEntJwwLineTypeExNo Slot(int32_t segments, std::initializer_list<double> pitches,
                         uint32_t pattern = 0) {
  TEntJwwLineTypeExNo slot;
  slot.SegmentCount = segments;
  slot.Pattern = pattern;
  int i = 0;
  for (const double p : pitches) slot.Pitches[i++] = p;
  return slot;
}

TEST(LineTypeSwatchDashes, PitchesFillTwoPeriodsOtherwiseThePatternBits) {
  using Dashes = std::vector<TSwatchDash>;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* Name;
    TEntJwwLineTypeExNo Slot;
    int32_t Width;
    Dashes Expected;
  } rows[] = {
      {"dashed", Slot(2, {2, 1}), 30, {{0, 10}, {15, 10}}},
      {"dash dot", Slot(4, {4, 1, 1, 1}), 28, {{0, 8}, {10, 2}, {14, 8}, {24, 2}}},
      {"signs ignored", Slot(2, {-2, 1}), 30, {{0, 10}, {15, 10}}},
      {"dots stay visible", Slot(2, {0.001, 10}), 40, {{0, 1}, {20, 1}}},
      {"three segments: the bits", Slot(3, {1, 1, 1}, 0xF0F0F0F0), 16, {{0, 4}, {8, 4}}},
      {"bits repeat", Slot(0, {}, 0x80000001), 40, {{0, 1}, {31, 2}}},
      {"no length: the bits", Slot(2, {0, 0}, 0xFFFFFFFF), 12, {{0, 12}}},
      {"corrupt length: the bits", Slot(2, {nan, 1}, 0), 12, {}},
      {"ten segments: the bits", Slot(10, {1, 1}, 0), 12, {}},
      {"no width", Slot(2, {2, 1}), 0, {}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(LineTypeSwatchDashes(r.Slot, r.Width), r.Expected) << r.Name;
  }
}

}  // namespace
}  // namespace pennatran
