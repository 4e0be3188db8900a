// The page's interface to the core: thin translations between JavaScript values and the
// session of one half, which holds every rule.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "color_labels.h"
#include "jww/byte_writer.h"
#include "jww/format_versions.h"
#include "jww/jww_writer.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "palette/palette_file_error.h"
#include "render/line_type_swatch.h"
#include "render/packed_recording_canvas.h"
#include "render/vertical_forms.h"
#include "session/half_session.h"
#include "synthetic/synthetic_drawing.h"

namespace pennatran {
namespace {

using emscripten::val;

val Strings(const std::vector<std::string>& items) {
  val array = val::array();
  for (const std::string& item : items) array.call<void>("push", val(item));
  return array;
}

// The page numbers the lines of a list that shows every user slot; it gets and gives list
// lines, the session speaks in slots.
val LinesOf(const std::vector<TSlot>& slots) {
  val array = val::array();
  for (const TSlot slot : slots) array.call<void>("push", ListLineOf(slot));
  return array;
}

val Flags(const std::vector<bool>& items) {
  val array = val::array();
  for (const bool item : items) array.call<void>("push", val(item));
  return array;
}

std::vector<TSlot> Slots(const val& lines) {
  std::vector<TSlot> slots;
  for (const int32_t line : emscripten::vecFromJSArray<int32_t>(lines)) {
    slots.push_back(SlotOfListLine(line));
  }
  return slots;
}

// Marks for every line of the destination's list; none unless both halves are open.
val Differing(const THalfSession& destination, const THalfSession& source, TSlotKind kind) {
  if (!destination.Opened() || !source.Opened()) return val::array();
  return Flags(MarkedListLines(kind, destination.DifferingFrom(source, kind)));
}

// The page's patterns for the core's messages, keyed by the English pattern; a pattern
// the page does not word stays English.
TMessageWords MessageWords(const val& words) {
  return [words](const char* pattern) {
    const val word = words[pattern];
    return word.isString() ? word.as<std::string>() : std::string(pattern);
  };
}

// A copy of the bytes that stays valid after the wasm memory grows.
val Bytes(const std::string& bytes) {
  const val view = val(
      emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data())));
  return val::global("Uint8Array").new_(view);
}

// A Uint8Array's bytes, copied into the module's memory at once: as a std::string argument
// they would be copied a byte at a time, which takes seconds for a big drawing.
std::string BytesOf(const val& array) {
  std::string bytes(array["length"].as<size_t>(), '\0');
  val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<uint8_t*>(bytes.data())))
      .call<void>("set", array);
  return bytes;
}

// bytes: the file's Uint8Array. paletteWords: the page's patterns for the reason a palette
// file is refused.
val Load(THalfSession& drawing, const val& bytes, const std::string& name, bool acceptPalette,
         const val& paletteWords) {
  const TSessionLoad result = drawing.OpenBytes(BytesOf(bytes), name, acceptPalette);
  val out = val::object();
  out.set("ok", result.Ok);
  out.set("complete", result.Complete);
  out.set("notADrawing", result.NotADrawing);
  out.set("isPalette", result.IsPalette);
  out.set("placementsCut", result.PlacementsCut);
  out.set("error",
          PaletteFileErrorText(result.PaletteError.PaletteFile, MessageWords(paletteWords)));
  return out;
}

val ColorListed(const THalfSession& drawing) {
  return LinesOf(drawing.Listed(TSlotKind::Color));
}

val LineTypeListed(const THalfSession& drawing) {
  return LinesOf(drawing.Listed(TSlotKind::LineType));
}

val ColorLines(const THalfSession& drawing, const val& labels) {
  return Strings(drawing.ListTexts(TSlotKind::Color, ColorLabelsOf(labels)));
}

val LineTypeLines(const THalfSession& drawing) {
  return Strings(drawing.ListTexts(TSlotKind::LineType, {}));
}

uint32_t Rgb(TColor color) {
  return static_cast<uint32_t>(ColorRed(color) << 16 | ColorGreen(color) << 8 | ColorBlue(color));
}

// Screen and print colour of a colour list line, as 0xRRGGBB.
uint32_t ScreenColor(const THalfSession& drawing, int32_t line) {
  return Rgb(drawing.Entry<TSlotKind::Color>(SlotOfListLine(line)).ScreenColor);
}

uint32_t PrintColor(const THalfSession& drawing, int32_t line) {
  return Rgb(drawing.Entry<TSlotKind::Color>(SlotOfListLine(line)).PrintColor);
}

// [start, length, start, length, ...] of the swatch's dashes.
val LineTypeDashes(const THalfSession& drawing, int32_t line, int32_t width) {
  val array = val::array();
  for (const TSwatchDash& dash :
       LineTypeSwatchDashes(drawing.Entry<TSlotKind::LineType>(SlotOfListLine(line)), width)) {
    array.call<void>("push", dash.Start);
    array.call<void>("push", dash.Length);
  }
  return array;
}

// The recorded numbers in one array of their own, a block at a time.
val Int32Array(const TWordBlocks& words) {
  val array = val::global("Int32Array").new_(words.Size());
  size_t at = 0;
  for (const std::vector<int32_t>& block : words.Blocks()) {
    array.call<void>("set", val(emscripten::typed_memory_view(block.size(), block.data())), at);
    at += block.size();
  }
  return array;
}

// The screen colours of the colour list's lines in its order, and the swatch dashes of the
// line type list's: the page's swatches in one answer each rather than one per line.
val ListedScreenColors(const THalfSession& drawing) {
  val array = val::array();
  for (const TSlot slot : drawing.Listed(TSlotKind::Color)) {
    array.call<void>("push", Rgb(drawing.Entry<TSlotKind::Color>(slot).ScreenColor));
  }
  return array;
}

