// The page's office jobs over many drawings: a palette source audited against and applied to
// one drawing's bytes at a time. Each drawing goes through the module's in-memory file system
// so that the very functions the command line's audit and apply call do the work, and the
// page gets what they would have written.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "color_labels.h"
#include "jww/color.h"
#include "jww/load_error.h"
#include "jww/temp_folder.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "palette/palette_apply.h"
#include "palette/palette_audit.h"
#include "palette/palette_file.h"
#include "render/line_type_swatch.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;
using emscripten::val;

// The swatch width the page's lists use, so that a compared line reads as its list line does.
constexpr int32_t kSwatchWidth = 36;

// A drawing's bytes as a file under its own name in a fresh scratch folder, removed with it.
class TScratchFile {
 public:
  TScratchFile(const std::string& bytes, const std::string& name) {
    fs::path leaf = fs::path(name).filename();
    if (leaf.empty() || leaf == "." || leaf == "..") leaf = "drawing.jww";
    File = Folder.Path() / leaf;
    std::ofstream out(File, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  const fs::path& Path() const { return File; }

 private:
  TTempFolder Folder;
  fs::path File;
};

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

val Bytes(const std::string& bytes) {
  const val view = val(
      emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data())));
  return val::global("Uint8Array").new_(view);
}

const char* FailureKindName(TFailureKind kind) {
  switch (kind) {
    case TFailureKind::None:
      return "";
    case TFailureKind::NotADrawing:
      return "not-a-drawing";
    case TFailureKind::NotReadCompletely:
      return "not-read-completely";
    case TFailureKind::ReadOnly:
      return "read-only";
    case TFailureKind::Busy:
      return "busy";
    case TFailureKind::Backup:
      return "backup";
    case TFailureKind::Save:
      return "save";
    case TFailureKind::OutputFolder:
    case TFailureKind::NotRegular:
    case TFailureKind::DanglingLink:
    case TFailureKind::FolderUnreadable:
      break;
  }
  return "other";
}

// The parts the page words: the kind, and for a load that stopped, where and why in English.
val FailureOf(const TDrawingFailure& failure) {
  val out = val::object();
  out.set("kind", std::string(FailureKindName(failure.Kind)));
  out.set("offset", static_cast<double>(failure.Load.Offset));
  out.set("detail", failure.Kind == TFailureKind::NotReadCompletely ? LoadErrorText(failure.Load)
                                                                    : failure.Detail);
  return out;
}

val Numbers(const std::vector<TSlot>& slots) {
  val array = val::array();
  for (const TSlot slot : slots) array.call<void>("push", slot.Number());
  return array;
}

uint32_t Rgb(TColor color) {
  return static_cast<uint32_t>(ColorRed(color) << 16 | ColorGreen(color) << 8 | ColorBlue(color));
}

val ColorSide(const TPalette& palette, TSlot slot, const TColorLineLabels& labels) {
  const TEntJwwColorExNo& entry = palette.Colors[slot];
  val out = val::object();
  out.set("text", SjisToUtf8(ListLine(entry, slot, labels)));
  out.set("screen", Rgb(entry.ScreenColor));
  out.set("print", Rgb(entry.PrintColor));
  return out;
}

val LineTypeSide(const TPalette& palette, TSlot slot) {
  const TEntJwwLineTypeExNo& entry = palette.LineTypes[slot];
  val dashes = val::array();
  for (const TSwatchDash& dash : LineTypeSwatchDashes(entry, kSwatchWidth)) {
    dashes.call<void>("push", dash.Start);
    dashes.call<void>("push", dash.Length);
  }
  val out = val::object();
  out.set("text", SjisToUtf8(ListLine(entry, slot)));
  out.set("dashes", dashes);
  return out;
}

// The office palette of the source half, read the way the command line reads its source.
class TOfficeSource {
 public:
  TOfficeSource(const std::string& bytes, const std::string& name) {
    const TScratchFile file(bytes, name);
    Loaded = LoadPaletteSource(file.Path(), Palette, Error);
    Chosen = Palette.Held;
  }

  bool Ok() const { return Loaded; }

