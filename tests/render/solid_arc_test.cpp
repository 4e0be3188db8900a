#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "render/solids.h"
#include "render_fixture.h"
#include "shape_trace.h"

namespace pennatran::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// Arc solids of the unit circle around the origin, seen at 1000 pixels per millimetre.
class ArcSolid : public RenderFixture {
 protected:
  ArcSolid() { SetView(-2, -2, 2, 2, 1000, 4000, 4000); }

  std::vector<TTracedShape> Draw(int32_t lineType, double sweep, double form, double f = 1,
                                 double start = 0) {
    canvas.Lines.clear();
    FillArcSolid(ctx, canvas, lineType, 0, 0, 1, f, 0, start, sweep, form);
    EXPECT_TRUE(ctx.PointBuffer.empty());
    return TracedShapes(Trace());
  }
};

TEST_F(ArcSolid, Form101ChoosesFullEllipseSectorSegmentOrTangentCorner) {
  const struct {
    double Form;
    size_t Count;
    double LastX, LastY;
  } rows[] = {
      {100, 72, std::cos(71 * kPi / 36), std::sin(71 * kPi / 36)},
      {0, 74, 0, 0},      // sector: closed through the centre
      {1e-15, 74, 0, 0},  // within the tolerance of the sector form
      {5, 73, 0, 1},      // segment: closed by the chord
      {3, 74, 1, 1},      // tangent corner: the two end tangents meet at (1, 1)
      {5.1, 74, 1, 1},
  };
  for (const auto& row : rows) {
    const auto shapes = Draw(101, kPi / 2, row.Form);
    ASSERT_EQ(shapes.size(), 1u) << row.Form;
    EXPECT_EQ(shapes[0].Kind, "polygon");
    ASSERT_EQ(shapes[0].Points.size(), row.Count) << row.Form;
    EXPECT_EQ(shapes[0].Points[0], Pixel(ctx, 1, 0)) << row.Form;
    EXPECT_EQ(shapes[0].Points.back(), Pixel(ctx, row.LastX, row.LastY)) << row.Form;
  }
}

TEST_F(ArcSolid, HalfCircleTangentsAreParallelSoTheCornerIsTheCentre) {
  const auto shapes = Draw(101, kPi, 3);
  ASSERT_EQ(shapes.size(), 1u);
  ASSERT_EQ(shapes[0].Points.size(), 74u);
  EXPECT_EQ(shapes[0].Points[72], Pixel(ctx, -1, 0));
  EXPECT_EQ(shapes[0].Points[73], Pixel(ctx, 0, 0));
}

TEST(ArcTangentApex, MeetsWhereTheEndTangentsCross) {
  const double h = std::numbers::sqrt2 / 2;
  const struct {
    const char* Name;
    double Cx, Cy, R, F, S, W, Theta;
    double X, Y;
  } rows[] = {
      {"quarter circle", 0, 0, 1, 1, 0, kPi / 2, 0, 1, 1},
      {"moved centre", 5, 7, 1, 1, 0, kPi / 2, 0, 6, 8},
      {"tilted a quarter turn", 0, 0, 1, 1, 0, kPi / 2, kPi / 2, -1, 1},
      {"flattened ellipse", 0, 0, 2, 0.5, 0, kPi / 2, 0, 2, 1},
      {"no vertical tangent", 0, 0, 1, 1, kPi / 4, kPi / 2, 0, 0, 2 * h},
      {"end tangent vertical", 0, 0, 1, 1, kPi / 2, kPi / 2, 0, -1, 1},
      {"parallel tangents", 3, 4, 1, 1, 0, kPi, 0, 3, 4},
      {"parallel sloped tangents", 3, 4, 1, 1, kPi / 4, kPi, 0, 3, 4},
  };
  for (const auto& row : rows) {
    const TDrawPoint p = ArcTangentApex(row.Cx, row.Cy, row.R, row.F, row.S, row.W, row.Theta);
    EXPECT_NEAR(p.X, row.X, 1e-9) << row.Name;
    EXPECT_NEAR(p.Y, row.Y, 1e-9) << row.Name;
  }
}

TEST_F(ArcSolid, RingSectorRunsOutAlongTheOuterArcAndBackAlongTheInner) {
  for (const int32_t lineType : {105, 106}) {
    const auto shapes = Draw(lineType, kPi / 2, 0.5);
    ASSERT_EQ(shapes.size(), 1u) << lineType;
    const auto& p = shapes[0].Points;
    ASSERT_EQ(p.size(), 146u) << lineType;
    EXPECT_EQ(p[0], Pixel(ctx, 1, 0));
    EXPECT_EQ(p[72], Pixel(ctx, 0, 1));
    // On a circle both kinds share the inner arc, from the sweep's end back to its start.
    EXPECT_EQ(p[73], Pixel(ctx, 0, 0.5)) << lineType;
    EXPECT_EQ(p[145], Pixel(ctx, 0.5, 0)) << lineType;
  }
}

TEST_F(ArcSolid, EvenRingKeepsTheBandEquallyWideOnAnEllipse) {
  // Outer semi-axes 1 and 0.5, inner radius 0.75: the plain ring keeps the flatness (inner
  // semi-axes 0.75 and 0.375), the even ring is 0.25 wide along both axes (0.75 and 0.25).
  const auto plain = Draw(105, kPi / 2, 0.75, 0.5);
  const auto even = Draw(106, kPi / 2, 0.75, 0.5);
  ASSERT_EQ(plain.size(), 1u);
  ASSERT_EQ(even.size(), 1u);
  EXPECT_EQ(plain[0].Points[73], Pixel(ctx, 0, 0.375));
  EXPECT_EQ(even[0].Points[73], Pixel(ctx, 0, 0.25));
  EXPECT_EQ(even[0].Points[145], Pixel(ctx, 0.75, 0));
}

TEST_F(ArcSolid, EvenRingWithZeroInnerRadiusClosesOnTheCentre) {
  const auto shapes = Draw(106, kPi / 2, 0, 0.5);
  ASSERT_EQ(shapes.size(), 1u);
  for (size_t i = 73; i < 146; ++i) EXPECT_EQ(shapes[0].Points[i], Pixel(ctx, 0, 0)) << i;
}

TEST_F(ArcSolid, Form111IsStrokedNotFilled) {
  const auto arc = Draw(111, kPi / 2, 0);
  ASSERT_EQ(arc.size(), 1u);
  EXPECT_EQ(arc[0].Kind, "polyline");
  EXPECT_EQ(arc[0].Points.size(), 73u);

  const auto full = Draw(111, 0, 100);
  ASSERT_EQ(full.size(), 1u);
  EXPECT_EQ(full[0].Kind, "polyline");
  ASSERT_EQ(full[0].Points.size(), 73u);
  EXPECT_EQ(full[0].Points.front(), full[0].Points.back());
}

TEST_F(ArcSolid, OtherLineTypesAboveOneHundredDrawNothing) {
  for (const int32_t lineType : {102, 103, 104, 107, 110, 112, 255}) {
    EXPECT_TRUE(Draw(lineType, kPi / 2, 0).empty()) << lineType;
  }
}

}  // namespace
}  // namespace pennatran::testing
