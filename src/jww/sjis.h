// Conversions between Shift-JIS (Windows code page 932) and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace pennatran {

// Bytes that do not convert become U+FFFD (or U+001A for illegal single bytes).
std::string SjisToUtf8(std::string_view sjis);
// Characters without a code page 932 form become "?".
std::string Utf8ToSjis(std::string_view utf8);

}  // namespace pennatran
