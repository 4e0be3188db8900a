// One half of the browser page: a drawing (or, for the source, a palette file) held in
// memory, with what the page shows of it and does with it. Everything here calls the same
// core functions as the window and the command line; the bindings only translate types.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "jww/jww_data.h"
#include "palette/palette_file.h"
#include "render/line_type_swatch.h"

namespace pennatran {

// What a load found, for the page's messages.
struct TWebLoadResult {
  // Something usable was read: a drawing, partly or wholly, or a palette file.
  bool Ok = false;
  // The whole file was read.
  bool Complete = false;
  bool NotADrawing = false;
  bool IsPalette = false;
  // The preview shows only part of the block placements.
  bool PlacementsCut = false;
  // Why a palette file was refused (UTF-8), else empty.
  std::string Error;
};

class TWebDrawing {
 public:
  // Reads a drawing, or a palette file when acceptPalette and the bytes look like one. A
  // palette file that is refused, or offered where none is taken, leaves the half as it
  // was. The name is only published to the text codes.
  TWebLoadResult Load(std::string_view bytes, const std::string& name, bool acceptPalette);
  bool Opened() const { return IsOpened; }
  bool IsPalette() const { return PaletteSource; }

  // The list lines (slot - 17) the lists show: every one for a drawing, the held ones for
  // a palette file.
  std::vector<int32_t> ColorListed() const;
  std::vector<int32_t> LineTypeListed() const;
  // Their texts exactly as the window shows them, in UTF-8, in the same order.
  std::vector<std::string> ColorLines() const;
  std::vector<std::string> LineTypeLines() const;
  // Screen and print colour of a colour list line, as 0xRRGGBB.
  uint32_t ScreenColor(int32_t line) const;
  uint32_t PrintColor(int32_t line) const;
  std::vector<TSwatchDash> LineTypeDashes(int32_t line, int32_t width) const;

  // The preview's canvas calls at the given pixel size, one trace line each: the drawing,
  // or the sheet of a palette file's slots.
  std::string PreviewTrace(int32_t width, int32_t height);

  // The drawing as a version 7.00 file; empty when the writer refuses it.
  std::string SaveBytes();

  // The held user slots (a drawing holds all of them).
  const TPalette& Palette() const { return Held; }
  // The palette file text of the given lines of this side, or of every held slot when
  // both are empty.
  std::string PaletteJson(const std::vector<int32_t>& colorLines,
                          const std::vector<int32_t>& lineTypeLines) const;

  // Copies the given list lines of source into this drawing; lines the source does not hold
  // are left alone. Returns whether any line was copied.
  bool CopyColorsFrom(const TWebDrawing& source, const std::vector<int32_t>& lines);
  bool CopyLineTypesFrom(const TWebDrawing& source, const std::vector<int32_t>& lines);

  // For each list line, whether this side's slot differs from the source's.
  std::vector<bool> ColorsDifferingFrom(const TWebDrawing& source) const;
  std::vector<bool> LineTypesDifferingFrom(const TWebDrawing& source) const;

 private:
  TJwwData Doc;
  TPalette Held;
  bool IsOpened = false;
  bool PaletteSource = false;
};

}  // namespace pennatran
