#include "render/extents.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "render/curves.h"
#include "render/draw_preview.h"
#include "render/drawers.h"
#include "render/geometry.h"

namespace pennatran {

namespace {

constexpr double kPi = std::numbers::pi;

// Points go straight into the box, or through a block placement first.
class TBoxSink {
 public:
  TBoxSink(TWorkingBox& box, const TPlacement* placement) : Box(box), Placement(placement) {}
  void Add(double x, double y) {
    if (Placement != nullptr) {
      IncludeMappedPoint(Box, *Placement, x, y);
    } else {
      IncludePoint(Box, x, y);
    }
  }
  // A point already in drawing coordinates.
  void AddDrawn(double x, double y) { IncludePoint(Box, x, y); }
  // A direction of the block mapped into the drawing: the placement without its move.
  TDrawPoint MapVector(double x, double y) const {
    if (Placement == nullptr) return {x, y};
    return {Placement->M11 * x + Placement->M12 * y, Placement->M21 * x + Placement->M22 * y};
  }
  const TPlacement* BlockPlacement() const { return Placement; }

 private:
  TWorkingBox& Box;
  const TPlacement* Placement;
};

void AddEllipsePoint(TBoxSink& sink, double cx, double cy, double r, double f, double tilt,
                     double t) {
  const TEllipse ellipse(cx, cy, r, f, tilt);
  const TDrawPoint p = ellipse.Place(ellipse.Local(t));
  sink.Add(p.X, p.Y);
}

// The parameters at which the ellipse, as drawn through the sink's placement, reaches
// furthest left, right, down and up: where the derivative of x or of y is zero. An ellipse
// whose axes lie along x and y has them at its axis ends.
std::array<double, 4> ExtremeParameters(const TBoxSink& sink, double r, double f, double tilt) {
  double ux = 0, uy = 0, vx = 0, vy = 0;
  RotatePoint(tilt, 0, 0, r, 0, ux, uy);
  RotatePoint(tilt, 0, 0, 0, r * f, vx, vy);
  const TDrawPoint u = sink.MapVector(ux, uy);
  const TDrawPoint v = sink.MapVector(vx, vy);
  const double tx = std::atan2(v.X, u.X);
  const double ty = std::atan2(v.Y, u.Y);
  return {tx, ty, tx + kPi, ty + kPi};
}

void AddEllipseBox(TBoxSink& sink, double cx, double cy, double r, double f, double tilt) {
  for (const double t : ExtremeParameters(sink, r, f, tilt)) {
    AddEllipsePoint(sink, cx, cy, r, f, tilt, t);
  }
}

double NormalizeDegrees(double deg) {
  double d = std::fmod(deg, 360.0);
  if (d < 0) d += 360.0;
  if (d >= 360.0) d -= 360.0;
  return d;
}

void AddArc(TBoxSink& sink, const TEntJwwArc& a) {
  if (a.FullCircle != 0) {
    AddEllipseBox(sink, a.CenterX, a.CenterY, a.Radius, a.Flatness, a.TiltAngle);
    return;
  }
  const double s = a.StartAngle;
  const double w = a.ArcAngle;
  AddEllipsePoint(sink, a.CenterX, a.CenterY, a.Radius, a.Flatness, a.TiltAngle, s);
  AddEllipsePoint(sink, a.CenterX, a.CenterY, a.Radius, a.Flatness, a.TiltAngle, s + w);
  double startDeg = NormalizeDegrees(s * 180 / kPi);
  double sweepDeg = w * 180 / kPi;
  if (sweepDeg < 0) {
    startDeg = NormalizeDegrees(startDeg + sweepDeg);
    sweepDeg = -sweepDeg;
  }
  for (const double t : ExtremeParameters(sink, a.Radius, a.Flatness, a.TiltAngle)) {
    double d = NormalizeDegrees(t * 180 / kPi) - startDeg;
    if (d < 0) d += 360;
    if (d <= sweepDeg)
      AddEllipsePoint(sink, a.CenterX, a.CenterY, a.Radius, a.Flatness, a.TiltAngle, t);
  }
}

void AddLine(TBoxSink& sink, const TEntJwwLine& l) {
  sink.Add(l.StartX, l.StartY);
  sink.Add(l.EndX, l.EndY);
}

void AddText(TBoxSink& sink, const TEntJwwText& t) {
  if (SamePoint(t.StartX, t.StartY, t.EndX, t.EndY)) return;
  sink.Add(t.StartX, t.StartY);
  sink.Add(t.EndX, t.EndY);
  // An image's frame as the preview draws it, turned and placed.
  const TPlacement* placement = sink.BlockPlacement();
  const std::optional<TImageCorners> corners =
      placement != nullptr ? ImageFrameCorners(*placement, t) : ImageFrameCorners(t);
  if (!corners) return;
  for (const TDrawPoint& corner : *corners) sink.AddDrawn(corner.X, corner.Y);
}

void AddDimension(TBoxSink& sink, const TEntJwwDimension& d) {
  AddLine(sink, d.Line);
  sink.Add(d.Text.StartX, d.Text.StartY);
  sink.Add(d.Text.EndX, d.Text.EndY);
  if (d.SxfMode != 0) {
    AddLine(sink, d.AuxLine1);
    AddLine(sink, d.AuxLine2);
  }
}

void AddSolid(TBoxSink& sink, const TEntJwwSolid& s) {
  if (s.Common.LineType <= 100) {
    sink.Add(s.StartX, s.StartY);
    sink.Add(s.EndX, s.EndY);
    sink.Add(s.Point2X, s.Point2Y);
    sink.Add(s.Point3X, s.Point3Y);
    return;
  }
  // An arc solid: its centre and the box of its whole ellipse.
  sink.Add(s.StartX, s.StartY);
  AddEllipseBox(sink, s.StartX, s.StartY, s.EndX, s.EndY, s.Point2X);
}

// The entities of a drawing or of a block definition.
void AddContents(TBoxSink& sink, const TEntityLists& lists) {
  for (const TEntJwwLine& l : lists.Lines) AddLine(sink, l);
  for (const TEntJwwArc& a : lists.Arcs) AddArc(sink, a);
  for (const TEntJwwPoint& p : lists.Points) sink.Add(p.X, p.Y);
  for (const TEntJwwText& t : lists.Texts) AddText(sink, t);
  for (const TEntJwwDimension& d : lists.Dimensions) AddDimension(sink, d);
  for (const TEntJwwSolid& s : lists.Solids) AddSolid(sink, s);
}

std::optional<TDrawPoint> SeedPoint(const TJwwData& doc) {
  if (!doc.Lines.empty()) return TDrawPoint{doc.Lines[0].StartX, doc.Lines[0].StartY};
  if (!doc.Arcs.empty()) return TDrawPoint{doc.Arcs[0].CenterX, doc.Arcs[0].CenterY};
  if (!doc.Points.empty()) return TDrawPoint{doc.Points[0].X, doc.Points[0].Y};
  if (!doc.Texts.empty()) {
    const TEntJwwText& t = doc.Texts[0];
    if (!SamePoint(t.StartX, t.StartY, t.EndX, t.EndY)) return TDrawPoint{t.StartX, t.StartY};
  }
  if (!doc.Dimensions.empty()) {
    const TEntJwwLine& l = doc.Dimensions[0].Line;
    return TDrawPoint{l.StartX, l.StartY};
  }
  if (!doc.Solids.empty()) return TDrawPoint{doc.Solids[0].StartX, doc.Solids[0].StartY};
  if (!doc.Inserts.empty()) return TDrawPoint{doc.Inserts[0].X, doc.Inserts[0].Y};
  return std::nullopt;
}

}  // namespace

void ClampBox(TWorkingBox& box) {
  if (box.MinX < -kExtentLimit) box.MinX = -kExtentLimit;
  if (box.MinY < -kExtentLimit) box.MinY = -kExtentLimit;
  if (box.MaxX > kExtentLimit) box.MaxX = kExtentLimit;
  if (box.MaxY > kExtentLimit) box.MaxY = kExtentLimit;
}

void SeedBox(TWorkingBox& box, double x, double y) {
  // A corrupt coordinate (NaN, infinite) would poison the box for good.
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  box = {x, y, x, y};
  ClampBox(box);
}

void IncludePoint(TWorkingBox& box, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (x < box.MinX) box.MinX = x;
  if (x > box.MaxX) box.MaxX = x;
  if (y < box.MinY) box.MinY = y;
  if (y > box.MaxY) box.MaxY = y;
  ClampBox(box);
}

void IncludeMappedPoint(TWorkingBox& box, const TPlacement& placement, double u, double v) {
  IncludePoint(box, placement.MapX(u, v), placement.MapY(u, v));
}

bool SamePoint(double x1, double y1, double x2, double y2) {
  return std::fabs(x1 - x2) <= 1e-14 && std::fabs(y1 - y2) <= 1e-14;
}

void ComputeExtents(TJwwData& doc, TWorkingBox& box) {
  if (const std::optional<TDrawPoint> seed = SeedPoint(doc)) SeedBox(box, seed->X, seed->Y);
  TBoxSink topLevel(box, nullptr);
  AddContents(topLevel, doc);
  for (const TEntJwwBlockTree& node : doc.BlockTree) {
    if (node.BlockIndex < 0 || node.BlockIndex >= doc.BlockDefCount()) continue;
    const TPlacement placement = TPlacement::FromTree(node);
    TBoxSink inBlock(box, &placement);
    AddContents(inBlock, doc.BlockDefs[node.BlockIndex]);
  }
  doc.ExtentMinX = box.MinX;
  doc.ExtentMinY = box.MinY;
  doc.ExtentMaxX = box.MaxX;
  doc.ExtentMaxY = box.MaxY;
}

}  // namespace pennatran
