// Small helpers that put entities into a drawing or a block definition the way a load
// leaves them: each record in its kind's array and its place in the order list.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "jww/jww_data.h"
#include "jww/text_encoding.h"

namespace pennatran::examples {

constexpr double kPi = 3.14159265358979323846;

// Layer, colour and line type of the entities added next.
struct TPen {
  uint16_t LayerGroup = 0;
  uint16_t Layer = 0;
  uint16_t Color = 2;
  uint8_t LineType = 1;
  uint16_t Width = 0;
  uint16_t Flags = 0;
};

inline TEntJwwCommon MakeCommon(const TPen& pen) {
  TEntJwwCommon c{};
  c.LineType = pen.LineType;
  c.Color = pen.Color;
  c.Width = pen.Width;
  c.Layer = pen.Layer;
  c.LayerGroup = pen.LayerGroup;
  c.Flags = pen.Flags;
  return c;
}

// Length of a text's base line: full-width characters are SizeX wide, half-width ones half
// of that, with Spacing (halved after a half-width character) between characters.
inline double TextLength(std::string_view sjis, double sizeX, double spacing) {
  double length = 0;
  double lastGap = 0;
  for (size_t i = 0; i < sjis.size(); ++i) {
    const auto b = static_cast<uint8_t>(sjis[i]);
    const bool full = (b >= 0x80 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFD);
    if (full) ++i;
    length += (full ? sizeX : sizeX / 2) + (full ? spacing : spacing / 2);
    lastGap = full ? spacing : spacing / 2;
  }
  return length - lastGap;
}

// Adds entities to the drawing itself or to a block definition.
class TEntitySink {
 public:
  // Texts too long for their records go to `strings`, the drawing's own store, so that
  // every text is held whole whatever its length.
  TEntitySink(TEntityLists& lists, TStringStore& strings) : Lists(lists), Strings(strings) {}

  TPen Pen;

