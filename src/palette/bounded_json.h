// Parsing JSON that may be hostile: nested too deep, followed by other bytes, or holding a
// key twice. Errors name the place as "line 3, column 7" or as a JSON pointer.
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <string_view>

#include "palette/palette_file_error.h"

namespace pennatran {

// Deeper nesting than any palette file needs; it bounds the parser's and the value's stacks.
constexpr size_t kMostJsonDepth = 64;

// Parses text (a UTF-8 byte order mark first is skipped) as exactly one JSON value. On
// failure returns false with error saying where and what.
bool ParseBoundedJson(std::string_view text, nlohmann::json& root, TPaletteFileError& error);

// An error at the line and column (both counted from 1) of a byte offset of text.
TPaletteFileError ErrorAtOffset(std::string_view text, size_t offset, TPaletteFileFailure failure);

}  // namespace pennatran
