#include "jww/number_text.h"

#include <fmt/format.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale>
#include <sstream>

namespace pennatran {
namespace {

// A finite value as integer digits times a power of ten: value = ±Digits × 10^Exponent.
struct TDecimal {
  bool Negative = false;
  std::string Digits;
  int Exponent = 0;
};

// fmt's shortest form, fixed or with an exponent, taken apart.
TDecimal ShortestDecimal(double value) {
  const std::string text = fmt::format("{}", value);
  TDecimal d;
  size_t i = 0;
  if (text[i] == '-') d.Negative = true, ++i;
  int fraction = 0;
  bool afterPoint = false;
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] == '.') {
      afterPoint = true;
      continue;
    }
    d.Digits += text[i];
    if (afterPoint) ++fraction;
  }
  const int written = i < text.size() ? std::atoi(text.c_str() + i + 1) : 0;
  d.Exponent = written - fraction;
  const size_t first = d.Digits.find_first_not_of('0');
  d.Digits.erase(0, first == std::string::npos ? d.Digits.size() - 1 : first);
  while (d.Digits.size() > 1 && d.Digits.back() == '0') d.Digits.pop_back(), ++d.Exponent;
  return d;
}

// A whole number shows all its digits exactly, not the shortest digits padded with zeros
// ("4019643555293725696", not "4019643555293725700"); both are as long.
std::string FixedForm(const TDecimal& d, double value) {
  if (d.Exponent >= 0) return fmt::format("{:.0f}", value);
  const int n = static_cast<int>(d.Digits.size());
  std::string text = d.Negative ? "-" : "";
  const int whole = n + d.Exponent;
  if (whole > 0) {
    return text + d.Digits.substr(0, static_cast<size_t>(whole)) + "." +
           d.Digits.substr(static_cast<size_t>(whole));
  }
  return text + "0." + std::string(static_cast<size_t>(-whole), '0') + d.Digits;
}

std::string ScientificForm(const TDecimal& d) {
  std::string text = d.Negative ? "-" : "";
  text += d.Digits[0];
  if (d.Digits.size() > 1) text += "." + d.Digits.substr(1);
  const int exponent = d.Exponent + static_cast<int>(d.Digits.size()) - 1;
  return text + fmt::format("e{}{:02}", exponent < 0 ? '-' : '+', std::abs(exponent));
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// [-]digits[.digits][(e|E)[+|-]digits], with at least one digit before the exponent.
bool IsDecimalNumber(std::string_view text) {
  size_t i = 0;
  const auto digits = [&] {
    const size_t from = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i - from;
  };
  if (i < text.size() && text[i] == '-') ++i;
  size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') ++i, mantissa += digits();
  if (mantissa == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return i == text.size();
}

bool HasNonZeroDigit(std::string_view text) {
  for (const char c : text) {
    if (c == 'e' || c == 'E') break;
    if (c >= '1' && c <= '9') return true;
  }
  return false;
}

}  // namespace

std::string ShortestText(double value) {
  if (!std::isfinite(value)) return fmt::format("{}", value);
  const TDecimal d = ShortestDecimal(value);
  std::string fixed = FixedForm(d, value);
  std::string scientific = ScientificForm(d);
  return fixed.size() <= scientific.size() ? fixed : scientific;
}

std::string FixedText(double value, int decimals) {
  return fmt::format("{:.{}f}", value, decimals);
}

std::string GeneralText(double value, int significant) {
  return fmt::format("{:.{}g}", value, significant);
}

std::errc ParseDecimal(std::string_view text, double& value) {
  if (!IsDecimalNumber(text)) return std::errc::invalid_argument;
  // The classic locale's stream is the standard reader that ignores the C locale.
  std::istringstream in{std::string(text)};
  in.imbue(std::locale::classic());
  double read = 0;
  in >> read;
  // Libraries differ in what they return and flag past the range: an overflow is the
  // largest value or infinity with the failure flag, an underflow is zero. A value too
  // small for the full precision is read all the same.
  constexpr double kMax = std::numeric_limits<double>::max();
  const bool overflow = std::isinf(read) || (in.fail() && std::fabs(read) == kMax);
  const bool underflow = read == 0 && HasNonZeroDigit(text);
  if (overflow || underflow) return std::errc::result_out_of_range;
  value = read;
  return std::errc();
}

}  // namespace pennatran
