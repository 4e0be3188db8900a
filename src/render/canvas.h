// The drawing surface the preview paints on: exactly what the drawers use. The window and
// the command line paint on a QImage through the Qt canvas; tests record the calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "jww/color.h"

namespace pennatran {

enum class TPenStyle { Solid, Dot };

enum class TBrushStyle {
  Solid,
  Clear,
  Horizontal,
  Vertical,
  FDiagonal,
  BDiagonal,
  Cross,
  DiagCross,
};

struct TPixelPoint {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const TPixelPoint&) const = default;
};

// A logical font: sizes in pixels, escapement in tenths of a degree counter-clockwise.
// A face name beginning with "@" asks for the vertical form of the font.
struct TLogFont {
  int32_t Height = 0;
  int32_t Width = 0;  // average character width; 0 lets the font choose
  int32_t Escapement = 0;
  int32_t Weight = 400;  // 400 regular, 700 bold
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  uint8_t CharSet = 128;  // Shift-JIS
  std::string FaceName;   // Shift-JIS bytes
  bool operator==(const TLogFont&) const = default;
};

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  // Pen: colour, width in pixels (0 is the thinnest, one pixel), style. The pen mode is
  // always copy.
  virtual void SetPen(TColor color, int32_t width, TPenStyle style) = 0;
  virtual void SetBrush(TColor color, TBrushStyle style) = 0;
  // Changes only the brush style, keeping its colour.
  virtual void SetBrushStyle(TBrushStyle style) = 0;
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  virtual void LineTo(int32_t x, int32_t y) = 0;
  virtual void Polyline(const TPixelPoint* points, size_t count) = 0;
  // Closed polygon, outlined with the pen and filled with the brush (alternate filling).
  virtual void Polygon(const TPixelPoint* points, size_t count) = 0;
  // Outlined with the pen and filled with the brush; right and bottom edges exclusive.
  virtual void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
  virtual void SetFont(const TLogFont& font) = 0;
  virtual void SetFontColor(TColor color) = 0;
  // Shift-JIS bytes with the top-left of the first character cell at (x, y), turned by the
  // font's escapement, on a transparent background, in the font colour.
  virtual void TextOut(int32_t x, int32_t y, std::string_view sjisText) = 0;

  virtual TColor PenColor() const = 0;
  virtual TColor BrushColor() const = 0;
  virtual TBrushStyle BrushStyle() const = 0;
};

}  // namespace pennatran