  void Line(double x1, double y1, double x2, double y2) {
    Lists.Append(TEntJwwLine{MakeCommon(Pen), x1, y1, x2, y2});
  }
  void Polyline(std::initializer_list<std::pair<double, double>> points, bool closed) {
    const std::vector<std::pair<double, double>> p(points);
    for (size_t i = 0; i + 1 < p.size(); ++i)
      Line(p[i].first, p[i].second, p[i + 1].first, p[i + 1].second);
    if (closed && p.size() > 2) Line(p.back().first, p.back().second, p[0].first, p[0].second);
  }
  void Rect(double x1, double y1, double x2, double y2) {
    Polyline({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, true);
  }
  void Arc(double cx, double cy, double r, double start, double sweep, double tilt = 0,
           double flatness = 1) {
    Lists.Append(TEntJwwArc{MakeCommon(Pen), cx, cy, r, start, sweep, tilt, flatness, 0});
  }
  void Circle(double cx, double cy, double r, double tilt = 0, double flatness = 1) {
    Lists.Append(TEntJwwArc{MakeCommon(Pen), cx, cy, r, 0, 2 * kPi, tilt, flatness, 1});
  }
  // A plain point, or with code > 0 a marker (line type 100).
  void Point(double x, double y, int32_t code = 0, double angle = 0, double scale = 1,
             int32_t temporary = 0) {
    TEntJwwPoint p{MakeCommon(Pen), x, y, temporary, 0, 0, 0};
    if (code > 0) {
      p.Common.LineType = 100;
      p.Code = code;
      p.Angle = angle;
      p.Scale = scale;
    }
    Lists.Append(p);
  }
  // utf8 is converted to Shift-JIS; the base line runs from (x, y) at angle degrees.
  void Text(double x, double y, std::string_view utf8, double size, double angle = 0,
            uint32_t textKind = 1, double spacing = 0) {
    Lists.Append(MakeText(x, y, utf8, size, angle, textKind, spacing));
  }
  TEntJwwText MakeText(double x, double y, std::string_view utf8, double size, double angle,
                       uint32_t textKind, double spacing) const {
    const std::string sjis = Utf8ToSjis(utf8);
    const double length = TextLength(sjis, size, spacing);
    const double a = angle * kPi / 180;
    TEntJwwText t{};
    t.Common = MakeCommon(Pen);
    t.StartX = x;
    t.StartY = y;
    t.EndX = x + length * std::cos(a);
    t.EndY = y + length * std::sin(a);
    t.TextKind = textKind;
    t.SizeX = size;
    t.SizeY = size;
    t.Spacing = spacing;
    t.Angle = angle;
    t.FontName.Assign(Utf8ToSjis("ＭＳ ゴシック"), &Strings);
    t.Content.Assign(sjis, &Strings);
    return t;
  }
  void Solid(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
             uint32_t fillColor = 0) {
    Lists.Append(TEntJwwSolid{MakeCommon(Pen), x1, y1, x2, y2, x3, y3, x4, y4,
                              Pen.Color == 10 ? fillColor : 0});
  }
  // An arc solid: lineType 101 (form 100 ellipse, 0 sector, 5 segment), 105/106 (ring
  // sector with inner radius), 111 (stroked arc).
  void ArcSolid(uint8_t lineType, double cx, double cy, double r, double flatness, double tilt,
                double start, double sweep, double form, uint32_t fillColor = 0) {
    TPen saved = Pen;
    Pen.LineType = lineType;
    Solid(cx, cy, r, flatness, tilt, start, sweep, form, fillColor);
    Pen = saved;
  }
  void Insert(double x, double y, uint32_t blockNumber, double scaleX = 1, double scaleY = 1,
              double rotation = 0) {
    Lists.Append(TEntJwwBlockInsert{MakeCommon(Pen), x, y, scaleX, scaleY, rotation, blockNumber});
  }
  // A horizontal or sloped dimension from (x1, y1) to (x2, y2) measured on a dimension line
  // offset by `offset` to the left of that direction, with extension lines and arrows.
  void Dimension(double x1, double y1, double x2, double y2, double offset,
                 std::string_view valueUtf8, double textSize, uint16_t formatBits) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double length = std::hypot(dx, dy);
    const double ux = dx / length, uy = dy / length;
    const double nx = -uy * offset, ny = ux * offset;
    const double angle = std::atan2(dy, dx);
    TEntJwwDimension d{};
    d.Common = MakeCommon(Pen);
    d.Line = TEntJwwLine{MakeCommon(Pen), x1 + nx, y1 + ny, x2 + nx, y2 + ny};
    const std::string sjis = Utf8ToSjis(valueUtf8);
    const double textLength = TextLength(sjis, textSize, 0);
    const double mx = (x1 + x2) / 2 + nx - ux * textLength / 2 + (nx / offset) * 0.8;
    const double my = (y1 + y2) / 2 + ny - uy * textLength / 2 + (ny / offset) * 0.8;
    d.Text = MakeText(mx, my, valueUtf8, textSize, angle * 180 / kPi, 1, 0);
    d.Text.Common.Width = formatBits;
    d.SxfMode = 1;
    d.AuxLine1 =
        TEntJwwLine{MakeCommon(Pen), x1 + nx * 0.15, y1 + ny * 0.15, x1 + nx * 1.1, y1 + ny * 1.1};
    d.AuxLine2 =
        TEntJwwLine{MakeCommon(Pen), x2 + nx * 0.15, y2 + ny * 0.15, x2 + nx * 1.1, y2 + ny * 1.1};
    TEntJwwCommon arrow = MakeCommon(Pen);
    arrow.LineType = 100;
    d.Point1 = TEntJwwPoint{arrow, x1 + nx, y1 + ny, 0, 1, angle + kPi, 0.4};
    d.Point2 = TEntJwwPoint{arrow, x2 + nx, y2 + ny, 0, 1, angle, 0.4};
    d.AuxPoint1 = TEntJwwPoint{MakeCommon(Pen), x1, y1, 0, 0, 0, 0};
    d.AuxPoint2 = TEntJwwPoint{MakeCommon(Pen), x2, y2, 0, 0, 0, 0};
    Lists.Append(d);
  }

 private:
  TEntityLists& Lists;
  TStringStore& Strings;
};

}  // namespace pennatran::examples
