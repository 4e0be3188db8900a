// Shared set-up of the text drawing tests: a recording canvas over a 100 x 100 mm view at
// ten pixels per millimetre (pixel x = 10 x, pixel y = 1000 - 10 y), and text records.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "attributes/preview_attributes.h"
#include "jww/text_encoding.h"
#include "render/recording_canvas.h"
#include "render/render_context.h"

namespace pennatran::testing {

using TLines = std::vector<std::string>;

class TextFixture : public ::testing::Test {
 protected:
  TextFixture() {
    ctx.Attributes = &att;
    SetScale(10);
  }

  // The same 100 x 100 mm window at another scale.
  void SetScale(double pixelsPerMm) {
    const auto size = static_cast<int32_t>(100 * pixelsPerMm);
    ctx.Mapping = {0, 0, 100, 100, pixelsPerMm, size, size};
  }

  // Trace lines beginning with one of the given words, in order.
  std::vector<std::string> Lines(std::initializer_list<std::string_view> words) const {
    std::vector<std::string> out;
    for (const std::string& line : canvas.Lines) {
      for (std::string_view word : words) {
        if (line.starts_with(std::string(word) + ' ')) out.push_back(line);
      }
    }
    return out;
  }
  std::vector<std::string> Texts() const { return Lines({"text"}); }
  std::vector<std::string> Fonts() const { return Lines({"font"}); }

  // A horizontal text with full-width characters of size w x h and spacing s, running
  // from (x1, y1) towards (x2, y2); content is UTF-8.
  static TEntJwwText Text(std::string_view utf8, double x1, double y1, double x2, double y2,
                          double w = 2.5, double h = 2.5, double s = 0) {
    TEntJwwText t{};
    t.Common.LineType = 1;
    t.Common.Color = 1;
    t.StartX = x1;
    t.StartY = y1;
    t.EndX = x2;
    t.EndY = y2;
    t.SizeX = w;
    t.SizeY = h;
    t.Spacing = s;
    t.FontName.Assign(Utf8ToSjis("ＭＳ ゴシック"));
    t.Content.Assign(Utf8ToSjis(utf8));
    return t;
  }

  PreviewAttributes att;
  TRenderContext ctx;
  TRecordingCanvas canvas;
};

}  // namespace pennatran::testing
