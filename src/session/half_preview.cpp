// A half's preview: its own pens, layer states and background, set up in one place for the
// window, the page and the command line alike.
#include "render/draw_preview.h"
#include "render/palette_sheet.h"
#include "render/recording_canvas.h"
#include "render/system_clock.h"
#include "session/half_session.h"

namespace pennatran {
namespace {

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

}  // namespace

void THalfSession::ResetPreview(int32_t pixelWidth, int32_t pixelHeight, TLocalDateTime start) {
  Attributes = PreviewAttributes{};
  Attributes.SetBackMode(BackgroundMode::White);
  Attributes.InitPenColors();
  Attributes.SetShowAuxiliary(0);
  Render = TRenderContext{};
  Render.Attributes = &Attributes;
  Render.Clock = Environment.Clock;
  Render.EscapePressed = Environment.EscapePressed;
  Render.StartDateTime = start;
  ResetPreviewMapping(Render, pixelWidth, pixelHeight);
}

BackgroundMode THalfSession::PreparePreview(TPreviewCarry& carry) {
  // A drawing whose background tells no mode is drawn on the one carried over.
  Attributes.SetBackMode(carry.BackMode);
  Render.WorkingBox = carry.Box;
  FirstBackMode = pennatran::PreparePreview(Render, Attributes, Doc, carry.BackMode,
                                            Environment.PrinterResolution, Environment.Clock);
  carry = {FirstBackMode, Render.WorkingBox};
  return FirstBackMode;
}

void THalfSession::PrepareRedraw(TPreviewCarry& carry) {
  Attributes.SetBackMode(FirstBackMode);
  Render.WorkingBox = carry.Box;
  pennatran::PreparePreview(Render, Attributes, Doc, FirstBackMode, Environment.PrinterResolution,
                            Environment.Clock);
  carry.Box = Render.WorkingBox;
}

void THalfSession::DrawPreview(TCanvas& canvas, int32_t pixelWidth, int32_t pixelHeight) {
  if (PaletteSource) {
    DrawPaletteSheet(canvas, Held, pixelWidth, pixelHeight);
    return;
  }
  pennatran::DrawPreview(Render, Doc, canvas, pixelWidth, pixelHeight);
}

bool THalfSession::RecordPreview(TCanvas& recorder, int32_t pixelWidth, int32_t pixelHeight) {
  if (!IsOpened || pixelWidth <= 0 || pixelHeight <= 0) {
    return false;
  }
  if (!PaletteSource) {
    ResetPreview(pixelWidth, pixelHeight, SystemNow());
    TPreviewCarry fresh;
    PreparePreview(fresh);
  }
  DrawPreview(recorder, pixelWidth, pixelHeight);
  return true;
}

std::string THalfSession::PreviewTrace(int32_t pixelWidth, int32_t pixelHeight) {
  TRecordingCanvas recorder;
  if (!RecordPreview(recorder, pixelWidth, pixelHeight)) return {};
  return TraceText(recorder.Lines);
}

}  // namespace pennatran
