// A render context over fresh attributes and a recording canvas, with a simple view.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attributes/preview_attributes.h"
#include "render/recording_canvas.h"
#include "render/render_context.h"

namespace pennatran::testing {

class RenderFixture : public ::testing::Test {
 protected:
  RenderFixture() {
    ctx.Attributes = &att;
    // 100 x 50 mm at one pixel per millimetre: pixel x = x, pixel y = 50 - y.
    SetView(0, 0, 100, 50, 1.0, 100, 50);
  }

  void SetView(double minX, double minY, double maxX, double maxY, double scale, int32_t width,
               int32_t height) {
    ctx.Mapping = {minX, minY, maxX, maxY, scale, width, height};
  }

  void SetPoints(std::initializer_list<TDrawPoint> points) { ctx.PointBuffer = points; }

  const std::vector<std::string>& Trace() const { return canvas.Lines; }

  PreviewAttributes att;
  TRenderContext ctx;
  TRecordingCanvas canvas;
};

}  // namespace pennatran::testing
