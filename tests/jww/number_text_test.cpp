#include "jww/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace pennatran {
namespace {

// Expected texts are what std::to_chars wrote for these values: plain, general with 15
// digits, fixed with 2 and with 0 decimals.
TEST(NumberText, WritesAsTheStandardConversions) {
  const struct {
    double Value;
    const char* Shortest;
    const char* General15;
    const char* Fixed2;
    const char* Fixed0;
  } rows[] = {
      {0.0, "0", "0", "0.00", "0"},
      {-0.0, "-0", "-0", "-0.00", "-0"},
      {1.0, "1", "1", "1.00", "1"},
      {0.1, "0.1", "0.1", "0.10", "0"},
      {2.5, "2.5", "2.5", "2.50", "2"},
      {-3.75, "-3.75", "-3.75", "-3.75", "-4"},
      {12345.678, "12345.678", "12345.678", "12345.68", "12346"},
      {1e10, "1e+10", "10000000000", "10000000000.00", "10000000000"},
      {1e15, "1e+15", "1e+15", "1000000000000000.00", "1000000000000000"},
      {1e16, "1e+16", "1e+16", "10000000000000000.00", "10000000000000000"},
      {0.0001, "1e-04", "0.0001", "0.00", "0"},
      {0.00012, "0.00012", "0.00012", "0.00", "0"},
      {1e-5, "1e-05", "1e-05", "0.00", "0"},
      {123456789012345680.0, "123456789012345680", "1.23456789012346e+17", "123456789012345680.00",
       "123456789012345680"},
      {5e-324, "5e-324", "4.94065645841247e-324", "0.00", "0"},
      {1.0 / 3, "0.3333333333333333", "0.333333333333333", "0.33", "0"},
      {2.0 / 3, "0.6666666666666666", "0.666666666666667", "0.67", "1"},
      {0.125, "0.125", "0.125", "0.12", "0"},
      {0.005, "0.005", "0.005", "0.01", "0"},
      {1.005, "1.005", "1.005", "1.00", "1"},
      {999999999999999.9, "999999999999999.9", "1e+15", "999999999999999.88", "1000000000000000"},
      {1e21, "1e+21", "1e+21", "1000000000000000000000.00", "1000000000000000000000"},
      {-1e-7, "-1e-07", "-1e-07", "-0.00", "-0"},
      {HUGE_VAL, "inf", "inf", "inf", "inf"},
      {-HUGE_VAL, "-inf", "-inf", "-inf", "-inf"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ShortestText(r.Value), r.Shortest) << r.Shortest;
    EXPECT_EQ(GeneralText(r.Value, 15), r.General15) << r.Shortest;
    EXPECT_EQ(FixedText(r.Value, 2), r.Fixed2) << r.Shortest;
    EXPECT_EQ(FixedText(r.Value, 0), r.Fixed0) << r.Shortest;
  }
}

std::string StandardText(double value, std::optional<std::chars_format> format = {},
                         int precision = 0) {
  char text[400];
  const auto result = format ? std::to_chars(text, text + sizeof text, value, *format, precision)
                             : std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

// Whatever the bits, the texts are the standard conversions' and the shortest text reads
// back as the same value.
TEST(NumberText, WritesAnyValueAsTheStandardConversions) {
  uint64_t bits = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 20000; ++i) {
    bits = bits * 6364136223846793005u + 1442695040888963407u;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (i % 2) value = static_cast<double>(bits >> 40) / std::pow(10.0, static_cast<int>(i % 13));
    if (!std::isfinite(value)) continue;
    const int decimals = i % 10;
    ASSERT_EQ(ShortestText(value), StandardText(value)) << StandardText(value);
    ASSERT_EQ(GeneralText(value, 15), StandardText(value, std::chars_format::general, 15));
    ASSERT_EQ(FixedText(value, decimals), StandardText(value, std::chars_format::fixed, decimals));
    double back = 0;
    ASSERT_EQ(ParseDecimal(ShortestText(value), back), std::errc()) << ShortestText(value);
    EXPECT_EQ(back, value) << ShortestText(value);
  }
}

TEST(NumberText, ParsesOnlyAWholeDecimalNumber) {
  constexpr double kUnchanged = -99;
  const struct {
    const char* Text;
    std::errc Result;
    double Value;
  } rows[] = {
      {"12.5", std::errc(), 12.5},
      {"-0", std::errc(), -0.0},
      {"5.", std::errc(), 5},
      {".5", std::errc(), 0.5},
      {"1E3", std::errc(), 1000},
      {"1e-310", std::errc(), 1e-310},
      {"1.7976931348623158e308", std::errc(), std::numeric_limits<double>::max()},
      {"2e-324", std::errc::result_out_of_range, kUnchanged},
      {"1e400", std::errc::result_out_of_range, kUnchanged},
      {"-1e400", std::errc::result_out_of_range, kUnchanged},
      {"0e999", std::errc(), 0},
      {"", std::errc::invalid_argument, kUnchanged},
      {"+1", std::errc::invalid_argument, kUnchanged},
      {" 1", std::errc::invalid_argument, kUnchanged},
      {"1x", std::errc::invalid_argument, kUnchanged},
      {"1,5", std::errc::invalid_argument, kUnchanged},
  };
  for (const auto& r : rows) {
    double value = kUnchanged;
    EXPECT_EQ(ParseDecimal(r.Text, value), r.Result) << r.Text;
    EXPECT_EQ(value, r.Value) << r.Text;
    EXPECT_EQ(std::signbit(value), std::signbit(r.Value)) << r.Text;
  }
}

}  // namespace
}  // namespace pennatran
