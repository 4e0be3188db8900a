// The value text of a dimension drawn inside a block placement: measuring the mapped
// dimension line again, formatting the number by the dimension's own format bits, and
// placing the new text where the stored one was.
#pragma once

#include <cstdint>
#include <string_view>

#include "jww/jww_types.h"
#include "render/placement.h"
#include "render/text_layout.h"

namespace pennatran {

// Value format bits, held in the Width field of a dimension's text.
constexpr uint16_t kDimValueGenerated = 0x0002;  // measured again inside a placement
constexpr uint16_t kDimValueFullWidth = 0x0008;
constexpr uint16_t kDimValueMetres = 0x0010;
constexpr uint16_t kDimValueUnit = 0x0020;      // "mm", or the full-width "ｍ" in metres
constexpr uint16_t kDimValueGrouped = 0x0040;   // thousands separators, zeros trimmed
constexpr uint16_t kDimValueFixed = 0x0080;     // alone: fixed; with grouped: keep zeros
constexpr uint16_t kDimValueTruncate = 0x0100;  // rounding mode bits, see RoundDecimal
constexpr uint16_t kDimValueRoundUp = 0x0200;
constexpr uint16_t kDimValueMarkBefore = 0x0400;
constexpr uint16_t kDimValueMarkAfter = 0x0800;  // only when the mark is not before
// Mark bits, held in the Flags field of a dimension's text.
constexpr uint16_t kDimMarkRadius = 0x0100;    // "R"
constexpr uint16_t kDimMarkDiameter = 0x0200;  // "φ"

enum TRoundMode : int32_t { RoundTruncate = 0, RoundUp = 1, RoundHalfUp = 2 };

// x rounded to `decimals` places (0..9; any other count rounds to whole numbers) by mode;
// any mode other than RoundTruncate and RoundUp rounds half up. Symmetric about zero:
// the magnitude is rounded and the sign kept, so -2.5 rounds half up to -3.
double RoundDecimal(int32_t decimals, int32_t mode, double x);

// The value text (Shift-JIS) of a dimension line measured through the placement, at full
// size by the layer group scale (0 or below counts as 1), in the form the format bits and
// the radius/diameter mark bits ask for.
SjisString FormatDimensionValue(uint16_t formatBits, uint16_t markBits, const TEntJwwLine& line,
                                double layerGroupScale, const TPlacement& placement);

// The drawn length in millimetres of a Shift-JIS string whose full-width characters are
// w wide, with spacing s after every full-width character and s/2 after every half-width
// one, except after the last.
double MeasureTextWidth(std::string_view sjis, double w, double s);

// The value text of a dimension drawn through a placement that is not the identity: the
// stored text's frame measured on the mapped axes, its base line then centred on the middle
// of the mapped stored one and as long as the new content.
TTextFrame MapDimensionTextToPlacement(const TEntJwwText& text, std::string_view newContent,
                                       const TPlacement& placement);

}  // namespace pennatran
