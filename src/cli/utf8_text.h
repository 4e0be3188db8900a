// Shift-JIS text as the command line prints it.
#pragma once

#include <string>
#include <string_view>

namespace pennatran {

// Converts Shift-JIS (code page 932) to UTF-8; every byte sequence that does not convert
// (an illegal byte, a lone lead byte, an unassigned pair) becomes U+FFFD, so the result is
// always valid UTF-8.
std::string SjisToPrintable(std::string_view sjis);

}  // namespace pennatran
