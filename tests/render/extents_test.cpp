#include "render/extents.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "entity_factory.h"
#include "render/draw_preview.h"
#include "render_fixture.h"

namespace pennatran {
namespace {

using namespace pennatran::testing;

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180;

struct TBoxValues {
  double MinX, MinY, MaxX, MaxY;
};

void ExpectExtents(const TJwwData& doc, TBoxValues expected) {
  EXPECT_NEAR(doc.ExtentMinX, expected.MinX, 1e-9);
  EXPECT_NEAR(doc.ExtentMinY, expected.MinY, 1e-9);
  EXPECT_NEAR(doc.ExtentMaxX, expected.MaxX, 1e-9);
  EXPECT_NEAR(doc.ExtentMaxY, expected.MaxY, 1e-9);
}

TBoxValues Extents(TJwwData& doc) {
  TWorkingBox box;
  ComputeExtents(doc, box);
  return {box.MinX, box.MinY, box.MaxX, box.MaxY};
}

TEST(ComputeExtents, ArcsIncludeTheAxisPointsTheySweep) {
  const double s10 = std::sin(10 * kDeg);
  const double s20 = std::sin(20 * kDeg);
  const struct {
    const char* Name;
    TEntJwwArc Arc;
    TBoxValues Expected;
  } rows[] = {
      // The first arc's centre seeds the box.
      {"quarter", Arc(0, 0, 10, 0, kPi / 2), {0, 0, 10, 10}},
      {"350_plus_20", Arc(0, 0, 10, 350 * kDeg, 20 * kDeg), {0, -10 * s10, 10, 10 * s10}},
      {"10_minus_30", Arc(0, 0, 10, 10 * kDeg, -30 * kDeg), {0, -10 * s20, 10, 10 * s10}},
      {"start_beyond_a_turn",
       Arc(0, 0, 10, (720 + 80) * kDeg, 20 * kDeg),
       {-10 * s10, 0, 10 * s10, 10}},
      {"full_ellipse", Arc(0, 0, 10, 0, 0, true, 0.5), {-10, -5, 10, 5}},
      {"open_half_left", Arc(5, 5, 10, kPi / 2, kPi), {-5, -5, 5, 15}},
  };
  for (const auto& r : rows) {
    TJwwData doc;
    doc.Arcs = {r.Arc};
    SCOPED_TRACE(r.Name);
    Extents(doc);
    ExpectExtents(doc, r.Expected);
  }
}

TEST(ComputeExtents, SeedComesFromTheFirstKindPresent) {
  TJwwData doc;
  doc.Texts = {Text(7, 7, 7, 7, "same point"), Text(20, 30, 25, 30, "text")};
  doc.Dimensions = {Dimension(Line(-3, -4, 40, -4))};
  // The first text adds nothing, so the first dimension line's start seeds the box.
  Extents(doc);
  ExpectExtents(doc, {-3, -4, 40, 30});

  TJwwData inserts;
  inserts.Inserts = {Insert(12, 34, 1)};
  Extents(inserts);
  ExpectExtents(inserts, {12, 34, 12, 34});
}

TEST(ComputeExtents, DrawingWithoutEntitiesKeepsThePreviousBox) {
  TWorkingBox box;
  TJwwData first;
  first.Lines = {Line(1, 2, 3, 4)};
  ComputeExtents(first, box);
  TJwwData empty;
  ComputeExtents(empty, box);
  ExpectExtents(empty, {1, 2, 3, 4});
  TJwwData onlyDegenerateText;
  onlyDegenerateText.Texts = {Text(50, 50, 50, 50, "^@BMa.bmp,40,30")};
  ComputeExtents(onlyDegenerateText, box);
  ExpectExtents(onlyDegenerateText, {1, 2, 3, 4});
}

TEST(ComputeExtents, ImageReferencesAddTheirFrameAsDrawn) {
  const double c45 = std::cos(45 * kDeg);
  TJwwData doc;
  doc.Lines = {Line(10, 10, 10, 10)};
  doc.Texts = {Text(10, 10, 12, 10, "^@BMpic.bmp,40,30,0,0,1,45")};
  Extents(doc);
  ExpectExtents(doc, {10 - 30 * c45, 10, 10 + 40 * c45, 10 + 70 * c45});

  doc.Texts = {Text(10, 10, 12, 10, "^@BMpic.bmp,40,30,0,0,1,180")};
  Extents(doc);
  ExpectExtents(doc, {-30, -20, 12, 10});

  doc.Texts = {Text(10, 10, 12, 10, "^@BMpic.bmp,40")};
  Extents(doc);
  ExpectExtents(doc, {10, 10, 50, 50});

  doc.Texts = {Text(10, 10, 12, 10, "^@BMpic.bmp")};
  Extents(doc);
  ExpectExtents(doc, {10, 10, 12, 10});

  // Inside a block the frame goes through the placement, here a quarter turn about (100, 0).
  TJwwData block;
  block.Lines = {Line(0, 0, 0, 0)};
  block.BlockDefs.resize(1);
  block.BlockDefs[0].Texts = {Text(10, 10, 12, 10, "^@BMpic.bmp,40,30")};
  TEntJwwBlockTree node;
  node.BlockIndex = 0;
  node.X = 100;
  node.M11 = 0, node.M12 = -1, node.M21 = 1, node.M22 = 0;
  block.BlockTree = {node};
  Extents(block);
  ExpectExtents(block, {0, 0, 90, 50});
}

TEST(ComputeExtents, TurnedEllipsesCountTheirWholeShape) {
  const double c45 = std::cos(45 * kDeg);
  const double c30 = std::cos(30 * kDeg);
  const double ellipseX = std::sqrt(100 * c30 * c30 + 25 * 0.25);  // r 10, flatness 0.5
  const double ellipseY = std::sqrt(100 * 0.25 + 25 * c30 * c30);
  const double diagonal = std::sqrt((100 + 25) / 2.0);
  TEntJwwBlockTree turned45;
  turned45.BlockIndex = 0;
  turned45.X = 50;
  turned45.M11 = c45, turned45.M12 = -c45, turned45.M21 = c45, turned45.M22 = c45;
  const struct {
    const char* Name;
    TEntJwwArc Arc;
    bool InBlock;
    TBoxValues Expected;
  } rows[] = {
      {"tilted circle", Arc(0, 0, 100, 0, 0, true, 1, 45 * kDeg), false, {-100, -100, 100, 100}},
      {"tilted ellipse",
       Arc(0, 0, 10, 0, 0, true, 0.5, 30 * kDeg),
       false,
       {-ellipseX, -ellipseY, ellipseX, ellipseY}},
      {"tilted quarter over the top",
       Arc(0, 0, 10, 0, kPi / 2, false, 1, 45 * kDeg),
       false,
       {-10 * c45, 0, 10 * c45, 10}},
      {"ellipse in a turned block",
       Arc(0, 0, 10, 0, 0, true, 0.5),
       true,
       {50 - diagonal, -diagonal, 50 + diagonal, diagonal}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Name);
    TJwwData doc;
    if (r.InBlock) {
      doc.Lines = {Line(50, 0, 50, 0)};
      doc.BlockDefs.resize(1);
      doc.BlockDefs[0].Arcs = {r.Arc};
      doc.BlockTree = {turned45};
    } else {
      doc.Arcs = {r.Arc};
    }
    Extents(doc);
    ExpectExtents(doc, r.Expected);
  }

  TJwwData solids;
  solids.Solids = {Solid(20, 20, 5, 0.5, kPi / 4, 0, 0, 0, Common(2, 101))};
  const double half = std::sqrt((25 + 6.25) / 2);
  Extents(solids);
  ExpectExtents(solids, {20 - half, 20 - half, 20 + half, 20 + half});
}

TEST(ComputeExtents, DimensionsSolidsAndPoints) {
  TJwwData doc;
  TEntJwwDimension dim = Dimension(Line(0, 0, 10, 0));
  dim.Text = Text(2, 1, 8, 1, "10");
  dim.AuxLine1 = Line(0, -50, 0, 0);
  dim.Point1 = Point(-70, 0);  // points of a dimension never count
  doc.Dimensions = {dim};
  Extents(doc);
  ExpectExtents(doc, {0, 0, 10, 1});
  doc.Dimensions[0].SxfMode = 1;
  Extents(doc);
  ExpectExtents(doc, {0, -50, 10, 1});

  TJwwData solids;
  solids.Solids = {Solid(0, 0, 4, 0, 4, 3, 0, 3)};
  TEntJwwSolid arcSolid = Solid(20, 20, 5, 0.5, kPi / 2, 0, 0, 0, Common(2, 101));
  solids.Solids.push_back(arcSolid);  // centre, radius, flatness, tilt
  solids.Points = {Point(-1, -2)};
  Extents(solids);
  ExpectExtents(solids, {-1, -2, 22.5, 25});
}

TEST(ComputeExtents, BlockContentsGoThroughTheirPlacement) {
  TJwwData doc;
  doc.Lines = {Line(0, 0, 1, 1)};
  doc.BlockDefs.resize(2);
  doc.BlockDefs[0].Arcs = {Arc(0, 0, 1, 0, 0, true)};
  doc.BlockDefs[1].Lines = {Line(-500, -500, 500, 500)};
  TEntJwwBlockTree placed;
  placed.BlockIndex = 0;
  placed.X = 100;
  placed.Y = 50;
  placed.M11 = 2;  // scaled along x
  TEntJwwBlockTree unmatched;
  unmatched.BlockIndex = -1;
  TEntJwwBlockTree outOfRange;
  outOfRange.BlockIndex = 7;
  doc.BlockTree = {placed, unmatched, outOfRange};
  Extents(doc);
  ExpectExtents(doc, {0, 0, 102, 51});
}

TEST(WorkingBox, ClampLimitsToOneHundredKilometres) {
  TJwwData doc;
  doc.Lines = {Line(0, 0, 5e8, 0), Line(0, 0, -7e8, -2e9)};
  Extents(doc);
  ExpectExtents(doc, {-1e8, -1e8, 1e8, 0});

  TWorkingBox box;
  SeedBox(box, 2e8, -3e8);
  EXPECT_EQ(box.MinX, 2e8);  // a minimum above the limit stays
  EXPECT_EQ(box.MaxX, 1e8);
  EXPECT_EQ(box.MinY, -1e8);
  EXPECT_EQ(box.MaxY, -3e8);  // a maximum below the limit stays
  IncludeMappedPoint(box, TPlacement{1, 1, 0, -1, 1, 0}, 3, 4);
  EXPECT_EQ(box.MinX, -3);
  EXPECT_EQ(box.MaxY, 4);
}

TEST(WorkingBox, CorruptCoordinatesAreIgnored) {
  TWorkingBox box{1, 2, 3, 4};
  TJwwData doc;
  doc.Lines = {Line(std::numeric_limits<double>::quiet_NaN(), 0, 10, 20),
               Line(5, std::numeric_limits<double>::infinity(), 6, 7)};
  ComputeExtents(doc, box);
  ExpectExtents(doc, {1, 2, 10, 20});
}

TEST_F(RenderFixture, FitFillsNineTenthsAndCentres) {
  TJwwData doc;
  doc.Lines = {Line(0, 0, 100, 50)};
  ComputeExtents(doc, ctx.WorkingBox);
  FitPreview(ctx, doc, 300, 168);
  const TPreviewMapping& m = ctx.Mapping;
  EXPECT_DOUBLE_EQ(m.Scale, 2.7);
  EXPECT_NEAR(m.ViewMinX, -5.5556, 1e-4);
  EXPECT_NEAR(m.ViewMaxX, 105.5556, 1e-4);
  EXPECT_NEAR(m.ViewMinY, -6.1111, 1e-4);
  EXPECT_NEAR(m.ViewMaxY, 56.1111, 1e-4);
  EXPECT_EQ(m.PixelWidth, 300);
  EXPECT_EQ(m.PixelHeight, 168);
  EXPECT_NEAR(m.ViewMaxX - m.ViewMinX, 300 / m.Scale, 1e-9);
}

TEST_F(RenderFixture, FitOfAVerticalLineTakesTheScaleFromTheHeight) {
  TJwwData doc;
  doc.Lines = {Line(5, 0, 5, 20)};
  ComputeExtents(doc, ctx.WorkingBox);
  FitPreview(ctx, doc, 101, 51);
  EXPECT_DOUBLE_EQ(ctx.Mapping.Scale, 51 / 20.0 * 0.9);
  // Odd sizes divide exactly: the centre stays on x = 5.
  EXPECT_DOUBLE_EQ((ctx.Mapping.ViewMinX + ctx.Mapping.ViewMaxX) / 2, 5);
  EXPECT_DOUBLE_EQ(ctx.Mapping.ViewMaxX - ctx.Mapping.ViewMinX, 101 / ctx.Mapping.Scale);
}

TEST_F(RenderFixture, StartStateIsCentredOnTheOrigin) {
  ResetPreviewMapping(ctx, 301, 167);
  EXPECT_DOUBLE_EQ(ctx.Mapping.Scale, 1.0);
  EXPECT_DOUBLE_EQ(ctx.Mapping.ViewMinX, -150.5);
  EXPECT_DOUBLE_EQ(ctx.Mapping.ViewMaxY, 83.5);
  EXPECT_EQ(ctx.Mapping.PixelWidth, 301);
}

}  // namespace
}  // namespace pennatran
