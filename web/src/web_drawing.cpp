#include "web_drawing.h"
#include "jww/format_versions.h"

#include <optional>

#include "attributes/preview_attributes.h"
#include "jww/jww_writer.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "palette/palette_diff.h"
#include "render/draw_preview.h"
#include "render/palette_sheet.h"
#include "render/recording_canvas.h"
#include "render/system_clock.h"

namespace pennatran {
namespace {

template <typename Entry>
const Entry* EntryOfLine(const std::vector<Entry>& table, int32_t line) {
  if (line < 0) return nullptr;
  const size_t slot = static_cast<size_t>(line) + kFirstUserSlot;
  return slot < table.size() ? &table[slot] : nullptr;
}

// The list texts of the given lines of a slot table, in UTF-8.
template <typename Entry, typename LineText>
std::vector<std::string> ListTexts(const std::vector<Entry>& table,
                                   const std::vector<int32_t>& lines, LineText lineText) {
  std::vector<std::string> texts;
  texts.reserve(lines.size());
  for (const int32_t line : lines) {
    const Entry* entry = EntryOfLine(table, line);
    texts.push_back(
        SjisToUtf8(lineText(entry != nullptr ? *entry : Entry{}, line + kFirstUserSlot)));
  }
  return texts;
}

uint32_t Rgb(TColor color) {
  return static_cast<uint32_t>(ColorRed(color) << 16 | ColorGreen(color) << 8 | ColorBlue(color));
}

// One line per call, as the command line's --trace writes them.
std::string TraceText(const std::vector<std::string>& lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string trace;
  trace.reserve(size);
  for (const std::string& line : lines) {
    trace += line;
    trace += '\n';
  }
  return trace;
}

// The browser has no printer to ask.
std::optional<int32_t> NoPrinter() {
  return std::nullopt;
}

}  // namespace

TWebLoadResult TWebDrawing::Load(std::string_view bytes, const std::string& name,
                                 bool acceptPalette) {
  TWebLoadResult result;
  if (LooksLikePaletteFile(bytes.substr(0, 64))) {
    result.IsPalette = true;
    if (!acceptPalette) return result;
    TPalette palette;
    TPaletteFileError error;
    if (!ReadPaletteJson(bytes, palette, error)) {
      result.Error = PaletteFileErrorText(error);
      return result;
    }
    Doc.Release();
    Held = std::move(palette);
    PaletteSource = true;
    result.Ok = result.Complete = IsOpened = true;
    return result;
  }
  PaletteSource = false;
  result.Complete =
      Doc.LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), name);
  result.NotADrawing = Doc.LoadError.NotADrawing();
  result.PlacementsCut = Doc.BlockTreeLimited;
  result.Ok = IsOpened = true;
  Held = PaletteOfDrawing(Doc);
  return result;
}

std::vector<std::string> TWebDrawing::ColorLines() const {
  // The page is in Japanese: "幅:" and "点半径:" in Shift-JIS.
  static const TColorLineLabels labels = {"\x95\x9D:", "\x93\x5F\x94\xBC\x8C\x61:"};
  return ListTexts(Held.Colors, Held.ColorLines, [](const TEntJwwColorExNo& entry, int32_t slot) {
    return ColorListLine(entry, slot, labels);
  });
}

std::vector<std::string> TWebDrawing::LineTypeLines() const {
  return ListTexts(Held.LineTypes, Held.LineTypeLines, LineTypeListLine);
}

uint32_t TWebDrawing::ScreenColor(int32_t line) const {
  const TEntJwwColorExNo* entry = EntryOfLine(Held.Colors, line);
  return entry != nullptr ? Rgb(entry->ScreenColor) : 0;
}

uint32_t TWebDrawing::PrintColor(int32_t line) const {
  const TEntJwwColorExNo* entry = EntryOfLine(Held.Colors, line);
  return entry != nullptr ? Rgb(entry->PrintColor) : 0;
}

std::vector<TSwatchDash> TWebDrawing::LineTypeDashes(int32_t line, int32_t width) const {
  const TEntJwwLineTypeExNo* entry = EntryOfLine(Held.LineTypes, line);
  return LineTypeSwatchDashes(entry != nullptr ? *entry : TEntJwwLineTypeExNo{}, width);
}

// A drawing in the command line's preview order: pens and layer states of the drawing,
// its extents, then the fit and the draw pass for the image's size.
std::string TWebDrawing::PreviewTrace(int32_t width, int32_t height) {
  if (!IsOpened || Doc.LoadError.NotADrawing() || width <= 0 || height <= 0) return {};
  TRecordingCanvas recorder;
  if (PaletteSource) {
    DrawPaletteSheet(recorder, Held, width, height);
    return TraceText(recorder.Lines);
  }
  PreviewAttributes attributes;
  attributes.SetBackMode(BackgroundMode::White);
  attributes.InitPenColors();
  attributes.SetShowAuxiliary(0);
  TRenderContext ctx;
  ctx.DocInfo = Doc.DocInfo;
  ctx.StartDateTime = SystemNow();
  ResetPreviewMapping(ctx, width, height);
  PreparePreview(ctx, attributes, Doc, BackgroundMode::White, NoPrinter);
  DrawPreview(ctx, Doc, recorder, width, height);
  return TraceText(recorder.Lines);
}

std::string TWebDrawing::SaveBytes() {
  if (!IsOpened || PaletteSource) return {};
  Doc.SetSaveOptions(0);
  TStringSink sink;
  // Failures are reported by the empty result only; nothing may escape to the page.
  try {
    WriteJww(Doc, sink, kSaveVersion);
  } catch (...) {
    return {};
  }
  return sink.Bytes;
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
