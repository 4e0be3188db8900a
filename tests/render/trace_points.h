// Reads the points of a recorded "polyline N ..." or "polygon N ..." trace line.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "render/canvas.h"

namespace pennatran::testing {

inline std::vector<TPixelPoint> TracePoints(const std::string& line) {
  std::istringstream in(line);
  std::string kind;
  size_t count = 0;
  in >> kind >> count;
  std::vector<TPixelPoint> points(count);
  for (TPixelPoint& p : points) in >> p.X >> p.Y;
  return points;
}

inline bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.rfind(prefix, 0) == 0;
}

}  // namespace pennatran::testing
