// Image references: a text that names a raster image is shown in the preview as the
// image's rotated, hatched frame; the image file itself is never opened.
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>

#include "render/drawers.h"
#include "render/geometry.h"
#include "render/output.h"

namespace pennatran {

namespace {

constexpr std::string_view kImageMark = "^@BM";
constexpr int32_t kBackwardHatch = 5;

struct TImageFrame {
  double Width = 0;
  double Height = 0;
  double Rotation = 0;  // degrees, counter-clockwise
};

// Reads the numbers after the image path: width, height, three values the preview does not
// use, and the rotation. The last piece read runs to the end of the text, so a sixth number
// followed by a further comma is no number and counts as 0.
TImageFrame ParseImageFrame(std::string_view numbers) {
  if (numbers.find(',') == std::string_view::npos) {
    const double size = ParseNumber(numbers);
    return {size, size, 0};
  }
  std::array<double, 6> values{0, 0, 0, 0, 1, 0};
  for (size_t i = 0; i < values.size(); ++i) {
    const size_t comma = numbers.find(',');
    if (i + 1 == values.size() || comma == std::string_view::npos) {
      values[i] = ParseNumber(numbers);
      break;
    }
    values[i] = ParseNumber(numbers.substr(0, comma));
    numbers.remove_prefix(comma + 1);
  }
  return {values[0], values[1], values[5]};
}

// The frame's corners: its anchor, then counter-clockwise in the image's own axes.
TImageCorners FrameCorners(double x0, double y0, const TImageFrame& frame) {
  const double turn = frame.Rotation * std::numbers::pi / 180;
  const double x1 = x0 + frame.Width;
  const double y1 = y0 + frame.Height;
  const auto turned = [&](double x, double y) {
    TDrawPoint p;
    RotatePoint(turn, x0, y0, x, y, p.X, p.Y);
    return p;
  };
  return {{{x0, y0}, turned(x1, y0), turned(x1, y1), turned(x0, y1)}};
}

void DrawFrame(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
               const TImageCorners& corners) {
  const int32_t layer = text.Common.LayerIndex();
  SetEntityPen(ctx, canvas, layer, text.Common.Color, kSolidLineType);
  SetEntityBrush(ctx, canvas, layer, text.Common.Color, kBackwardHatch);
  ctx.PointBuffer.assign(corners.begin(), corners.end());
  OutputPolygon(ctx, canvas);
  ctx.PointBuffer.clear();
}

// The numbers after the first comma, or false when the text is no image reference.
bool ImageNumbers(const TEntJwwText& text, std::string_view& numbers) {
  if (!IsImageReference(text)) return false;
  const std::string_view content = DrawnContent(text);
  numbers = content.substr(content.find(',') + 1);
  return true;
}

double DegreesInRange(double degrees) {
  while (degrees >= 360) degrees -= 360;
  while (degrees < 0) degrees += 360;
  return degrees;
}

}  // namespace

bool IsImageReference(const TEntJwwText& text) {
  const std::string_view content = DrawnContent(text);
  return content.starts_with(kImageMark) && content.find(',') != std::string_view::npos;
}

std::optional<TImageCorners> ImageFrameCorners(const TEntJwwText& text) {
  std::string_view numbers;
  if (!ImageNumbers(text, numbers)) return std::nullopt;
  return FrameCorners(text.StartX, text.StartY, ParseImageFrame(numbers));
}

std::optional<TImageCorners> ImageFrameCorners(const TPlacement& placement,
                                               const TEntJwwText& text) {
  std::string_view numbers;
  if (!ImageNumbers(text, numbers)) return std::nullopt;
  const TImageFrame frame = ParseImageFrame(numbers);
  // The frame stays a rectangle: its sides and turn are measured through the placement
  // along the text's own direction.
  const double x0 = text.StartX;
  const double y0 = text.StartY;
  const double along = DirectionAngle(text.EndX - text.StartX, text.EndY - text.StartY);
  const double turn = frame.Rotation * std::numbers::pi / 180;
  const double px = placement.MapX(x0, y0);
  const double py = placement.MapY(x0, y0);
  const auto mappedLength = [&](double x, double y) {
    return Distance(px, py, placement.MapX(x, y), placement.MapY(x, y));
  };
  TImageFrame mapped;
  mapped.Width =
      mappedLength(x0 + frame.Width * std::cos(along), y0 + frame.Width * std::sin(along));
  mapped.Height =
      mappedLength(x0 - frame.Height * std::sin(along), y0 + frame.Height * std::cos(along));
  const double rx = x0 + frame.Width * std::cos(turn);
  const double ry = y0 + frame.Width * std::sin(turn);
  mapped.Rotation =
      DegreesInRange(DirectionAngle(placement.MapX(rx, ry) - px, placement.MapY(rx, ry) - py) *
                     180 / std::numbers::pi);
  return FrameCorners(px, py, mapped);
}

void DrawImageRef(TRenderContext& ctx, TCanvas& canvas, const TEntJwwText& text,
                  const TPlacement* placement) {
  const std::optional<TImageCorners> corners =
      placement != nullptr ? ImageFrameCorners(*placement, text) : ImageFrameCorners(text);
  if (corners) DrawFrame(ctx, canvas, text, *corners);
}

}  // namespace pennatran
