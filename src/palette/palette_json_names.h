// The key names and fixed values of palette files, shared by their reader and writer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pennatran {

inline constexpr char kPaletteFormatName[] = "pennatran-palette";
inline constexpr int kPaletteFormatVersion = 1;

inline constexpr char kKeyFormat[] = "format";
inline constexpr char kKeyVersion[] = "version";
inline constexpr char kKeyColors[] = "colors";
inline constexpr char kKeyLineTypes[] = "lineTypes";
inline constexpr char kKeySlot[] = "slot";
inline constexpr char kKeyName[] = "name";
inline constexpr char kKeyNameBytes[] = "nameBytes";
inline constexpr char kKeyNameUtf16[] = "nameUtf16";
// A slot's other keys come from its record's fields (palette_fields.h).
inline constexpr char kTextNaN[] = "NaN";
inline constexpr char kTextInfinity[] = "Infinity";
inline constexpr char kTextMinusInfinity[] = "-Infinity";

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// "#RRGGBB" of a colour value (red in the low byte); the high byte is not shown.
std::string ColorText(uint32_t value);

}  // namespace pennatran
