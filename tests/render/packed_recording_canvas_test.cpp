#include "render/packed_recording_canvas.h"

#include <gtest/gtest.h>

#include "jww/text_encoding.h"

namespace pennatran {
namespace {

constexpr int32_t Op(TPackedCall call) {
  return static_cast<int32_t>(call);
}

// The calls of the recording canvas's own test, packed: a replayer reading these numbers
// must be able to give back that trace.
TEST(TPackedRecordingCanvas, CallsAsNumbersAndStringsAsUtf8) {
  TPackedRecordingCanvas canvas;
  canvas.SetPen(MakeColor(0x12, 0x34, 0x56), 0, TPenStyle::Dot);
  canvas.SetBrush(MakeColor(0xAB, 0xCD, 0xEF), TBrushStyle::BDiagonal);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.MoveTo(-1, 2);
  canvas.LineTo(3, 4);
  const TPixelPoint points[] = {{1, 2}, {3, 4}, {5, 6}};
  canvas.Polyline(points, 2);
  canvas.Polygon(points, 3);
  canvas.Rectangle(0, 0, 10, 20);
  TLogFont font;
  font.Height = 12;
  font.Width = 6;
  font.Escapement = 900;
  font.Weight = 700;
  font.Italic = true;
  font.StrikeOut = true;
  font.FaceName = Utf8ToSjis("@ＭＳ ゴシック");
  canvas.SetFont(font);
  canvas.SetFontColor(MakeColor(255, 0, 0));
  canvas.TextOut(7, 8, Utf8ToSjis("寸法 12.5"));
  const std::string face = "@ＭＳ ゴシック";
  const std::string text = "寸法 12.5";
  const auto faceLength = static_cast<int32_t>(face.size());
  const auto textLength = static_cast<int32_t>(text.size());
  EXPECT_EQ(canvas.Words.Joined(),
            (std::vector<int32_t>{Op(TPackedCall::Pen),
                                  0x123456,
                                  0,
                                  1,
                                  Op(TPackedCall::Brush),
                                  0xABCDEF,
                                  static_cast<int32_t>(TBrushStyle::BDiagonal),
                                  Op(TPackedCall::Brush),
                                  0xABCDEF,
                                  static_cast<int32_t>(TBrushStyle::Clear),
                                  Op(TPackedCall::MoveTo),
                                  -1,
                                  2,
                                  Op(TPackedCall::LineTo),
                                  3,
                                  4,
                                  Op(TPackedCall::Polyline),
                                  2,
                                  2,
                                  1,
                                  2,
                                  1,
                                  3,
                                  4,
                                  1,
                                  Op(TPackedCall::Polygon),
                                  3,
                                  3,
                                  1,
                                  2,
                                  1,
                                  3,
                                  4,
                                  1,
                                  5,
                                  6,
                                  1,
                                  Op(TPackedCall::Rectangle),
                                  0,
                                  0,
                                  10,
                                  20,
                                  Op(TPackedCall::Font),
                                  12,
                                  6,
                                  900,
                                  700,
                                  5,
                                  0,
                                  faceLength,
                                  Op(TPackedCall::FontColor),
                                  0xFF0000,
                                  Op(TPackedCall::Text),
                                  7,
                                  8,
                                  faceLength,
                                  textLength}));
  EXPECT_EQ(canvas.Text, face + text);
  EXPECT_EQ(canvas.PenColor(), MakeColor(0x12, 0x34, 0x56));
  EXPECT_EQ(canvas.BrushColor(), MakeColor(0xAB, 0xCD, 0xEF));
  EXPECT_EQ(canvas.BrushStyle(), TBrushStyle::Clear);
}

// Points repeated in a row become one point and its count, wherever they lie in the shape;
// the same point met again later starts a run of its own.
TEST(TPackedRecordingCanvas, RepeatedPointsAsRuns) {
  struct TCase {
    std::vector<TPixelPoint> Points;
    std::vector<int32_t> Words;
  };
  const TCase cases[] = {
      {{{5, 5}}, {1, 1, 5, 5, 1}},
      {{{5, 5}, {5, 5}, {5, 5}, {5, 5}}, {4, 1, 5, 5, 4}},
      {{{1, 1}, {1, 1}, {2, 1}, {2, 1}, {2, 1}, {1, 1}}, {6, 3, 1, 1, 2, 2, 1, 3, 1, 1, 1}},
      {{{0, 0}, {1, 0}, {1, 1}, {1, 1}}, {4, 3, 0, 0, 1, 1, 0, 1, 1, 1, 2}},
      {{{3, 4}, {4, 3}}, {2, 2, 3, 4, 1, 4, 3, 1}},
  };
  for (const TCase& c : cases) {
    for (const TPackedCall call : {TPackedCall::Polyline, TPackedCall::Polygon}) {
      TPackedRecordingCanvas canvas;
      if (call == TPackedCall::Polyline) {
        canvas.Polyline(c.Points.data(), c.Points.size());
      } else {
        canvas.Polygon(c.Points.data(), c.Points.size());
      }
      std::vector<int32_t> expected{Op(call)};
      expected.insert(expected.end(), c.Words.begin(), c.Words.end());
      EXPECT_EQ(canvas.Words.Joined(), expected) << c.Points.size() << " points";
    }
  }
}

}  // namespace
}  // namespace pennatran
