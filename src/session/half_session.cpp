#include "session/half_session.h"

#include <algorithm>

#include "jww/format_versions.h"
#include "jww/jww_writer.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "palette/palette_diff.h"

namespace pennatran {
namespace {

// The slot of a list line, or -1 outside a table of size entries.
int32_t SlotOfLine(int32_t line, size_t size) {
  if (line < 0) return -1;
  const size_t slot = static_cast<size_t>(line) + kFirstUserSlot;
  return slot < size ? static_cast<int32_t>(slot) : -1;
}

// The entry of a list line; a blank one outside the table.
template <typename Entry>
Entry EntryOfLine(const std::vector<Entry>& table, int32_t line) {
  const int32_t slot = SlotOfLine(line, table.size());
  return slot < 0 ? Entry{} : table[static_cast<size_t>(slot)];
}

// The given lines that held lists, in the order given.
std::vector<int32_t> HeldLines(const std::vector<int32_t>& lines,
                               const std::vector<int32_t>& held) {
  std::vector<int32_t> kept;
  for (const int32_t line : lines) {
    if (std::binary_search(held.begin(), held.end(), line)) kept.push_back(line);
  }
  return kept;
}

// The held entries of the given lines, taken again from the drawing's table after a copy.
template <typename Entry>
void TakeLines(std::vector<Entry>& held, const std::vector<Entry>& table,
               const std::vector<int32_t>& lines) {
  for (const int32_t line : lines) {
    const int32_t slot = SlotOfLine(line, held.size());
    if (slot >= 0) held[static_cast<size_t>(slot)] = EntryOfLine(table, line);
  }
}

template <typename Entry, typename LineText>
std::vector<std::string> ListTextsOf(const std::vector<Entry>& table,
                                     const std::vector<int32_t>& lines, LineText lineText) {
  std::vector<std::string> texts;
  texts.reserve(lines.size());
  for (const int32_t line : lines) {
    texts.push_back(SjisToUtf8(lineText(EntryOfLine(table, line), line + kFirstUserSlot)));
  }
  return texts;
}

}  // namespace

THalfSession::THalfSession(TPreviewEnvironment environment) : Environment(std::move(environment)) {
  Render.Attributes = &Attributes;
}

void THalfSession::SetScratchFolder(const std::filesystem::path& folder) {
  Scratch = folder;
  Doc.ImageFolder = folder;
}

// Every load that takes the file ends here, so that what counts as opened is decided once;
// a file that turned out to be no drawing at all counts too.
TSessionLoad THalfSession::CountAsOpened(TSessionLoad load) {
  load.Ok = true;
  IsOpened = true;
  IsComplete = load.Complete;
  HasUnsaved = false;
  return load;
}

void THalfSession::HoldPalette(TPalette palette) {
  Doc.Release();
  Held = std::move(palette);
  PaletteSource = true;
}

TSessionLoad THalfSession::DrawingLoaded(bool complete) {
  TSessionLoad load;
  load.Complete = complete;
  load.NotADrawing = Doc.LoadError.NotADrawing;
  load.PlacementsCut = Doc.BlockTreeLimited;
  PaletteSource = false;
  Held = PaletteOfDrawing(Doc);
  return CountAsOpened(load);
}

TSessionLoad THalfSession::OpenDrawingFile(const std::filesystem::path& file) {
  Doc.ImageFolder = Scratch;
  return DrawingLoaded(Doc.LoadFromFile(file));
}

TSessionLoad THalfSession::OpenBytes(std::string_view bytes, const std::string& name,
                                     bool acceptPalette) {
  TSessionLoad load;
  if (LooksLikePaletteFile(bytes.substr(0, 64))) {
    load.IsPalette = true;
    if (!acceptPalette) return load;
    TPalette palette;
    if (!ReadPaletteJson(bytes, palette, load.PaletteError)) return load;
    HoldPalette(std::move(palette));
    load.Complete = true;
    return CountAsOpened(load);
  }
  return DrawingLoaded(
      Doc.LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), name));
}

