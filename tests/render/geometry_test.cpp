#include "render/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace pennatran {
namespace {

TEST(RoundToInt, HalvesGoAwayFromZeroAndHugeValuesClamp) {
  const struct {
    double In;
    int32_t Out;
  } rows[] = {
      {0.5, 1},
      {-0.5, -1},
      {1.5, 2},
      {2.5, 3},
      {-2.5, -3},
      {0.49999999, 0},
      {-1.4, -1},
      {1e20, kPixelLimit},
      {-1e20, -kPixelLimit},
      {std::numeric_limits<double>::infinity(), kPixelLimit},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& r : rows) EXPECT_EQ(RoundToInt(r.In), r.Out) << r.In;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
  EXPECT_EQ(RoundHalfEven(3e9), kPixelLimit);
}

TEST(DirectionAngle, LiesInZeroToTwoPi) {
  EXPECT_DOUBLE_EQ(DirectionAngle(1, 0), 0);
  EXPECT_NEAR(DirectionAngle(0, -1), 1.5 * std::numbers::pi, 1e-12);
  EXPECT_NEAR(DirectionAngle(1, -1e-3), 2 * std::numbers::pi - 1e-3, 1e-9);
  EXPECT_DOUBLE_EQ(DirectionAngle(1e-15, -1e-15), 0);
}

TEST(ParseNumber, AcceptsOnlyAWholeDecimalNumber) {
  const struct {
    const char* Text;
    double Value;
  } rows[] = {
      {"12", 12},    {"  -3.5", -3.5}, {"+4", 4},     {".5", 0.5}, {"7.", 7},
      {"1e3", 1000}, {"2.5E-1", 0.25}, {"", 0},       {"   ", 0},  {"12a", 0},
      {"1 ", 0},     {"-", 0},         {".", 0},      {"1e", 0},   {"1e+", 0},
      {"0x10", 0},   {"1,5", 0},       {"1e-400", 0}, {"--1", 0},
  };
  for (const auto& r : rows) EXPECT_DOUBLE_EQ(ParseNumber(r.Text), r.Value) << r.Text;
  EXPECT_TRUE(std::isinf(ParseNumber("1e400")));
}

}  // namespace
}  // namespace pennatran
