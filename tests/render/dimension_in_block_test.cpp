#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jww/sjis.h"
#include "render/drawers.h"
#include "render/text_layout.h"
#include "render_fixture.h"

namespace pennatran {
namespace {

using testing::RenderFixture;

TEntJwwLine LineOf(uint16_t color, double x1, double y1, double x2, double y2) {
  TEntJwwLine line{};
  line.Common.LineType = 1;
  line.Common.Color = color;
  line.StartX = x1;
  line.StartY = y1;
  line.EndX = x2;
  line.EndY = y2;
  return line;
}

TEntJwwPoint PointOf(uint16_t color, double x, double y) {
  TEntJwwPoint point{};
  point.Common.Color = color;
  point.X = x;
  point.Y = y;
  point.Scale = 1;
  return point;
}

// A horizontal 10 mm dimension whose value text "999" (2.5 mm high, 2 mm wide, 0.5 mm
// spacing) sits on the base line (0, 1)-(10, 1), with its own colour on every part.
TEntJwwDimension MakeDimension(uint16_t formatBits, uint16_t sxfMode) {
  TEntJwwDimension dim{};
  dim.Line = LineOf(1, 0, 0, 10, 0);
  dim.Text.Common.Color = 2;
  dim.Text.Common.Width = formatBits;
  dim.Text.StartX = 0, dim.Text.StartY = 1, dim.Text.EndX = 10, dim.Text.EndY = 1;
  dim.Text.SizeX = 2;
  dim.Text.SizeY = 2.5;
  dim.Text.Spacing = 0.5;
  dim.Text.FontName.Assign("\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");
  dim.Text.Content.Assign("999");
  dim.SxfMode = sxfMode;
  dim.AuxLine1 = LineOf(3, 0, -5, 0, 0);
  dim.AuxLine2 = LineOf(4, 10, -5, 10, 0);
  dim.Point1 = PointOf(5, 0, 0);
  dim.Point2 = PointOf(6, 10, 0);
  dim.AuxPoint1 = PointOf(7, 0, -5);
  dim.AuxPoint2 = PointOf(8, 10, -5);
  return dim;
}

class DimensionInBlock : public RenderFixture {
 protected:
  DimensionInBlock() {
    // 100 x 50 mm around the origin at 10 pixels per millimetre, so values are legible.
    SetView(-50, -25, 50, 25, 10.0, 1000, 500);
    ctx.LayerGroupScales.assign(16, 1.0);
    ctx.LayerGroupScales[0] = 100;
    for (int32_t color = 1; color <= 9; ++color) {
      att.SetPen(color, MakeColor(color * 20, 0, 0), 0.18, 0.2);
    }
  }

  // The trace of drawing the parts one by one, in the order the dimension draws them.
  std::vector<std::string> PartsTrace(const std::vector<const void*>& parts,
                                      const TEntJwwDimension& dim, const TPlacement& p) {
    TRecordingCanvas expected;
    for (const void* part : parts) {
      if (part == &dim.Text) {
        DrawText(ctx, expected, dim.Text, p, false, -1);
      } else if (part == &dim.Point1 || part == &dim.Point2) {
        DrawPoint(ctx, expected, *static_cast<const TEntJwwPoint*>(part), p, -1);
      } else {
        DrawLine(ctx, expected, *static_cast<const TEntJwwLine*>(part), p);
      }
    }
    return expected.Lines;
  }

  // The trace of the dimension drawn on a fresh canvas.
  std::vector<std::string> DimensionTrace(const TEntJwwDimension& dim, const TPlacement& p,
                                          bool hideAuxiliary) {
    TRecordingCanvas fresh;
    DrawDimensionInBlock(ctx, fresh, dim, p, false, -1, hideAuxiliary);
    return fresh.Lines;
  }

