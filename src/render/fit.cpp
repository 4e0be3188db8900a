#include <algorithm>
#include <cmath>

#include "render/draw_preview.h"

namespace pennatran {

namespace {

// A zero extent is replaced by this before dividing, so the scale stays finite.
constexpr double kMinExtent = 1e-14;
// The drawing fills this share of the image in its tighter direction.
constexpr double kFillShare = 0.9;

double SpanOf(double min, double max) {
  const double span = std::fabs(max - min);
  return span <= kMinExtent ? kMinExtent : span;
}

}  // namespace

void ResetPreviewMapping(TRenderContext& ctx, int32_t pixelWidth, int32_t pixelHeight) {
  TPreviewMapping& m = ctx.Mapping;
  m.PixelWidth = pixelWidth;
  m.PixelHeight = pixelHeight;
  m.Scale = 1.0;
  m.ViewMinX = -pixelWidth / 2.0;
  m.ViewMinY = -pixelHeight / 2.0;
  m.ViewMaxX = pixelWidth / 2.0;
  m.ViewMaxY = pixelHeight / 2.0;
}

void FitPreview(TRenderContext& ctx, const TJwwData& doc, int32_t pixelWidth, int32_t pixelHeight) {
  TPreviewMapping& m = ctx.Mapping;
  m.PixelWidth = pixelWidth;
  m.PixelHeight = pixelHeight;
  const double sx = pixelWidth / SpanOf(doc.ExtentMinX, doc.ExtentMaxX) * kFillShare;
  const double sy = pixelHeight / SpanOf(doc.ExtentMinY, doc.ExtentMaxY) * kFillShare;
  m.Scale = std::min(sx, sy);
  const double cx = (doc.ExtentMaxX + doc.ExtentMinX) / 2;
  const double cy = (doc.ExtentMaxY + doc.ExtentMinY) / 2;
  if (!(m.Scale > 0)) {
    // An image without pixels shows nothing: an empty window clips every shape away.
    m.ViewMinX = m.ViewMaxX = cx;
    m.ViewMinY = m.ViewMaxY = cy;
    return;
  }
  m.ViewMinX = cx - pixelWidth / 2.0 / m.Scale;
  m.ViewMinY = cy - pixelHeight / 2.0 / m.Scale;
  m.ViewMaxX = cx + pixelWidth / 2.0 / m.Scale;
  m.ViewMaxY = cy + pixelHeight / 2.0 / m.Scale;
}

}  // namespace pennatran
