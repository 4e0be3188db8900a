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

// Calls of every kind, strings among them, as a drawing's preview makes them.
void RecordEveryKind(TPackedRecordingCanvas& canvas) {
  const TPixelPoint points[] = {{1, 2}, {1, 2}, {5, 6}};
  TLogFont font;
  font.Height = 12;
  font.FaceName = Utf8ToSjis("ＭＳ ゴシック");
  for (int k = 0; k < 3; ++k) {
    canvas.SetPen(MakeColor(0, 0, static_cast<uint8_t>(k)), k, TPenStyle::Solid);
    canvas.SetBrush(MakeColor(1, 2, 3), TBrushStyle::Cross);
    canvas.MoveTo(k, -k);
    canvas.LineTo(-k, k);
    canvas.Polyline(points, 3);
    canvas.Polygon(points, 3);
    canvas.Rectangle(0, 0, k, k);
    canvas.SetFont(font);
    canvas.SetFontColor(MakeColor(255, 0, 0));
    canvas.TextOut(k, k, Utf8ToSjis(k == 1 ? "" : "寸法 12.5"));
  }
}

// The numbers a packed call takes, itself included; the places of its string's offset.
size_t CallLength(const std::vector<int32_t>& w, size_t i) {
  switch (static_cast<TPackedCall>(w[i])) {
    case TPackedCall::Pen:
      return 4;
    case TPackedCall::Brush:
      return 3;
    case TPackedCall::Polyline:
    case TPackedCall::Polygon:
      return 3 + 3 * static_cast<size_t>(w[i + 2]);
    case TPackedCall::Rectangle:
      return 5;
    case TPackedCall::Font:
      return 8;
    case TPackedCall::FontColor:
      return 2;
    case TPackedCall::Text:
      return 5;
    default:
      return 3;
  }
}

// Parts made as the preview goes are the whole recording: each begins with a call, holds its
// own strings, and the parts joined (string offsets moved past the texts before them) give
// the numbers and text of the recording made in one piece.
TEST(TPackedRecordingCanvas, PartsJoinIntoTheWholeRecording) {
  TPackedRecordingCanvas whole;
  RecordEveryKind(whole);
  for (const size_t partWords : {size_t{1}, size_t{6}, size_t{40}, size_t{1} << 20}) {
    std::vector<int32_t> words;
    std::string text;
    int parts = 0;
    TPackedRecordingCanvas canvas;
    canvas.HandOverInParts(partWords, [&](const TWordBlocks& partBlocks,
                                          const std::string& partText) {
      const std::vector<int32_t> part = partBlocks.Joined();
      ASSERT_FALSE(part.empty());
      ++parts;
      for (size_t i = 0; i < part.size(); i += CallLength(part, i)) {
        ASSERT_LE(i + CallLength(part, i), part.size()) << "a call cut between parts";
        std::vector<int32_t> call(part.begin() + static_cast<ptrdiff_t>(i),
                                  part.begin() + static_cast<ptrdiff_t>(i + CallLength(part, i)));
        const auto base = static_cast<int32_t>(text.size());
        if (call[0] == Op(TPackedCall::Font)) call[6] += base;
        if (call[0] == Op(TPackedCall::Text)) call[3] += base;
        words.insert(words.end(), call.begin(), call.end());
      }
      text += partText;
    });
    RecordEveryKind(canvas);
    canvas.EndParts();
    EXPECT_EQ(words, whole.Words.Joined()) << partWords << " words a part";
    EXPECT_EQ(text, whole.Text) << partWords << " words a part";
    // A part of one number is one call each; one of a million holds all 30.
    const int expectedParts = partWords == 1 ? 30 : partWords > 1000 ? 1 : parts;
    EXPECT_EQ(parts, expectedParts) << partWords << " words a part";
    EXPECT_GT(parts, partWords > 1000 ? 0 : 1) << partWords << " words a part";
    EXPECT_EQ(canvas.Words.Size(), 0U);
  }
}

}  // namespace
}  // namespace pennatran
