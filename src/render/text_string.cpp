// The common core of text drawing: legibility, mirrored widths, trailing layout marks,
// substitution codes, then a plain run or the control-sequence interpreter.
#include "render/text_string.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "jww/text_encoding.h"
#include "render/drawers.h"
#include "render/geometry.h"
#include "render/output.h"
#include "render/text_codes.h"
#include "render/text_layout.h"

namespace pennatran {
namespace {

constexpr double kTiny = 1e-14;
constexpr double kMinimumPixels = 6;
constexpr double kMaximumPixels = 1000;
constexpr int32_t kIllegibleStrokeWidth = 3;
constexpr std::string_view kHalfWidthDot = "\xA5";      // "･"
constexpr std::string_view kFullWidthDot = "\x81\x45";  // "・"

// Written so that a NaN metric fails the test as well.
bool IsLegible(double h, double w, double length, double scale) {
  const double hPixels = std::abs(h) * scale;
  return std::abs(h) >= kTiny && hPixels >= kMinimumPixels && hPixels <= kMaximumPixels &&
         length >= kTiny && length * scale >= kMinimumPixels &&
         std::abs(w) * scale <= kMaximumPixels;
}

void DropLastBytes(std::string& s, size_t count) {
  s.resize(s.size() - std::min(count, s.size()));
}

// Half-width columns of every character but the last.
int32_t ColumnsBeforeLast(std::string_view s) {
  const int32_t count = CharCount(s);
  return count == 0 ? 0 : ColumnCount(s) - ColumnCount(CharAt(s, count - 1));
}

// A trailing "･" or run of "・" gives its length to the gaps between the other characters;
// a trailing "^" and digit compresses the text by that many half-width columns.
void ApplyTrailingMarks(std::string& text, TGlyphMetrics& m) {
  const int32_t n = CharCount(text);
  double gapSum = 0;
  bool lastDot = false, caret = false;
  int32_t dotRun = 0, shrink = 0;
  for (int32_t j = 1; j <= n; ++j) {
    const std::string_view c = CharAt(text, j - 1);
    if (j != n) gapSum += c.size() == 1 ? m.S / 2 : m.S;
    if (c == kHalfWidthDot && j == n) {
      lastDot = true;
      caret = false;
    } else if (c == kFullWidthDot) {
      ++dotRun;
      caret = false;
    } else if (c == "^") {
      shrink = 0;
      caret = true;
    } else if (c.size() == 1 && c[0] >= '1' && c[0] <= '9' && caret) {
      shrink = c[0] - '0';
      caret = false;
    } else {
      dotRun = 0;
      shrink = 0;
      caret = false;
    }
  }
  // A text that ends in "^" does not end in dots: removing them would cut the "^" and
  // half of the last dot.
  if (caret) dotRun = 0;
  if (lastDot) {
    DropLastBytes(text, 1);
    const int32_t columns = ColumnsBeforeLast(text);
    if (columns > 0) {
      m.S = (m.W / 2 + gapSum) * 2 / columns;
      gapSum = m.W / 2 + gapSum;
    }
  }
  if (dotRun > 0) {
    DropLastBytes(text, 2 * static_cast<size_t>(dotRun));
    const int32_t columns = ColumnsBeforeLast(text);
    if (columns > 0) m.S = (dotRun * m.W + gapSum) * 2 / columns;
  }
  if (shrink > 0) {
    DropLastBytes(text, 2);
    const auto length = static_cast<double>(ColumnCount(text));
    if (length - shrink >= 2) {
      const double factor = (length - shrink) / length;
      m.W *= factor;
      m.S *= factor;
    }
  }
}

int32_t TextPixelX(const TRenderContext& ctx, double x) {
  return RoundHalfEven((x - ctx.Mapping.ViewMinX) * ctx.Mapping.Scale);
}
int32_t TextPixelY(const TRenderContext& ctx, double y) {
  return ctx.Mapping.PixelHeight - RoundHalfEven((y - ctx.Mapping.ViewMinY) * ctx.Mapping.Scale);
}

}  // namespace

void DrawTextString(TRenderContext& ctx, TCanvas& canvas, int32_t styleCode,
                    std::string_view faceName, const TTextFrame& frame, std::string_view content) {
  if (content.empty()) return;
  double x1 = frame.X1, y1 = frame.Y1, x2 = frame.X2, y2 = frame.Y2;
  const double h = frame.H, w = frame.W, s = frame.S;
  if (!IsLegible(h, w, Distance(x1, y1, x2, y2), ctx.Mapping.Scale)) {
    canvas.SetPen(canvas.PenColor(), kIllegibleStrokeWidth, TPenStyle::Solid);
    DrawSegment(ctx, canvas, x1, y1, x2, y2);
    return;
  }
  TGlyphMetrics m{h, w, s, DirectionAngle(x2 - x1, y2 - y1)};
  if (m.W < 0) {
    // A mirrored width runs the text back from the stored end point.
    m.W = -m.W;
    m.S = -m.S;
    m.Theta += std::numbers::pi;
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  std::string text(content);
  ApplyTrailingMarks(text, m);

  TTextCodeResult code = ExpandTextCode(ctx, text);
  if (code.Replaced || text.find('^') == std::string::npos) {
    DrawGlyphRun(ctx, canvas, styleCode, faceName, x1, y1, m, code.Replaced ? code.Value : text);
    return;
  }
  DrawControlledText(ctx, canvas, styleCode, faceName, x1, y1, m, text);
}

void DrawGlyphRun(TRenderContext& ctx, TCanvas& canvas, int32_t styleCode,
                  std::string_view faceName, double x, double y, const TGlyphMetrics& metrics,
                  std::string_view run) {
  const double scale = ctx.Mapping.Scale;
  const double theta = metrics.Theta;
  TLogFont font;
  font.Height = RoundHalfEven(std::abs(metrics.H) * scale);
  font.Width = RoundHalfEven(std::abs(metrics.W) * scale / 2);
  font.Escapement = RoundHalfEven(theta / std::numbers::pi * 1800);
  font.Weight = (styleCode & kStyleBold) ? 700 : 400;
  font.Italic = (styleCode & kStyleItalic) != 0;
  font.Underline = (styleCode & kStyleUnderline) != 0;
  font.StrikeOut = (styleCode & kStyleStrikeOut) != 0;
  font.CharSet = 1;
  font.FaceName = std::string(faceName);
  if (faceName.starts_with("@@")) {
    // The vertical form of a face that is itself vertical: each character is turned half
    // a turn inside its own cell, so the cell's far corner becomes the reference point.
    font.FaceName.erase(0, 2);
    font.Escapement += 1800;
    if (font.Escapement >= 3600) font.Escapement -= 3600;
    const double w = std::abs(metrics.W), h = std::abs(metrics.H);
    x += std::cos(theta) * w + std::cos(theta - std::numbers::pi / 2) * h;
    y += std::sin(theta) * w + std::sin(theta - std::numbers::pi / 2) * h;
  }
  canvas.SetFont(font);
  canvas.SetFontColor(canvas.PenColor());
  canvas.SetBrushStyle(TBrushStyle::Clear);

  const double ux = std::cos(theta), uy = std::sin(theta);
  for (size_t i = 0; i < run.size();) {
    const size_t length = CharLength(run, i);
    DrawGlyph(ctx, canvas, x, y, metrics.H, metrics.W, theta, run.substr(i, length));
    const double step = length == 1 ? (metrics.W + metrics.S) / 2 : metrics.W + metrics.S;
    x += ux * step;
    y += uy * step;
    i += length;
  }
}

void DrawGlyph(TRenderContext& ctx, TCanvas& canvas, double x, double y, double h, double w,
               double theta, std::string_view character) {
  double dy = h;
  if (h < 0) {
    h = -h;
    dy = 0;
  }
  const double c = std::cos(theta), s = std::sin(theta);
  const double x0 = x - s * dy, y0 = y + c * dy;
  const double width = character.size() == 1 ? std::abs(w) / 2 : std::abs(w);
  const double dx = std::cos(theta - std::numbers::pi / 2);
  const double ddy = std::sin(theta - std::numbers::pi / 2);
  const double x1 = x0 + width * c, y1 = y0 + width * s;
  const double x2 = x0 + h * dx, y2 = y0 + h * ddy;
  const double x3 = x1 + h * dx, y3 = y1 + h * ddy;
  if (OutCode(ctx, x0, y0) == 0 || OutCode(ctx, x1, y1) == 0 || OutCode(ctx, x2, y2) == 0 ||
      OutCode(ctx, x3, y3) == 0) {
    canvas.TextOut(TextPixelX(ctx, x0), TextPixelY(ctx, y0), character);
  }
}

}  // namespace pennatran
