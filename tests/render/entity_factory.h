// Entity records for drawings built in memory.
#pragma once

#include "jww/jww_types.h"

namespace pennatran::testing {

inline TEntJwwCommon Common(uint16_t color = 2, uint8_t lineType = 1, uint16_t layer = 0,
                            uint16_t layerGroup = 0) {
  TEntJwwCommon c{};
  c.Color = color;
  c.LineType = lineType;
  c.Layer = layer;
  c.LayerGroup = layerGroup;
  return c;
}

inline TEntJwwLine Line(double x1, double y1, double x2, double y2,
                        TEntJwwCommon common = Common()) {
  TEntJwwLine l{};
  l.Common = common;
  l.StartX = x1;
  l.StartY = y1;
  l.EndX = x2;
  l.EndY = y2;
  return l;
}

inline TEntJwwArc Arc(double cx, double cy, double r, double start, double sweep,
                      bool fullCircle = false, double flatness = 1, double tilt = 0,
                      TEntJwwCommon common = Common()) {
  TEntJwwArc a{};
  a.Common = common;
  a.CenterX = cx;
  a.CenterY = cy;
  a.Radius = r;
  a.StartAngle = start;
  a.ArcAngle = sweep;
  a.Flatness = flatness;
  a.TiltAngle = tilt;
  a.FullCircle = fullCircle ? 1 : 0;
  return a;
}

inline TEntJwwText Text(double x1, double y1, double x2, double y2, std::string_view content,
                        TEntJwwCommon common = Common()) {
  TEntJwwText t{};
  t.Common = common;
  t.StartX = x1;
  t.StartY = y1;
  t.EndX = x2;
  t.EndY = y2;
  t.SizeX = t.SizeY = 3;
  t.Content.Assign(content);
  return t;
}

inline TEntJwwPoint Point(double x, double y, TEntJwwCommon common = Common()) {
  TEntJwwPoint p{};
  p.Common = common;
  p.X = x;
  p.Y = y;
  p.Scale = 1;
  return p;
}

inline TEntJwwSolid Solid(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4, TEntJwwCommon common = Common()) {
  TEntJwwSolid s{};
  s.Common = common;
  s.StartX = x1;
  s.StartY = y1;
  s.EndX = x2;
  s.EndY = y2;
  s.Point2X = x3;
  s.Point2Y = y3;
  s.Point3X = x4;
  s.Point3Y = y4;
  return s;
}

inline TEntJwwDimension Dimension(TEntJwwLine line, uint16_t sxfMode = 0) {
  TEntJwwDimension d{};
  d.Common = line.Common;
  d.Line = line;
  d.Text = Text(line.StartX, line.StartY, line.StartX, line.StartY, "", line.Common);
  d.SxfMode = sxfMode;
  return d;
}

inline TEntJwwBlockInsert Insert(double x, double y, uint32_t number) {
  TEntJwwBlockInsert b{};
  b.Common = Common();
  b.X = x;
  b.Y = y;
  b.ScaleX = b.ScaleY = 1;
  b.BlockNumber = number;
  return b;
}

}  // namespace pennatran::testing