  // The characters written to the canvas, in order.
  std::string DrawnText() const {
    std::string text;
    for (const std::string& line : Trace()) {
      if (line.rfind("text ", 0) != 0) continue;
      const size_t afterY = line.find(' ', line.find(' ', 5) + 1);
      text += line.substr(afterY + 1);
    }
    return text;
  }
};

TEST_F(DimensionInBlock, SxfModeAddsExtensionLinesAndMarksButNeverTheAuxiliaryPoints) {
  const TPlacement shifted{3, 4, 1, 0, 0, 1};
  for (uint16_t sxf : {0, 1}) {
    const TEntJwwDimension dim = MakeDimension(0x0002, sxf);
    const std::vector<const void*> parts =
        sxf ? std::vector<const void*>{&dim.AuxLine1, &dim.AuxLine2, &dim.Point1,
                                       &dim.Point2,   &dim.Line,     &dim.Text}
            : std::vector<const void*>{&dim.Line, &dim.Text};
    EXPECT_EQ(DimensionTrace(dim, shifted, true), PartsTrace(parts, dim, shifted))
        << "SxfMode " << sxf;
  }
}

TEST_F(DimensionInBlock, AuxiliaryPartsAreLeftOutOnlyWhenHidden) {
  const TPlacement shifted{3, 4, 1, 0, 0, 1};
  struct Row {
    const char* Name;
    void (*Mark)(TEntJwwDimension&);
    int32_t Dropped;  // index into the full parts list
  };
  const Row rows[] = {
      {"extension line colour", [](TEntJwwDimension& d) { d.AuxLine1.Common.Color = 9; }, 0},
      {"extension line type", [](TEntJwwDimension& d) { d.AuxLine2.Common.LineType = 9; }, 1},
      {"mark colour", [](TEntJwwDimension& d) { d.Point1.Common.Color = 9; }, 2},
      {"second mark colour", [](TEntJwwDimension& d) { d.Point2.Common.Color = 9; }, 3},
      {"line type", [](TEntJwwDimension& d) { d.Line.Common.LineType = 9; }, 4},
      {"text colour", [](TEntJwwDimension& d) { d.Text.Common.Color = 9; }, 5},
  };
  for (const Row& r : rows) {
    TEntJwwDimension dim = MakeDimension(0x0002, 1);
    r.Mark(dim);
    std::vector<const void*> parts{&dim.AuxLine1, &dim.AuxLine2, &dim.Point1,
                                   &dim.Point2,   &dim.Line,     &dim.Text};
    const std::vector<std::string> all = PartsTrace(parts, dim, shifted);
    parts.erase(parts.begin() + r.Dropped);

    EXPECT_EQ(DimensionTrace(dim, shifted, true), PartsTrace(parts, dim, shifted)) << r.Name;
    EXPECT_EQ(DimensionTrace(dim, shifted, false), all) << r.Name << " shown";
  }
}

TEST_F(DimensionInBlock, TranslationKeepsTheStoredTextEvenForAGeneratedValue) {
  const TEntJwwDimension dim = MakeDimension(0x0002, 0);
  DrawDimensionInBlock(ctx, canvas, dim, {3, 4, 1, 0, 0, 1}, false, -1, true);
  EXPECT_EQ(DrawnText(), "999");
}

TEST_F(DimensionInBlock, StoredValueStaysInAScaledBlockWhenNotGenerated) {
  const TEntJwwDimension dim = MakeDimension(0x1040, 0);
  DrawDimensionInBlock(ctx, canvas, dim, {0, 0, 2, 0, 0, 2}, false, -1, true);
  EXPECT_EQ(DrawnText(), "999");
}

TEST_F(DimensionInBlock, ScaledBlockMeasuresAndFormatsTheValueAgain) {
  const struct {
    uint16_t Format;
    const char* Drawn;
  } rows[] = {{0x1042, "2,000."}, {0x10C2, "2,000.0"}, {0x0002, "2000"}, {0x0032, "2ｍ"}};
  for (const auto& r : rows) {
    canvas.Lines.clear();
    DrawDimensionInBlock(ctx, canvas, MakeDimension(r.Format, 0), {0, 0, 2, 0, 0, 2}, false, -1,
                         true);
    EXPECT_EQ(DrawnText(), r.Drawn) << std::hex << r.Format;
  }
}

TEST_F(DimensionInBlock, QuarterTurnKeepsTheNumberAndCentresItOnTheTurnedBaseLine) {
  const TEntJwwDimension dim = MakeDimension(0x0002, 0);
  const TPlacement turned{0, 0, 0, -1, 1, 0};
  DrawDimensionInBlock(ctx, canvas, dim, turned, false, -1, true);
  EXPECT_EQ(DrawnText(), "1000");

  // The stored base line (0, 1)-(10, 1) turns to (-1, 0)-(-1, 10); "1000" is four
  // half-width characters, 4 x 1 + 3 x 0.25 = 4.75 mm, centred on (-1, 5).
  TRecordingCanvas expected;
  DrawLine(ctx, expected, dim.Line, turned);
  SetTextPen(ctx, expected, dim.Text, -1);
  DrawTextString(ctx, expected, 0, TextFaceName(dim.Text), -1, 5 - 2.375, -1, 5 + 2.375, 2.5, 2,
                 0.5, "1000");
  EXPECT_EQ(Trace(), expected.Lines);
}

TEST_F(DimensionInBlock, MissingLayerGroupScaleCountsAsOne) {
  ctx.LayerGroupScales.clear();
  DrawDimensionInBlock(ctx, canvas, MakeDimension(0x0002, 0), {0, 0, 2, 0, 0, 2}, false, -1, true);
  EXPECT_EQ(DrawnText(), "20");
}

TEST_F(DimensionInBlock, OwnScaleFlagPublishesTheTextsLayerGroupScale) {
  TEntJwwDimension dim = MakeDimension(0x0002, 0);
  dim.Text.Common.LayerGroup = 3;
  ctx.LayerGroupScales[3] = 50;
  ctx.CurrentScale = 7;
  DrawDimensionInBlock(ctx, canvas, dim, {0, 0, 2, 0, 0, 2}, false, -1, true);
  EXPECT_EQ(ctx.CurrentScale, 7);
  DrawDimensionInBlock(ctx, canvas, dim, {0, 0, 2, 0, 0, 2}, true, -1, true);
  EXPECT_EQ(ctx.CurrentScale, 50);
}

}  // namespace
}  // namespace pennatran
