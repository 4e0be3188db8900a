// The page's interface to the core: thin translations between JavaScript values and
// TWebDrawing, which holds every rule.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "render/vertical_forms.h"
#include "web_drawing.h"

namespace pennatran {
namespace {

using emscripten::val;

val Strings(const std::vector<std::string>& items) {
  val array = val::array();
  for (const std::string& item : items) array.call<void>("push", val(item));
  return array;
}

val Numbers(const std::vector<int32_t>& items) {
  val array = val::array();
  for (const int32_t item : items) array.call<void>("push", item);
  return array;
}

val Flags(const std::vector<bool>& items) {
  val array = val::array();
  for (const bool item : items) array.call<void>("push", val(item));
  return array;
}

std::vector<int32_t> Lines(const val& array) {
  return emscripten::vecFromJSArray<int32_t>(array);
}

// A copy of the bytes that stays valid after the wasm memory grows.
val Bytes(const std::string& bytes) {
  const val view = val(
      emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data())));
  return val::global("Uint8Array").new_(view);
}

val Load(TWebDrawing& drawing, const std::string& bytes, const std::string& name,
         bool acceptPalette) {
  const TWebLoadResult result = drawing.Load(bytes, name, acceptPalette);
  val out = val::object();
  out.set("ok", result.Ok);
  out.set("complete", result.Complete);
  out.set("notADrawing", result.NotADrawing);
  out.set("isPalette", result.IsPalette);
  out.set("placementsCut", result.PlacementsCut);
  out.set("error", result.Error);
  return out;
}

val ColorListed(const TWebDrawing& drawing) {
  return Numbers(drawing.ColorListed());
}

val LineTypeListed(const TWebDrawing& drawing) {
  return Numbers(drawing.LineTypeListed());
}

val ColorLines(const TWebDrawing& drawing) {
  return Strings(drawing.ColorLines());
}

val LineTypeLines(const TWebDrawing& drawing) {
  return Strings(drawing.LineTypeLines());
}

// [start, length, start, length, ...] of the swatch's dashes.
val LineTypeDashes(const TWebDrawing& drawing, int32_t line, int32_t width) {
  val array = val::array();
  for (const TSwatchDash& dash : drawing.LineTypeDashes(line, width)) {
    array.call<void>("push", dash.Start);
    array.call<void>("push", dash.Length);
  }
  return array;
}

val SaveBytes(TWebDrawing& drawing) {
  return Bytes(drawing.SaveBytes());
}

std::string PaletteJson(const TWebDrawing& drawing, const val& colorLines,
                        const val& lineTypeLines) {
  return drawing.PaletteJson(Lines(colorLines), Lines(lineTypeLines));
}

bool CopyColors(TWebDrawing& destination, const TWebDrawing& source, const val& lines) {
  return destination.CopyColorsFrom(source, Lines(lines));
}

bool CopyLineTypes(TWebDrawing& destination, const TWebDrawing& source, const val& lines) {
  return destination.CopyLineTypesFrom(source, Lines(lines));
}

val ColorsDiffering(const TWebDrawing& destination, const TWebDrawing& source) {
  return Flags(destination.ColorsDifferingFrom(source));
}

val LineTypesDiffering(const TWebDrawing& destination, const TWebDrawing& source) {
  return Flags(destination.LineTypesDifferingFrom(source));
}

// How a full-width character stands in a vertical column: {codePoint, turned}.
val VerticalForm(uint32_t code) {
  const TVerticalForm form = VerticalFormOf(static_cast<char32_t>(code));
  val out = val::object();
  out.set("codePoint", static_cast<uint32_t>(form.CodePoint));
  out.set("turned", form.Turned);
  return out;
}

}  // namespace
}  // namespace pennatran

EMSCRIPTEN_BINDINGS(pennatran_drawing) {
  using namespace pennatran;
  emscripten::function("verticalForm", &VerticalForm);
  emscripten::class_<TWebDrawing>("Drawing")
      .constructor<>()
      .function("load", &Load)
      .function("opened", &TWebDrawing::Opened)
      .function("isPalette", &TWebDrawing::IsPalette)
      .function("colorListed", &ColorListed)
      .function("lineTypeListed", &LineTypeListed)
      .function("colorLines", &ColorLines)
      .function("lineTypeLines", &LineTypeLines)
      .function("screenColor", &TWebDrawing::ScreenColor)
      .function("printColor", &TWebDrawing::PrintColor)
      .function("lineTypeDashes", &LineTypeDashes)
      .function("preview", &TWebDrawing::PreviewTrace)
      .function("save", &SaveBytes)
      .function("paletteJson", &PaletteJson)
      .function("copyColorsFrom", &CopyColors)
      .function("copyLineTypesFrom", &CopyLineTypes)
      .function("colorsDifferingFrom", &ColorsDiffering)
      .function("lineTypesDifferingFrom", &LineTypesDiffering);
}