TSessionLoad THalfSession::OpenPaletteFile(const std::filesystem::path& file) {
  TSessionLoad load;
  load.IsPalette = true;
  TPalette palette;
  if (!LoadPaletteSource(file, palette, load.PaletteError)) return load;
  Close();
  HoldPalette(std::move(palette));
  load.Complete = true;
  return CountAsOpened(load);
}

void THalfSession::Close() {
  PaletteSource = false;
  Doc.ImageFolder = Scratch;
  Doc.Release();
  Doc.DeleteImageFiles();
  Doc.ClearImageList();
}

const std::vector<int32_t>& THalfSession::Listed(TListKind kind) const {
  return kind == TListKind::Colors ? Held.ColorLines : Held.LineTypeLines;
}

std::vector<std::string> THalfSession::ListTexts(TListKind kind) const {
  if (kind == TListKind::Colors) return ListTextsOf(Held.Colors, Held.ColorLines, ColorListLine);
  return ListTextsOf(Held.LineTypes, Held.LineTypeLines, LineTypeListLine);
}

TEntJwwColorExNo THalfSession::ColorEntry(int32_t line) const {
  return EntryOfLine(Held.Colors, line);
}

TEntJwwLineTypeExNo THalfSession::LineTypeEntry(int32_t line) const {
  return EntryOfLine(Held.LineTypes, line);
}

std::vector<bool> THalfSession::DifferingFrom(const THalfSession& other, TListKind kind) const {
  if (!IsOpened || !other.IsOpened) return {};
  return kind == TListKind::Colors ? DifferingColorLines(other.Held, Held)
                                   : DifferingLineTypeLines(other.Held, Held);
}

bool THalfSession::CopyFrom(const THalfSession& other, TListKind kind,
                            const std::vector<int32_t>& lines) {
  if (!other.IsOpened) return false;
  return CopyFrom(other.Held, kind, lines);
}

// The drawing's own held slots are taken again only where the copy wrote, so that a copy
// reads no table whole.
bool THalfSession::CopyFrom(const TPalette& palette, TListKind kind,
                            const std::vector<int32_t>& lines) {
  if (!IsOpened || PaletteSource) return false;
  HasUnsaved = HasUnsaved || !lines.empty();
  if (kind == TListKind::Colors) {
    const std::vector<int32_t> held = HeldLines(lines, palette.ColorLines);
    CopyColorSlots(palette.Colors, Doc, held);
    TakeLines(Held.Colors, Doc.ColorExNos, held);
    return !held.empty();
  }
  const std::vector<int32_t> held = HeldLines(lines, palette.LineTypeLines);
  CopyLineTypeSlots(palette.LineTypes, Doc, held);
  TakeLines(Held.LineTypes, Doc.LineTypeExNos, held);
  return !held.empty();
}

bool THalfSession::SaveToFile(const std::filesystem::path& file, TSaveError* error,
                              const TAtomicWriteOptions& options) {
  Doc.ImageFolder = Scratch;
  Doc.SetSaveOptions(0);
  const bool saved = Doc.SaveToFile(file, kSaveVersion, error, options);
  if (saved) HasUnsaved = false;
  return saved;
}

std::string THalfSession::SaveBytes() {
  if (!IsOpened || PaletteSource) return {};
  Doc.SetSaveOptions(0);
  TStringSink sink;
  // Failures are told by the empty result only; nothing may escape to the page.
  try {
    WriteJww(Doc, sink, kSaveVersion);
  } catch (...) {
    return {};
  }
  return sink.Bytes;
}

std::string THalfSession::PaletteJson(const std::vector<int32_t>& colorLines,
                                      const std::vector<int32_t>& lineTypeLines) const {
  if (colorLines.empty() && lineTypeLines.empty()) return WritePaletteJson(Held);
  return WritePaletteJson(PalettePart(Held, colorLines, lineTypeLines));
}

}  // namespace pennatran
