#include "render/text_layout.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "jww/text_encoding.h"
#include "render/geometry.h"
#include "render/output.h"

namespace pennatran {
namespace {

constexpr double kIdentityTolerance = 1e-14;
constexpr double kMinimumMetric = 0.0001;
constexpr size_t kDrawnColumns = 255;

bool IsIdentity(const TPlacement& p) {
  return std::abs(p.M11 - 1) <= kIdentityTolerance && std::abs(p.M12) <= kIdentityTolerance &&
         std::abs(p.M21) <= kIdentityTolerance && std::abs(p.M22 - 1) <= kIdentityTolerance;
}

// Half-up to 4 decimals, symmetric about zero.
double RoundMetric(double v) {
  const double magnitude = std::trunc(std::abs(v) * 10000 + 0.5) / 10000;
  return v < 0 ? -magnitude : magnitude;
}

// The lower bound holds for the magnitude, so that a mirrored (negative) width or a
// hanging (negative) height keeps its meaning.
double AtLeastMinimum(double v) {
  if (std::abs(v) >= kMinimumMetric) return v;
  return std::signbit(v) ? -kMinimumMetric : kMinimumMetric;
}

TTextFrame Finish(TTextFrame frame) {
  frame.W = AtLeastMinimum(RoundMetric(frame.W));
  frame.H = AtLeastMinimum(RoundMetric(frame.H));
  frame.S = RoundMetric(frame.S);
  return frame;
}

TTextFrame MapBaseLine(const TPlacement& p, const TTextFrame& frame) {
  TTextFrame mapped = frame;
  mapped.X1 = p.MapX(frame.X1, frame.Y1);
  mapped.Y1 = p.MapY(frame.X1, frame.Y1);
  mapped.X2 = p.MapX(frame.X2, frame.Y2);
  mapped.Y2 = p.MapY(frame.X2, frame.Y2);
  return mapped;
}

// Length of the linear part of the placement applied to (dx, dy).
double MappedLength(const TPlacement& p, double dx, double dy) {
  return std::hypot(p.M11 * dx + p.M12 * dy, p.M21 * dx + p.M22 * dy);
}

}  // namespace

int32_t TextStyleCode(uint32_t textKind) {
  if (textKind < 10000) return 0;
  if (textKind < 20000) return kStyleItalic;
  if (textKind < 30000) return kStyleBold;
  return kStyleBold | kStyleItalic;
}

TTextFrame TextFrameOf(const TEntJwwText& text) {
  TTextFrame frame{text.StartX, text.StartY, text.EndX,   text.EndY,
                   text.SizeY,  text.SizeX,  text.Spacing};
  if (text.Common.Flags & kTextVerticalFlag) std::swap(frame.H, frame.W);
  return frame;
}

std::string_view DrawnPart(std::string_view stored) {
  // No character takes more Shift-JIS bytes than it takes here: a short text is all drawn.
  if (stored.size() <= kDrawnColumns) return stored;
  return stored.substr(0, PrefixWithinColumns(stored, kDrawnColumns));
}

std::string_view DrawnContent(const TEntJwwText& text) {
  return DrawnPart(text.Content.View());
}

std::string TextFaceName(const TEntJwwText& text) {
  std::string face;
  if (text.Common.Flags & kTextVerticalFlag) face += '@';
  face += DrawnPart(text.FontName.View());
  return face;
}

void SetTextPen(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
                std::optional<TColor> overrideColor) {
  SetEntityPen(ctx, canvas, text.Common.LayerIndex(), text.Common.Color, kSolidLineType);
  if (overrideColor) {
    canvas.SetPen(*overrideColor, 0, TPenStyle::Solid);
    canvas.SetFontColor(*overrideColor);
  }
}

void PublishLayerGroupScale(TRenderContext& ctx, int32_t layerGroup) {
  if (layerGroup >= 0 && static_cast<size_t>(layerGroup) < ctx.LayerGroupScales.size()) {
    ctx.CurrentScale = ctx.LayerGroupScales[static_cast<size_t>(layerGroup)];
  }
}

TTextFrame MapTextThroughMatrix(const TPlacement& placement, const TTextFrame& frame) {
  TTextFrame mapped = MapBaseLine(placement, frame);
  const double theta = DirectionAngle(frame.X2 - frame.X1, frame.Y2 - frame.Y1);
  const double ux = std::cos(theta), uy = std::sin(theta);
  const double nx = std::cos(theta + std::numbers::pi / 2);
  const double ny = std::sin(theta + std::numbers::pi / 2);
  const double unitLength = MappedLength(placement, ux, uy);
  // A negative width turns the characters half round; the placement keeps that.
  mapped.W = frame.W * unitLength;
  mapped.S = std::abs(frame.S) * unitLength;

  // Height: distance of the mapped top of the cell from the mapped base line.
  const double hx = placement.M11 * nx * frame.H + placement.M12 * ny * frame.H;
  const double hy = placement.M21 * nx * frame.H + placement.M22 * ny * frame.H;
  const double bx = mapped.X2 - mapped.X1, by = mapped.Y2 - mapped.Y1;
  const double baseLength = std::hypot(bx, by);
  mapped.H = baseLength > 0 ? std::abs(bx * hy - by * hx) / baseLength : std::hypot(hx, hy);

  if (placement.M11 * placement.M22 < 0) {
    std::swap(mapped.X1, mapped.X2);
    std::swap(mapped.Y1, mapped.Y2);
  }
  return Finish(mapped);
}

TTextFrame MapTextToPlacement(const TPlacement& placement, const TTextFrame& frame) {
  if (IsIdentity(placement)) return Finish(MapBaseLine(placement, frame));
  return MapTextThroughMatrix(placement, frame);
}

}  // namespace pennatran