  // The source half's selected list lines; none selected means every slot it holds, as the
  // window's drop of many drawings takes it. Returns how many slots apply will copy.
  int32_t Select(const val& colorLines, const val& lineTypeLines) {
    Chosen = {HeldOf(TSlotKind::Color, colorLines), HeldOf(TSlotKind::LineType, lineTypeLines)};
    if (Chosen.Empty()) Chosen = Palette.Held;
    return static_cast<int32_t>(Chosen.Size());
  }

  // As `pennatran-cli audit`: every held slot compared.
  val Audit(const std::string& bytes, const std::string& name) const {
    const TScratchFile file(bytes, name);
    const TAuditResult result = AuditDrawing(Palette, file.Path());
    val out = val::object();
    out.set("readable", result.Readable);
    out.set("failure", FailureOf(result.Failure));
    std::vector<TSlot> colors, lineTypes;
    for (const TSlotRef& slot : ChangedSlots(result.Changes))
      (slot.Kind == TSlotKind::Color ? colors : lineTypes).push_back(slot.Slot);
    out.set("colors", Numbers(colors));
    out.set("lineTypes", Numbers(lineTypes));
    return out;
  }

  // The differing slots of a readable drawing, each as the lists draw it, source first.
  val Compare(const std::string& bytes, const std::string& name, const val& labelWords) const {
    const TScratchFile file(bytes, name);
    const TColorLineLabels labels = ColorLabelsOf(labelWords);
    TPalette drawing;
    TPaletteSourceError error;
    val rows = val::array();
    if (!LoadPaletteSource(file.Path(), drawing, error)) return rows;
    for (const TSlot slot : DifferingSlots(Palette, drawing, TSlotKind::Color)) {
      val row = val::object();
      row.set("kind", std::string("color"));
      row.set("slot", slot.Number());
      row.set("source", ColorSide(Palette, slot, labels));
      row.set("drawing", ColorSide(drawing, slot, labels));
      rows.call<void>("push", row);
    }
    for (const TSlot slot : DifferingSlots(Palette, drawing, TSlotKind::LineType)) {
      val row = val::object();
      row.set("kind", std::string("lineType"));
      row.set("slot", slot.Number());
      row.set("source", LineTypeSide(Palette, slot));
      row.set("drawing", LineTypeSide(drawing, slot));
      rows.call<void>("push", row);
    }
    return rows;
  }

  // As `pennatran-cli apply --in-place` (with --dry-run when asked) on this one drawing. A
  // saved drawing comes back as its new bytes; with backups on, the page first writes the
  // drawing's previous bytes unchanged under the name `backup` gives, as the command line's
  // backup copies the file.
  val Apply(const std::string& bytes, const std::string& name, bool dryRun) const {
    const TScratchFile file(bytes, name);
    TApplySettings settings;
    settings.Slots = Chosen;
    settings.DryRun = dryRun;
    const TApplyResult result = ApplyToDrawing(Palette, settings, file.Path(), file.Path());
    val out = val::object();
    out.set("status", std::string(StatusName(result.Status)));
    out.set("changed", result.ChangedSlots);
    out.set("failure", FailureOf(result.Failure));
    out.set("backup", BackupOf(fs::path(name)).string());
    out.set("bytes",
            result.Status == TApplyStatus::Saved ? Bytes(ReadAll(file.Path())) : val::null());
    return out;
  }

 private:
  std::vector<TSlot> HeldOf(TSlotKind kind, const val& lines) const {
    std::vector<TSlot> slots;
    for (const int32_t line : emscripten::vecFromJSArray<int32_t>(lines)) {
      const TSlot slot = SlotOfListLine(line);
      if (Holds(Palette.Held.Of(kind), slot)) slots.push_back(slot);
    }
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    return slots;
  }

  TPalette Palette;
  TPaletteSourceError Error;
  TSlotSet Chosen;
  bool Loaded = false;
};

}  // namespace
}  // namespace pennatran

EMSCRIPTEN_BINDINGS(pennatran_office) {
  using namespace pennatran;
  emscripten::class_<TOfficeSource>("OfficeSource")
      .constructor<const std::string&, const std::string&>()
      .function("ok", &TOfficeSource::Ok)
      .function("select", &TOfficeSource::Select)
      .function("audit", &TOfficeSource::Audit)
      .function("compare", &TOfficeSource::Compare)
      .function("apply", &TOfficeSource::Apply);
}
