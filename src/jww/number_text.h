// Numbers as text with a point for the decimal mark whatever the process locale (the
// window takes the C locale from the user's environment, where the mark may be a comma).
// Every build of the core compiles these, including toolchains whose standard library
// lacks the floating-point forms of std::to_chars and std::from_chars.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace pennatran {

// The fewest digits that read back as the same value, written fixed or with an exponent
// ("1e+10", "1e-04"), whichever is shorter; fixed when both are as long.
std::string ShortestText(double value);

// Exactly `decimals` digits after the point, correctly rounded ("0.12" for 0.125).
std::string FixedText(double value, int decimals);

// At most `significant` significant digits with trailing zeros removed, fixed or with an
// exponent as printf's %g chooses.
std::string GeneralText(double value, int significant);

// The whole text read as [-]digits[.digits][(e|E)[+|-]digits], correctly rounded. An
// overflow, or a non-zero value that rounds to zero, gives result_out_of_range and leaves
// `value` unchanged; so does anything else than such a number (invalid_argument).
std::errc ParseDecimal(std::string_view text, double& value);

}  // namespace pennatran
