// Reads the shapes a recording canvas saw back as pixel points, together with the pen and
// brush that were in effect when each was drawn.
#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "render/canvas.h"
#include "render/output.h"
#include "render/render_context.h"

namespace pennatran {

inline void PrintTo(const TPixelPoint& p, std::ostream* os) {
  *os << '(' << p.X << ", " << p.Y << ')';
}

}  // namespace pennatran

namespace pennatran::testing {

struct TTracedShape {
  std::string Kind;   // "polygon", "polyline" or "segment"
  std::string Pen;    // the last "pen ..." line before the shape
  std::string Brush;  // the last "brush ..." line before the shape
  std::vector<TPixelPoint> Points;

  bool Filled() const { return Brush.ends_with(" solid"); }
};

// Every polygon, polyline and moveto/lineto segment of the trace, in order.
inline std::vector<TTracedShape> TracedShapes(const std::vector<std::string>& trace) {
  std::vector<TTracedShape> shapes;
  std::string pen;
  std::string brush;
  for (const std::string& line : trace) {
    std::istringstream in(line);
    std::string kind;
    in >> kind;
    if (kind == "pen") pen = line;
    if (kind == "brush") brush = line;
    if (kind == "polygon" || kind == "polyline") {
      TTracedShape shape{kind, pen, brush, {}};
      size_t count = 0;
      in >> count;
      shape.Points.resize(count);
      for (TPixelPoint& p : shape.Points) in >> p.X >> p.Y;
      shapes.push_back(shape);
    }
    if (kind == "moveto") {
      TPixelPoint p;
      in >> p.X >> p.Y;
      shapes.push_back({"segment", pen, brush, {p}});
    }
    if (kind == "lineto") {
      TPixelPoint p;
      in >> p.X >> p.Y;
      shapes.back().Points.push_back(p);
    }
  }
  return shapes;
}

// The pixel a drawing point maps to.
inline TPixelPoint Pixel(const TRenderContext& ctx, double x, double y) {
  return {PixelX(ctx, x), PixelY(ctx, y)};
}

}  // namespace pennatran::testing
