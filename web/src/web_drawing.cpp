#include "web_drawing.h"

#include <optional>

#include "attributes/gra_attribute.h"
#include "jww/jww_writer.h"
#include "jww/palette.h"
#include "jww/palette_diff.h"
#include "jww/text_encoding.h"
#include "render/draw_preview.h"
#include "render/recording_canvas.h"
#include "render/system_clock.h"

namespace pennatran {
namespace {

std::vector<std::string> Utf8Lines(const std::vector<SjisString>& lines) {
  std::vector<std::string> utf8;
  utf8.reserve(lines.size());
  for (const SjisString& line : lines) utf8.push_back(SjisToUtf8(line));
  return utf8;
}

template <typename Entry>
const Entry* EntryOfLine(const std::vector<Entry>& table, int32_t line) {
  if (line < 0) return nullptr;
  const size_t slot = static_cast<size_t>(line) + kFirstUserSlot;
  return slot < table.size() ? &table[slot] : nullptr;
}

uint32_t Rgb(TColor color) {
  return static_cast<uint32_t>(ColorRed(color) << 16 | ColorGreen(color) << 8 | ColorBlue(color));
}

// The browser has no printer to ask.
std::optional<int32_t> NoPrinter() {
  return std::nullopt;
}

}  // namespace

TWebLoadResult TWebDrawing::Load(std::string_view bytes, const std::string& name,
                                 bool acceptPalette) {
  TWebLoadResult result;
  Doc.Release();
  Held = TPalette{};
  IsOpened = false;
  PaletteSource = acceptPalette && LooksLikePaletteFile(bytes.substr(0, 64));
  if (PaletteSource) {
    result.IsPalette = true;
    if (!ReadPaletteJson(bytes, Held, result.Error)) return result;
    // The lists show a palette file's slots as they show a drawing's.
    Doc.ColorExNos = Held.Colors;
    Doc.LineTypeExNos = Held.LineTypes;
    result.Ok = result.Complete = IsOpened = true;
    return result;
  }
  result.Complete =
      Doc.LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), name);
  result.NotADrawing = Doc.LoadError.NotADrawing;
  result.PlacementsCut = Doc.BlockTreeLimited;
  result.Ok = IsOpened = true;
  Held = PaletteOfDrawing(Doc);
  return result;
}

std::vector<std::string> TWebDrawing::ColorLines() const {
  return Utf8Lines(ColorListLines(Doc));
}

std::vector<std::string> TWebDrawing::LineTypeLines() const {
  return Utf8Lines(LineTypeListLines(Doc));
}

uint32_t TWebDrawing::ScreenColor(int32_t line) const {
  const TEntJwwColorExNo* entry = EntryOfLine(Doc.ColorExNos, line);
  return entry != nullptr ? Rgb(entry->ScreenColor) : 0;
}

uint32_t TWebDrawing::PrintColor(int32_t line) const {
  const TEntJwwColorExNo* entry = EntryOfLine(Doc.ColorExNos, line);
  return entry != nullptr ? Rgb(entry->PrintColor) : 0;
}

std::vector<TSwatchDash> TWebDrawing::LineTypeDashes(int32_t line, int32_t width) const {
  const TEntJwwLineTypeExNo* entry = EntryOfLine(Doc.LineTypeExNos, line);
  return LineTypeSwatchDashes(entry != nullptr ? *entry : TEntJwwLineTypeExNo{}, width);
}

// The command line's preview order: pens and layer states of the drawing, its extents,
// then the fit and the draw pass for the image's size.
std::string TWebDrawing::PreviewTrace(int32_t width, int32_t height) {
  if (!IsOpened || PaletteSource || Doc.LoadError.NotADrawing || width <= 0 || height <= 0)
    return {};
  TgraAttribute attributes;
  attributes.SetBackMode(0);
  attributes.InitPenColors();
  attributes.SetShowAuxiliary(0);
  TRenderContext ctx;
  ctx.DocInfo = Doc.DocInfo;
  ctx.StartDateTime = SystemNow();
  ResetPreviewMapping(ctx, width, height);
  PreparePreview(ctx, attributes, Doc, 0, NoPrinter);
  TRecordingCanvas recorder;
  DrawPreview(ctx, Doc, recorder, width, height);
  size_t size = 0;
  for (const std::string& line : recorder.Lines) size += line.size() + 1;
  std::string trace;
  trace.reserve(size);
  for (const std::string& line : recorder.Lines) {
    trace += line;
    trace += '\n';
  }
  return trace;
}

std::string TWebDrawing::SaveBytes() {
  if (!IsOpened || PaletteSource) return {};
  Doc.SetSaveOptions(0);
  TStringSink sink;
  // Failures are reported by the empty result only; nothing may escape to the page.
  try {
    WriteJww(Doc, sink, 700);
  } catch (...) {
    return {};
  }
  return sink.Bytes;
}

TPalette TWebDrawing::Palette() const {
  return Held;
}

std::string TWebDrawing::PaletteJson(const std::vector<int32_t>& colorLines,
                                     const std::vector<int32_t>& lineTypeLines) const {
  if (colorLines.empty() && lineTypeLines.empty()) return WritePaletteJson(Held);
  return WritePaletteJson(PalettePart(Held, colorLines, lineTypeLines));
}

bool TWebDrawing::CopyColorsFrom(const TWebDrawing& source, const std::vector<int32_t>& lines) {
  if (!IsOpened || PaletteSource || !source.IsOpened) return false;
  ApplyPalette(source.Held, lines, {}, Doc);
  Held = PaletteOfDrawing(Doc);
  return !PalettePart(source.Held, lines, {}).ColorLines.empty();
}

bool TWebDrawing::CopyLineTypesFrom(const TWebDrawing& source, const std::vector<int32_t>& lines) {
  if (!IsOpened || PaletteSource || !source.IsOpened) return false;
  ApplyPalette(source.Held, {}, lines, Doc);
  Held = PaletteOfDrawing(Doc);
  return !PalettePart(source.Held, {}, lines).LineTypeLines.empty();
}

std::vector<bool> TWebDrawing::ColorsDifferingFrom(const TWebDrawing& source) const {
  if (!IsOpened || !source.IsOpened) return {};
  return DifferingColorLines(source.Held, Held);
}

std::vector<bool> TWebDrawing::LineTypesDifferingFrom(const TWebDrawing& source) const {
  if (!IsOpened || !source.IsOpened) return {};
  return DifferingLineTypeLines(source.Held, Held);
}

}  // namespace pennatran
