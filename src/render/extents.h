// The working box in which the drawing extents are gathered, and its operations.
#pragma once

#include "render/placement.h"
#include "render/render_context.h"

namespace pennatran {

// Extents never reach beyond this many millimetres from the origin.
constexpr double kExtentLimit = 1e8;

// Each operation ends with the clamp: a minimum below -1e8 becomes -1e8 and a maximum above
// 1e8 becomes 1e8 (a minimum above 1e8 or a maximum below -1e8 stays).
// Minimum and maximum both become (x, y).
void SeedBox(TWorkingBox& box, double x, double y);
// Widens the box per axis to hold (x, y).
void IncludePoint(TWorkingBox& box, double x, double y);
// IncludePoint of the block point (u, v) mapped through the placement.
void IncludeMappedPoint(TWorkingBox& box, const TPlacement& placement, double u, double v);
void ClampBox(TWorkingBox& box);

// True when both coordinates differ by at most 1e-14.
bool SamePoint(double x1, double y1, double x2, double y2);

}  // namespace pennatran
