// Turning the half-width characters of a Shift-JIS string into their full-width forms.
#pragma once

#include <string_view>

#include "jww/jww_types.h"

namespace pennatran {

// The string with half-width letters, digits and signs in their full-width forms and
// half-width katakana as full-width katakana (a voiced mark joins its kana); everything
// already full width is kept. Bytes that are not valid Shift-JIS come back as "?".
SjisString ToFullWidth(std::string_view sjis);

}  // namespace pennatran
