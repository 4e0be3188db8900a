#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "render/drawers.h"
#include "render_fixture.h"
#include "shape_trace.h"

namespace pennatran::testing {
namespace {

constexpr double kPi = std::numbers::pi;

TEntJwwText ImageText(const std::string& content, double x = 10, double y = 20) {
  TEntJwwText t{};
  t.Common.Color = 1;
  t.StartX = x, t.StartY = y, t.EndX = x + 5, t.EndY = y;
  t.Content.Assign(content);
  return t;
}

// Frames seen at 10 pixels per millimetre over (-50, -50) .. (100, 100).
class ImageFrame : public RenderFixture {
 protected:
  ImageFrame() { SetView(-50, -50, 100, 100, 10, 1500, 1500); }

  std::vector<TTracedShape> Draw(const TEntJwwText& text) {
    canvas.Lines.clear();
    DrawImageRef(ctx, canvas, text);
    EXPECT_TRUE(ctx.PointBuffer.empty());
    return TracedShapes(Trace());
  }
  std::vector<TTracedShape> Draw(const TEntJwwText& text, const TPlacement& placement) {
    canvas.Lines.clear();
    DrawImageRef(ctx, canvas, text, &placement);
    return TracedShapes(Trace());
  }

  std::vector<TPixelPoint> Corners(std::initializer_list<TDrawPoint> points) const {
    std::vector<TPixelPoint> out;
    for (const TDrawPoint& p : points) out.push_back(Pixel(ctx, p.X, p.Y));
    return out;
  }
};

TEST_F(ImageFrame, RecognitionNeedsTheExactMarkAndAComma) {
  const struct {
    const char* Content;
    bool Image;
  } rows[] = {
      {"^@BM%temp%pic.bmp,40,30", true},
      {"^@BMpic.bmp,40", true},
      {"^@BM,", true},
      {"^@BMpic.bmp", false},
      {"^@bmpic.bmp,40,30", false},
      {"x^@BMpic.bmp,40,30", false},
      {"^@B", false},
      {"", false},
  };
  for (const auto& row : rows) {
    const TEntJwwText text = ImageText(row.Content);
    EXPECT_EQ(IsImageReference(text), row.Image) << row.Content;
    EXPECT_EQ(Draw(text).empty(), !row.Image) << row.Content;
  }
}

TEST_F(ImageFrame, NumbersGiveSizeAndRotation) {
  const struct {
    const char* Content;
    std::initializer_list<TDrawPoint> Corners;
  } rows[] = {
      {"^@BMpic.bmp,40,30", {{10, 20}, {50, 20}, {50, 50}, {10, 50}}},
      {"^@BMpic.bmp,40", {{10, 20}, {50, 20}, {50, 60}, {10, 60}}},
      {"^@BMpic.bmp,40,30,0,0,1,90", {{10, 20}, {10, 60}, {-20, 60}, {-20, 20}}},
      {"^@BMpic.bmp,40,30,7,8,9,-90", {{10, 20}, {10, -20}, {40, -20}, {40, 20}}},
      // A seventh number spoils the sixth, which then counts as 0.
      {"^@BMpic.bmp,40,30,0,0,1,90,5", {{10, 20}, {50, 20}, {50, 50}, {10, 50}}},
      // Pieces that are no numbers count as 0.
      {"^@BMpic.bmp,40,abc", {{10, 20}, {50, 20}, {50, 20}, {10, 20}}},
      {"^@BMa,b.bmp,40,30", {{10, 20}, {10, 20}, {10, 60}, {10, 60}}},
  };
  for (const auto& row : rows) {
    const auto shapes = Draw(ImageText(row.Content));
    ASSERT_EQ(shapes.size(), 1u) << row.Content;
    EXPECT_EQ(shapes[0].Kind, "polygon");
    EXPECT_EQ(shapes[0].Pen, "pen 00C0C0 0 solid");
    EXPECT_EQ(shapes[0].Brush, "brush 00C0C0 bdiagonal");
    EXPECT_EQ(shapes[0].Points, Corners(row.Corners)) << row.Content;
  }
}

TEST_F(ImageFrame, PlacementCarriesSizeAndTurnButKeepsARectangle) {
  const double c = std::cos(kPi / 6);
  const double s = std::sin(kPi / 6);
  const struct {
    const char* Name;
    const char* Content;
    TPlacement Placement;
    std::initializer_list<TDrawPoint> Corners;
  } rows[] = {
      {"both scales 2, turned by 30 degrees",
       "^@BMpic.bmp,40,30",
       {5, -10, 2 * c, -2 * s, 2 * s, 2 * c},
       {{5, -10},
        {5 + 80 * c, -10 + 80 * s},
        {5 + 80 * c - 60 * s, -10 + 80 * s + 60 * c},
        {5 - 60 * s, -10 + 60 * c}}},
      // Mirrored along x, stretched along y: width 20 stays, height 10 becomes 20, and the
      // 90 degree turn measured through the placement stays 90 degrees.
      {"mirrored and stretched",
       "^@BMpic.bmp,20,10,0,0,1,90",
       {20, 0, -1, 0, 0, 2},
       {{20, 0}, {20, 20}, {0, 20}, {0, 0}}},
  };
  for (const auto& row : rows) {
    const auto shapes = Draw(ImageText(row.Content, 0, 0), row.Placement);
    ASSERT_EQ(shapes.size(), 1u) << row.Name;
    EXPECT_EQ(shapes[0].Points, Corners(row.Corners)) << row.Name;
  }
}

}  // namespace
}  // namespace pennatran::testing
