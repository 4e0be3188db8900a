// A drawing keeps its long texts whole, and the preview still draws of each only the
// longest prefix of whole characters within 255 Shift-JIS bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "attributes/preview_attributes.h"
#include "render/draw_preview.h"
#include "render/recording_canvas.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

using namespace pennatran::testing;

std::string Repeated(std::string_view piece, size_t times) {
  std::string s;
  for (size_t i = 0; i < times; ++i) s += piece;
  return s;
}

// The strings of the drawing's long texts, each either whole or as the preview draws it.
struct TTexts {
  SjisString Letters, Kanji, Font, Dimension, InBlock, Image;
};

TTexts WholeTexts() {
  std::string letters;
  for (size_t i = 0; i < 300; ++i) letters += static_cast<char>('a' + i % 26);
  const std::string kanji = "\x8E\xBA";
  const SjisString foreign = Utf8ToSjis("\xF0\xA0\xAE\xB7");  // two columns, four bytes
  return {letters,
          "A" + Repeated(kanji, 128) + "tail",
          Repeated("\x82\x6C", 130),
          "B" + Repeated(foreign, 130),
          Repeated("9", 400),
          "^@BM" + Repeated("p", 300) + ",10,10"};
}

TTexts DrawnTexts() {
  const TTexts whole = WholeTexts();
  const std::string kanji = "\x8E\xBA";
  const SjisString foreign = Utf8ToSjis("\xF0\xA0\xAE\xB7");
  return {whole.Letters.substr(0, 255), "A" + Repeated(kanji, 127), Repeated("\x82\x6C", 127),
          "B" + Repeated(foreign, 127), Repeated("9", 255),         "^@BM" + Repeated("p", 251)};
}

// Texts small enough to be drawn whole inside the view: a line stretches the extents.
std::vector<uint8_t> Drawing(const TTexts& texts, bool twoByte) {
  TJwwData doc = SampleDocument();
  TStringStore& store = *doc.Strings;
  Append(doc, MakeLine(0, 0, 400, 200));
  for (const auto& [y, content] : {std::pair{10.0, &texts.Letters}, std::pair{30.0, &texts.Kanji},
                                   std::pair{50.0, &texts.Image}}) {
    TEntJwwText text = MakeText(2, y, "");
    text.Content.Assign(*content, &store);
    Append(doc, text);
  }
  TEntJwwText font = MakeText(2, 70, "x");
  font.FontName.Assign(texts.Font, &store);
  Append(doc, font);
  TEntJwwDimension dim = MakeDimension(2, 90, 300, 90, "");
  dim.Text.StartX = 2;
  dim.Text.EndX = 12;
  dim.Text.Content.Assign(texts.Dimension, &store);
  Append(doc, dim);
  TEntJwwBlockDef def = MakeBlockDef(0, "block");
  TEntJwwText inBlock = MakeText(0, 0, "");
  inBlock.Content.Assign(texts.InBlock, &store);
  Append(def, inBlock);
  doc.BlockDefs = {def};
  Append(doc, MakeInsert(0, 2, 110));
  return TJwwBuilder::Drawing(doc, 700, twoByte);
}

std::vector<std::string> PreviewTrace(const std::vector<uint8_t>& bytes) {
  TJwwData doc;
  EXPECT_TRUE(doc.LoadFromBytes(bytes.data(), bytes.size(), "long.jww"))
      << LoadErrorText(doc.LoadError);
  PreviewAttributes attributes;
  TRenderContext ctx;
  PreparePreview(
      ctx, attributes, doc, BackgroundMode::White, [] { return std::optional<int32_t>(600); },
      [] { return TLocalDateTime{2026, 12, 7, 9, 30, 0}; });
  TRecordingCanvas canvas;
  DrawPreview(ctx, doc, canvas, 2000, 1000);
  return canvas.Lines;
}

TEST(LongTextPreview, DrawsWhatA255ByteTextDraws) {
  for (const bool twoByte : {false, true}) {
    const std::vector<std::string> whole = PreviewTrace(Drawing(WholeTexts(), twoByte));
    EXPECT_EQ(whole, PreviewTrace(Drawing(DrawnTexts(), twoByte))) << twoByte;
    // Every character the preview keeps is drawn inside the view.
    const auto drawnCharacters = std::count_if(
        whole.begin(), whole.end(), [](const auto& line) { return line.starts_with("text "); });
    EXPECT_EQ(drawnCharacters, 255 + 128 + 1 + 128 + 255 + 255) << twoByte;
  }
}

}  // namespace
}  // namespace pennatran
