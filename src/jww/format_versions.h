// The format versions at which a drawing's layout changes, named once for the reader and
// the writer, and the version every save writes.
#pragma once

#include <cstdint>

namespace pennatran {

// Every save writes this version, whatever the drawing was read as.
inline constexpr int32_t kSaveVersion = 700;

// Versions above it carry the sky map pair and the scales of the mark jumps.
inline constexpr int32_t kLastShortViewVersion = 230;
// The sky map pair is read from older files too, but holds its values only from here.
inline constexpr int32_t kFirstSkyMapVersion = 300;
// The common part of an entity has its pen width.
inline constexpr int32_t kFirstWidthVersion = 351;
// The header's SXF user colour and line type tables.
inline constexpr int32_t kFirstUserTablesVersion = 420;
// A dimension's SXF tail.
inline constexpr int32_t kFirstSxfDimensionVersion = 420;
// The image section after the block definitions.
inline constexpr int32_t kFirstImageVersion = 700;

}  // namespace pennatran