val ListedLineTypeDashes(const THalfSession& drawing, int32_t width) {
  val array = val::array();
  for (const TSlot slot : drawing.Listed(TSlotKind::LineType)) {
    array.call<void>("push", LineTypeDashes(drawing, ListLineOf(slot), width));
  }
  return array;
}

// A recording as the page replays it: {words: Int32Array, text: Uint8Array}.
val RecordingOf(const TWordBlocks& words, const std::string& text) {
  val out = val::object();
  out.set("words", Int32Array(words));
  out.set("text", Bytes(text));
  return out;
}

// A fresh preview as numbers and UTF-8 text, for the page to replay without parsing a
// trace; null when there is nothing to draw.
val PreviewRecording(THalfSession& drawing, int32_t width, int32_t height) {
  TPackedRecordingCanvas recorder;
  if (!drawing.RecordPreview(recorder, width, height)) return val::null();
  return RecordingOf(recorder.Words, recorder.Text);
}

// The same preview as recordings of about a quarter of a million numbers each, handed to
// onPart as they are made: the page paints the first while the rest is recorded. False
// when there is nothing to draw.
bool PreviewRecordingInParts(THalfSession& drawing, int32_t width, int32_t height,
                             const val& onPart) {
  constexpr size_t kPartWords = size_t{1} << 18;
  TPackedRecordingCanvas recorder;
  recorder.HandOverInParts(kPartWords,
                           [&onPart](const TWordBlocks& words, const std::string& text) {
                             onPart(RecordingOf(words, text));
                           });
  if (!drawing.RecordPreview(recorder, width, height)) return false;
  recorder.EndParts();
  return true;
}

// The preview of a small drawing of the usual mix, loaded from its bytes as a file is: the
// page has it made and replayed while the user chooses a file, because the browser runs
// code at full speed only once it has run for a while, and the first drawing opened would
// otherwise pay for that.
val WarmUpRecording(int32_t width, int32_t height) {
  constexpr int64_t kEntities = 10000;
  TJwwData doc;
  MakeSyntheticDrawing(doc, kEntities, 1);
  TStringSink sink;
  WriteJww(doc, sink, kSaveVersion);
  THalfSession half;
  half.OpenBytes(sink.Bytes, "warm-up.jww", false);
  return PreviewRecording(half, width, height);
}

val SaveBytes(THalfSession& drawing) {
  return Bytes(drawing.SaveBytes());
}

std::string PaletteJson(const THalfSession& drawing, const val& colorLines,
                        const val& lineTypeLines) {
  return drawing.PaletteJson({Slots(colorLines), Slots(lineTypeLines)});
}

bool CopyColors(THalfSession& destination, const THalfSession& source, const val& lines) {
  return destination.CopyFrom(source, TSlotKind::Color, Slots(lines));
}

bool CopyLineTypes(THalfSession& destination, const THalfSession& source, const val& lines) {
  return destination.CopyFrom(source, TSlotKind::LineType, Slots(lines));
}

val ColorsDiffering(const THalfSession& destination, const THalfSession& source) {
  return Differing(destination, source, TSlotKind::Color);
}

val LineTypesDiffering(const THalfSession& destination, const THalfSession& source) {
  return Differing(destination, source, TSlotKind::LineType);
}

// How a full-width character stands in a vertical column: {codePoint, turned}.
val VerticalForm(uint32_t code) {
  const TVerticalForm form = VerticalFormOf(static_cast<char32_t>(code));
  val out = val::object();
  out.set("codePoint", static_cast<uint32_t>(form.CodePoint));
  out.set("turned", form.Turned);
  return out;
}

// The same for many characters at once: [codePoint, turned, ...] for each code given.
val VerticalForms(const val& codes) {
  val out = val::array();
  for (const uint32_t code : emscripten::vecFromJSArray<uint32_t>(codes)) {
    const TVerticalForm form = VerticalFormOf(static_cast<char32_t>(code));
    out.call<void>("push", static_cast<uint32_t>(form.CodePoint));
    out.call<void>("push", form.Turned);
  }
  return out;
}

}  // namespace
}  // namespace pennatran

EMSCRIPTEN_BINDINGS(pennatran_drawing) {
  using namespace pennatran;
  emscripten::function("verticalForm", &VerticalForm);
  emscripten::function("verticalForms", &VerticalForms);
  emscripten::function("warmUpRecording", &WarmUpRecording);
  emscripten::class_<THalfSession>("Drawing")
      .constructor<>()
      .function("load", &Load)
      .function("opened", &THalfSession::Opened)
      .function("isPalette", &THalfSession::IsPalette)
      .function("colorListed", &ColorListed)
      .function("lineTypeListed", &LineTypeListed)
      .function("colorLines", &ColorLines)
      .function("lineTypeLines", &LineTypeLines)
      .function("screenColor", &ScreenColor)
      .function("printColor", &PrintColor)
      .function("lineTypeDashes", &LineTypeDashes)
      .function("listedScreenColors", &ListedScreenColors)
      .function("listedLineTypeDashes", &ListedLineTypeDashes)
      .function("preview", &THalfSession::PreviewTrace)
      .function("previewRecording", &PreviewRecording)
      .function("previewRecordingInParts", &PreviewRecordingInParts)
      .function("save", &SaveBytes)
      .function("paletteJson", &PaletteJson)
      .function("copyColorsFrom", &CopyColors)
      .function("copyLineTypesFrom", &CopyLineTypes)
      .function("colorsDifferingFrom", &ColorsDiffering)
      .function("lineTypesDifferingFrom", &LineTypesDiffering);
}
