#include "render/output.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "attributes/preview_attributes.h"
#include "render/geometry.h"

namespace pennatran {

namespace {

constexpr double kEpsilon = 1e-12;
// A first polygon edge longer than this many pixels is outlined through the clipper
// instead of being handed to the canvas fill, which cannot cope with such coordinates.
constexpr double kMaxFillEdgePixels = 10000.0;

TBrushStyle BrushStyleForFill(int32_t fillStyle) {
  switch (fillStyle) {
    case 1:
      return TBrushStyle::Solid;
    case 2:
      return TBrushStyle::Horizontal;
    case 3:
      return TBrushStyle::Vertical;
    case 4:
      return TBrushStyle::FDiagonal;
    case 5:
      return TBrushStyle::BDiagonal;
    case 6:
      return TBrushStyle::Cross;
    case 7:
      return TBrushStyle::DiagCross;
    default:
      return TBrushStyle::Clear;
  }
}

// Moves one end point (x, y) with region code c onto the window border, along the line
// through (x0, y0) with direction (dx, dy).
void ClipEnd(const TRenderContext& ctx, int32_t c, double x0, double y0, double dx, double dy,
             double& x, double& y) {
  const TPreviewMapping& m = ctx.Mapping;
  if ((c & 1) != 0 && std::fabs(dx) > kEpsilon) {
    x = m.ViewMinX;
    y = y0 + (m.ViewMinX - x0) * dy / dx;
    c = OutCode(ctx, x, y);
  }
  if ((c & 2) != 0 && std::fabs(dx) > kEpsilon) {
    x = m.ViewMaxX;
    y = y0 + dy * (m.ViewMaxX - x0) / dx;
    c = OutCode(ctx, x, y);
  }
  if ((c & 4) != 0 && std::fabs(dy) > kEpsilon) {
    y = m.ViewMinY;
    x = x0 + dx * (m.ViewMinY - y0) / dy;
    c = OutCode(ctx, x, y);
  }
  if ((c & 8) != 0 && std::fabs(dy) > kEpsilon) {
    y = m.ViewMaxY;
    x = x0 + dx * (m.ViewMaxY - y0) / dy;
  }
}

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

TPixelPoint ToPixel(const TRenderContext& ctx, double x, double y) {
  return {PixelX(ctx, x), PixelY(ctx, y)};
}

void FlushPixels(TRenderContext& ctx, TCanvas& canvas) {
  if (ctx.PixelBuffer.size() > 1) canvas.Polyline(ctx.PixelBuffer.data(), ctx.PixelBuffer.size());
  ctx.PixelBuffer.clear();
}

// The rectangle a filled polygon is cut to before its points become pixels: the view
// grown by its own width and height on every side. Its edges lie well outside the image,
// so the cut never shows, and the pixels stay far from the canvas's limits.
struct TGuard {
  double MinX, MinY, MaxX, MaxY;
};

TGuard GuardOf(const TPreviewMapping& m) {
  const double w = m.ViewMaxX - m.ViewMinX;
  const double h = m.ViewMaxY - m.ViewMinY;
  return {m.ViewMinX - w, m.ViewMinY - h, m.ViewMaxX + w, m.ViewMaxY + h};
}

bool InsideGuard(const TGuard& g, const TDrawPoint& p) {
  return p.X >= g.MinX && p.X <= g.MaxX && p.Y >= g.MinY && p.Y <= g.MaxY;
}

// Where a shape's points lie against the window, as OutCode's bits, found from the box
// around them: the subtractions OutCode makes never change the order of two numbers, so
// the box's corners answer for every point.
struct TPointsSurvey {
  bool Finite = true;
  int32_t AnyOutCode = 0;       // zero when every point is inside the view
  int32_t CommonOutCode = 0xF;  // nonzero when every point lies beyond the same side
  // Every point finite and inside the view: no segment needs clipping.
  bool Inside() const { return Finite && AnyOutCode == 0; }
};

constexpr int32_t kLowSides = 1 | 4;   // left of and below the window
constexpr int32_t kHighSides = 2 | 8;  // right of and above it

TPointsSurvey SurveyPoints(const TRenderContext& ctx) {
  const std::vector<TDrawPoint>& points = ctx.PointBuffer;
  TPointsSurvey survey;
  if (points.empty()) return survey;
  double minX = points[0].X, maxX = minX, minY = points[0].Y, maxY = minY;
  for (const TDrawPoint& p : points) {
    survey.Finite = survey.Finite && std::isfinite(p.X) && std::isfinite(p.Y);
    minX = p.X < minX ? p.X : minX;
    maxX = p.X > maxX ? p.X : maxX;
    minY = p.Y < minY ? p.Y : minY;
    maxY = p.Y > maxY ? p.Y : maxY;
  }
  if (!survey.Finite) {
    // A point without a place has no side: each point is asked, as the clipping does.
    survey.AnyOutCode = kLowSides | kHighSides;
    for (const TDrawPoint& p : points) survey.CommonOutCode &= OutCode(ctx, p.X, p.Y);
    return survey;
  }
  const int32_t low = OutCode(ctx, minX, minY);
  const int32_t high = OutCode(ctx, maxX, maxY);
  survey.AnyOutCode = (low & kLowSides) | (high & kHighSides);
  survey.CommonOutCode = (high & kLowSides) | (low & kHighSides);
  return survey;
}

void ToPixels(TRenderContext& ctx) {
  const std::vector<TDrawPoint>& points = ctx.PointBuffer;
  ctx.PixelBuffer.resize(points.size());
  for (size_t i = 0; i < points.size(); ++i)
    ctx.PixelBuffer[i] = ToPixel(ctx, points[i].X, points[i].Y);
}

// One pass of Sutherland-Hodgman: keeps the part of the closed polygon on the inner side of
// one guard edge. `distance` is positive inside; the crossing lies where it is zero.
template <typename TDistance>
void ClipClosed(std::vector<TDrawPoint>& points, std::vector<TDrawPoint>& scratch,
                TDistance distance) {
  scratch.clear();
  for (size_t i = 0; i < points.size(); ++i) {
    const TDrawPoint& a = points[i];
    const TDrawPoint& b = points[(i + 1) % points.size()];
    const double da = distance(a);
    const double db = distance(b);
    if (da >= 0) scratch.push_back(a);
    if ((da >= 0) != (db >= 0)) {
      const double t = da / (da - db);
      scratch.push_back({a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t});
    }
  }
  points.swap(scratch);
}

// Cuts the polygon to the guard. A polygon that lies inside it keeps its points as they are.
void ClipToGuard(const TRenderContext& ctx, std::vector<TDrawPoint>& points) {
  const TGuard g = GuardOf(ctx.Mapping);
  if (std::all_of(points.begin(), points.end(),
                  [&](const TDrawPoint& p) { return InsideGuard(g, p); })) {
    return;
  }
  std::vector<TDrawPoint> scratch;
  ClipClosed(points, scratch, [&](const TDrawPoint& p) { return p.X - g.MinX; });
  ClipClosed(points, scratch, [&](const TDrawPoint& p) { return g.MaxX - p.X; });
  ClipClosed(points, scratch, [&](const TDrawPoint& p) { return p.Y - g.MinY; });
  ClipClosed(points, scratch, [&](const TDrawPoint& p) { return g.MaxY - p.Y; });
}

}  // namespace

TColor EntityColor(const TRenderContext& ctx, int32_t layerIndex, int32_t colorNumber) {
  const PreviewAttributes& att = *ctx.Attributes;
  switch (att.GetLayerState(layerIndex)) {
    case kLayerDisplayOnly:
      return att.GetGrayColor();
    case kLayerHidden:
      return att.GetBackColor();
    default:
      return att.GetPenColor(colorNumber);
  }
}

bool OnHiddenLayer(const TRenderContext& ctx, int32_t layerIndex) {
  return ctx.Attributes->GetLayerState(layerIndex) == kLayerHidden;
}

void SetEntityPen(TRenderContext& ctx, TCanvas& canvas, int32_t layerIndex, int32_t colorNumber,
                  int32_t lineType) {
  canvas.SetBrushStyle(TBrushStyle::Clear);
  const TPenStyle style = (lineType == 1 || lineType == 31) ? TPenStyle::Solid : TPenStyle::Dot;
  canvas.SetPen(EntityColor(ctx, layerIndex, colorNumber), 0, style);
}

void SetEntityBrush(TRenderContext& ctx, TCanvas& canvas, int32_t layerIndex, int32_t colorNumber,
                    int32_t fillStyle) {
  canvas.SetBrush(EntityColor(ctx, layerIndex, colorNumber), BrushStyleForFill(fillStyle));
}

int32_t OutCode(const TRenderContext& ctx, double x, double y) {
  const TPreviewMapping& m = ctx.Mapping;
  int32_t code = 0;
  if (x - m.ViewMinX < kEpsilon) code |= 1;
  if (x - m.ViewMaxX > -kEpsilon) code |= 2;
  if (y - m.ViewMinY < kEpsilon) code |= 4;
  if (y - m.ViewMaxY > -kEpsilon) code |= 8;
  return code;
}

int32_t ClipSegment(const TRenderContext& ctx, double& x1, double& y1, double& x2, double& y2) {
  // A corrupt coordinate (NaN, infinite) has no place on the screen: the segment is skipped.
  if (!AllFinite({x1, y1, x2, y2})) return 2;
  const int32_t c1 = OutCode(ctx, x1, y1);
  const int32_t c2 = OutCode(ctx, x2, y2);
  if (c1 == 0 && c2 == 0) return 0;
  if ((c1 & c2) != 0) return 2;
  const double x0 = x1;
  const double y0 = y1;
  const double dx = x2 - x0;
  const double dy = y2 - y0;
  ClipEnd(ctx, c1, x0, y0, dx, dy, x1, y1);
  ClipEnd(ctx, c2, x0, y0, dx, dy, x2, y2);
  // Coordinates near the limits of a double can overflow while being clipped.
  if (!AllFinite({x1, y1, x2, y2})) return 2;
  if (std::fabs(x2 - x1) >= kEpsilon || std::fabs(y2 - y1) >= kEpsilon) return 1;
  return 2;
}

int32_t PixelX(const TRenderContext& ctx, double x) {
  return RoundToInt((x - ctx.Mapping.ViewMinX) * ctx.Mapping.Scale);
}

int32_t PixelY(const TRenderContext& ctx, double y) {
  return ctx.Mapping.PixelHeight - RoundToInt((y - ctx.Mapping.ViewMinY) * ctx.Mapping.Scale);
}

void DrawSegment(TRenderContext& ctx, TCanvas& canvas, double x1, double y1, double x2, double y2) {
  if (ClipSegment(ctx, x1, y1, x2, y2) == 2) return;
  canvas.MoveTo(PixelX(ctx, x1), PixelY(ctx, y1));
  canvas.LineTo(PixelX(ctx, x2), PixelY(ctx, y2));
}

void OutputPolyline(TRenderContext& ctx, TCanvas& canvas) {
  std::vector<TDrawPoint>& points = ctx.PointBuffer;
  const TPointsSurvey survey = SurveyPoints(ctx);
  if (points.size() >= 2 && survey.Inside()) {
    // The usual case, and what the segment-by-segment walk below gives for it: one run.
    ToPixels(ctx);
    FlushPixels(ctx, canvas);
  } else if (points.size() >= 2 && survey.CommonOutCode == 0) {
    ctx.PixelBuffer.clear();
    for (size_t k = 0; k + 1 < points.size(); ++k) {
      double x1 = points[k].X, y1 = points[k].Y;
      double x2 = points[k + 1].X, y2 = points[k + 1].Y;
      const int32_t result = ClipSegment(ctx, x1, y1, x2, y2);
      if (result == 2) {
        FlushPixels(ctx, canvas);
        continue;
      }
      if (ctx.PixelBuffer.empty()) ctx.PixelBuffer.push_back(ToPixel(ctx, x1, y1));
      ctx.PixelBuffer.push_back(ToPixel(ctx, x2, y2));
      // A segment that crosses the border ends its run.
      if (result == 1) FlushPixels(ctx, canvas);
    }
    FlushPixels(ctx, canvas);
  }
  points.clear();
}

void OutputPolygon(TRenderContext& ctx, TCanvas& canvas) {
  std::vector<TDrawPoint>& points = ctx.PointBuffer;
  const TPointsSurvey survey = SurveyPoints(ctx);
  if (points.size() < 3 || !survey.Finite || survey.CommonOutCode != 0) {
    points.clear();
    return;
  }
  const double firstEdge =
      Distance(points[0].X, points[0].Y, points[1].X, points[1].Y) * ctx.Mapping.Scale;
  if (firstEdge > kMaxFillEdgePixels) {
    points.push_back(points[0]);
    OutputPolyline(ctx, canvas);
    return;
  }
  ClipToGuard(ctx, points);
  ToPixels(ctx);
  if (ctx.PixelBuffer.size() >= 3) canvas.Polygon(ctx.PixelBuffer.data(), ctx.PixelBuffer.size());
  ctx.PixelBuffer.clear();
  points.clear();
}

}  // namespace pennatran
