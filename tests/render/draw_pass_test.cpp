#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

#include "entity_factory.h"
#include "render/draw_preview.h"
#include "render/drawers.h"
#include "render_fixture.h"
#include "trace_points.h"

namespace pennatran {
namespace {

using namespace pennatran::testing;
using Lines = std::vector<std::string>;

class DrawPassTest : public RenderFixture {
 protected:
  // The "moveto"/"lineto" pairs and shapes of the trace, without pens and brushes.
  Lines Shapes() const {
    Lines shapes;
    for (const std::string& l : Trace()) {
      if (!StartsWith(l, "pen ") && !StartsWith(l, "brush ")) shapes.push_back(l);
    }
    return shapes;
  }
  size_t Count(const std::string& prefix) const {
    return static_cast<size_t>(std::count_if(Trace().begin(), Trace().end(),
                                             [&](const auto& l) { return StartsWith(l, prefix); }));
  }
  // The pen line in force when the trace line with this prefix was written.
  std::string PenBefore(const std::string& shape) const {
    std::string pen;
    for (const std::string& l : Trace()) {
      if (StartsWith(l, "pen ")) pen = l;
      if (l == shape) return pen;
    }
    return "";
  }

  TJwwData doc;
};

TEST_F(DrawPassTest, PreviewClearsFramesAndLeavesTheBrushClear) {
  DrawPreview(ctx, doc, canvas, 300, 168);
  EXPECT_EQ(Trace(), (Lines{"pen FFFFFF 1 solid", "brush FFFFFF solid", "rectangle 0 0 300 168",
                            "brush FFFFFF clear", "pen 0000FF 0 solid", "rectangle 0 0 299 167",
                            "brush FFFFFF clear"}));
}

TEST_F(DrawPassTest, FrameOfThinImagesIsALineOrNothing) {
  const struct {
    int32_t Width, Height;
    Lines Frame;
  } rows[] = {
      {3, 100, {"moveto 0 0", "lineto 0 99"}},
      {100, 3, {"moveto 0 0", "lineto 99 0"}},
      {3, 3, {}},
      {4, 4, {"rectangle 0 0 3 3"}},
  };
  for (const auto& r : rows) {
    canvas.Lines.clear();
    DrawPreview(ctx, doc, canvas, r.Width, r.Height);
    Lines shapes = Shapes();
    ASSERT_FALSE(shapes.empty());
    shapes.erase(shapes.begin());  // the clearing rectangle
    EXPECT_EQ(shapes, r.Frame) << r.Width << "x" << r.Height;
  }
}

TEST_F(DrawPassTest, BlackBackgroundClearsInBlack) {
  att.SetBackMode(BackgroundMode::Black);
  DrawPreview(ctx, doc, canvas, 10, 10);
  EXPECT_EQ(Trace()[0], "pen 000000 1 solid");
  EXPECT_EQ(Trace()[1], "brush 000000 solid");
}

TEST_F(DrawPassTest, LayerStatesAndTheAuxiliaryRuleDecideVisibility) {
  att.SetLayer(1 * 16 + 0, 3);  // a whole hidden group, as ApplyLayerStates leaves it
  att.SetLayer(0 * 16 + 5, 2);  // display only
  doc.Lines = {
      Line(10, 10, 20, 10, Common(2, 1)),        // drawn
      Line(10, 11, 20, 11, Common(2, 9)),        // auxiliary line type
      Line(10, 12, 20, 12, Common(9, 1)),        // auxiliary colour
      Line(10, 13, 20, 13, Common(2, 1, 0, 1)),  // hidden layer
      Line(10, 14, 20, 14, Common(3, 2, 5, 0)),  // grey, dotted
  };
  doc.Arcs = {Arc(50, 25, 5, 0, 1, false, 1, 0, Common(2, 9)),
              Arc(50, 25, 5, 0, 1, false, 1, 0, Common(102, 31))};
  DrawEntities(ctx, doc, canvas);
  EXPECT_EQ(Count("moveto"), 2u);
  EXPECT_EQ(Count("polyline"), 1u);
  EXPECT_EQ(PenBefore("lineto 20 40"), "pen 000000 0 solid");
  EXPECT_EQ(PenBefore("lineto 20 36"), "pen 808080 0 dot");
  EXPECT_EQ(PenBefore(Trace().back()), "pen FF0000 0 solid");
}

TEST_F(DrawPassTest, AuxiliaryPointsGoByColourOnly) {
  doc.Points = {Point(50, 25, Common(9, 1))};
  DrawEntities(ctx, doc, canvas);
  EXPECT_TRUE(Shapes().empty());
  doc.Points = {Point(50, 25, Common(2, 9))};
  DrawEntities(ctx, doc, canvas);
  EXPECT_FALSE(Shapes().empty());
}

TEST_F(DrawPassTest, ImageFramesUnderSolidsUnderLines) {
  doc.Lines = {Line(10, 10, 20, 10)};
  doc.Solids = {Solid(30, 10, 40, 10, 40, 20, 30, 20)};
  doc.Texts = {Text(60, 10, 70, 10, "^@BMpicture.bmp,10,10")};
  DrawEntities(ctx, doc, canvas);
  const Lines shapes = Shapes();
  ASSERT_EQ(shapes.size(), 4u);
  EXPECT_TRUE(StartsWith(shapes[0], "polygon 4 60 40 ")) << shapes[0];
  EXPECT_TRUE(StartsWith(shapes[1], "polygon 4 30 40 ")) << shapes[1];
  EXPECT_EQ(shapes[2], "moveto 10 40");
}

TEST_F(DrawPassTest, LinesBeforeArcsAndBlockContentsOverEverything) {
  doc.Arcs = {Arc(50, 25, 5, 0, 2 * std::numbers::pi, true)};
  doc.Lines = {Line(10, 10, 20, 10)};
  doc.BlockDefs.resize(1);
  doc.BlockDefs[0].Lines = {Line(0, 0, 10, 0)};
  doc.BlockDefs[0].Arcs = {Arc(0, 0, 1, 0, 1)};
  TEntJwwBlockTree node;
  node.Common = Common(2, 1, 0, 1);
  node.BlockIndex = 0;
  node.X = 30;
  node.Y = 5;
  node.M11 = 2;
  doc.BlockTree = {node};
  att.SetLayer(16, 3);  // the placement's own layer is hidden: its contents still draw
  DrawEntities(ctx, doc, canvas);
  const Lines shapes = Shapes();
  ASSERT_EQ(shapes.size(), 6u);
  EXPECT_EQ(shapes[0], "moveto 10 40");
  EXPECT_TRUE(StartsWith(shapes[2], "polygon 72 "));
  EXPECT_EQ(shapes[3], "moveto 30 45");
  EXPECT_EQ(shapes[4], "lineto 50 45");
  EXPECT_TRUE(StartsWith(shapes[5], "polyline 73 "));
}

TEST_F(DrawPassTest, BlockEntriesSetTheCurrentScaleEvenWithoutADefinition) {
  doc.LayerGroups.assign(16, TEntJwwLayerGroup{});
  doc.LayerGroups[3].Scale = 50;
  TEntJwwBlockTree node;
  node.Common = Common(2, 1, 0, 3);
  node.BlockIndex = -1;
  doc.BlockTree = {node};
  DrawEntities(ctx, doc, canvas);
  EXPECT_DOUBLE_EQ(ctx.CurrentScale, 50);
}

TEST_F(DrawPassTest, EscapeHeldFromTheStartStopsBeforeTheSolids) {
  doc.Solids = {Solid(10, 10, 20, 10, 20, 20, 10, 20)};
  doc.Lines = {Line(10, 10, 20, 10)};
  int polls = 0;
  ctx.EscapePressed = [&] { return ++polls > 0; };
  DrawEntities(ctx, doc, canvas);
  EXPECT_TRUE(Trace().empty());
  EXPECT_EQ(polls, 1);
}

TEST_F(DrawPassTest, EscapeDuringTheLinesStopsAtTheNextTenthLine) {
  for (int i = 0; i < 25; ++i) doc.Lines.push_back(Line(10, 10 + i, 20, 10 + i));
  doc.Arcs = {Arc(50, 25, 5, 0, 1)};
  ctx.EscapePressed = [&] { return Count("lineto") >= 13; };
  DrawEntities(ctx, doc, canvas);
  EXPECT_EQ(Count("lineto"), 21u);
  EXPECT_EQ(Count("polyline"), 0u);
}

TEST_F(DrawPassTest, PollsOncePerTenEntriesAndBetweenLists) {
  for (int i = 0; i < 25; ++i) doc.Lines.push_back(Line(10, 10 + i, 20, 10 + i));
  int polls = 0;
  ctx.EscapePressed = [&] { return ++polls < 0; };
  DrawEntities(ctx, doc, canvas);
  // After images, solids, lines, arcs, points, texts, dimensions; lines 0, 10 and 20.
  EXPECT_EQ(polls, 7 + 3);
}

TEST_F(DrawPassTest, DimensionPartsFollowSxfModeAndTheAuxiliaryRule) {
  att.SetLayer(7, 3);
  TEntJwwDimension plain = Dimension(Line(10, 10, 90, 10));
  plain.AuxLine1 = Line(10, 5, 10, 10);
  TEntJwwDimension sxf = Dimension(Line(10, 20, 90, 20), 1);
  sxf.AuxLine1 = Line(10, 15, 10, 20);
  sxf.AuxLine2 = Line(90, 15, 90, 20, Common(9, 1));  // auxiliary: hidden
  sxf.Line.Common = Common(2, 1, 7, 0);               // its own layer hidden: left out
  TEntJwwDimension hidden = Dimension(Line(10, 30, 90, 30, Common(2, 1, 7, 0)));
  doc.Dimensions = {plain, sxf, hidden};
  DrawEntities(ctx, doc, canvas);
  const Lines moves = [&] {
    Lines m;
    for (const std::string& l : Shapes()) {
      if (StartsWith(l, "moveto") || StartsWith(l, "lineto")) m.push_back(l);
    }
    return m;
  }();
  EXPECT_EQ(moves, (Lines{"moveto 10 40", "lineto 90 40", "moveto 10 35", "lineto 10 30"}));
}

TEST_F(DrawPassTest, BlockLinesAndArcsAreMappedThroughThePlacement) {
  const TPlacement turn{50, 25, 0, -1, 1, 0};
  DrawLine(ctx, canvas, Line(0, 0, 10, 0), &turn);
  DrawArc(ctx, canvas, Arc(0, 0, 10, 0, 0, true), &turn);
  const Lines shapes = Shapes();
  ASSERT_EQ(shapes.size(), 3u);
  EXPECT_EQ(shapes[0], "moveto 50 25");
  EXPECT_EQ(shapes[1], "lineto 50 15");
  EXPECT_EQ(TracePoints(shapes[2])[0], (TPixelPoint{50, 15}));
}

}  // namespace
}  // namespace pennatran
