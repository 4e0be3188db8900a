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

// The slot a list line of the page stands for; none for a line the list cannot have.
std::optional<TSlot> SlotOfLine(TSlotKind kind, int32_t line) {
  if (line < 0 || line >= UserSlotCount(kind)) return std::nullopt;
  return SlotOfListLine(line);
}

TSlotSet SlotsOfLines(const std::vector<int32_t>& colorLines,
                      const std::vector<int32_t>& lineTypeLines) {
  TSlotSet slots;
  for (const int32_t line : colorLines)
    if (const auto slot = SlotOfLine(TSlotKind::Color, line)) slots.Colors.push_back(*slot);
  for (const int32_t line : lineTypeLines)
    if (const auto slot = SlotOfLine(TSlotKind::LineType, line)) slots.LineTypes.push_back(*slot);
  return slots;
}

std::vector<int32_t> LinesOf(const std::vector<TSlot>& slots) {
  std::vector<int32_t> lines;
  for (const TSlot slot : slots) lines.push_back(ListLineOf(slot));
  return lines;
}

std::vector<std::string> Utf8Lines(const std::vector<SjisString>& lines) {
  std::vector<std::string> texts;
  texts.reserve(lines.size());
  for (const SjisString& line : lines) texts.push_back(SjisToUtf8(line));
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
    if (!ReadPaletteJson(bytes, palette, result.Error)) return result;
    Doc.Release();
    Held = std::move(palette);
    PaletteSource = true;
    result.Ok = result.Complete = IsOpened = true;
    return result;
  }
  PaletteSource = false;
  result.Complete =
      Doc.LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), name);
  result.NotADrawing = Doc.LoadError.NotADrawing;
  result.PlacementsCut = Doc.BlockTreeLimited;
  result.Ok = IsOpened = true;
  Held = PaletteOfDrawing(Doc);
  return result;
}

std::vector<int32_t> TWebDrawing::ColorListed() const {
  return LinesOf(Held.Held.Colors);
}

std::vector<int32_t> TWebDrawing::LineTypeListed() const {
  return LinesOf(Held.Held.LineTypes);
}

std::vector<std::string> TWebDrawing::ColorLines() const {
  return Utf8Lines(ListLines(Held, TSlotKind::Color));
}

std::vector<std::string> TWebDrawing::LineTypeLines() const {
  return Utf8Lines(ListLines(Held, TSlotKind::LineType));
}

uint32_t TWebDrawing::ScreenColor(int32_t line) const {
  const auto slot = SlotOfLine(TSlotKind::Color, line);
  return slot ? Rgb(Held.Colors[*slot].ScreenColor) : 0;
}

uint32_t TWebDrawing::PrintColor(int32_t line) const {
  const auto slot = SlotOfLine(TSlotKind::Color, line);
  return slot ? Rgb(Held.Colors[*slot].PrintColor) : 0;
}

std::vector<TSwatchDash> TWebDrawing::LineTypeDashes(int32_t line, int32_t width) const {
  const auto slot = SlotOfLine(TSlotKind::LineType, line);
  return LineTypeSwatchDashes(slot ? Held.LineTypes[*slot] : TEntJwwLineTypeExNo{}, width);
}

// A drawing in the command line's preview order: pens and layer states of the drawing,
// its extents, then the fit and the draw pass for the image's size.
std::string TWebDrawing::PreviewTrace(int32_t width, int32_t height) {
  if (!IsOpened || Doc.LoadError.NotADrawing || width <= 0 || height <= 0) return {};
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
  return WritePaletteJson(PalettePart(Held, SlotsOfLines(colorLines, lineTypeLines)));
}

bool TWebDrawing::CopyColorsFrom(const TWebDrawing& source, const std::vector<int32_t>& lines) {
  if (!IsOpened || PaletteSource || !source.IsOpened) return false;
  const TSlotSet slots = SlotsOfLines(lines, {});
  ApplyPalette(source.Held, slots, Doc);
  Held = PaletteOfDrawing(Doc);
  return !PalettePart(source.Held, slots).Held.Empty();
}

bool TWebDrawing::CopyLineTypesFrom(const TWebDrawing& source, const std::vector<int32_t>& lines) {
  if (!IsOpened || PaletteSource || !source.IsOpened) return false;
  const TSlotSet slots = SlotsOfLines({}, lines);
  ApplyPalette(source.Held, slots, Doc);
  Held = PaletteOfDrawing(Doc);
  return !PalettePart(source.Held, slots).Held.Empty();
}

std::vector<bool> TWebDrawing::ColorsDifferingFrom(const TWebDrawing& source) const {
  if (!IsOpened || !source.IsOpened) return {};
  return MarkedListLines(TSlotKind::Color, DifferingSlots(source.Held, Held, TSlotKind::Color));
}

std::vector<bool> TWebDrawing::LineTypesDifferingFrom(const TWebDrawing& source) const {
  if (!IsOpened || !source.IsOpened) return {};
  return MarkedListLines(TSlotKind::LineType,
                         DifferingSlots(source.Held, Held, TSlotKind::LineType));
}

}  // namespace pennatran
