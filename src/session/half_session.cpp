#include "session/half_session.h"

#include "jww/format_versions.h"
#include "jww/image_files.h"
#include "jww/jww_writer.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "palette/palette_diff.h"

namespace pennatran {
namespace {

// The given slots that held lists, in the order given.
std::vector<TSlot> HeldSlots(const std::vector<TSlot>& slots, const std::vector<TSlot>& held) {
  std::vector<TSlot> kept;
  for (const TSlot slot : slots) {
    if (Holds(held, slot)) kept.push_back(slot);
  }
  return kept;
}

// The held entries of the given slots, taken again from the drawing's table after a copy.
template <TSlotKind K>
void TakeSlots(TPalette& held, const TJwwData& doc, const std::vector<TSlot>& slots) {
  for (const TSlot slot : slots) held.Table<K>()[slot] = doc.SlotEntry<K>(slot);
}

}  // namespace

THalfSession::THalfSession(TPreviewEnvironment environment) : Environment(std::move(environment)) {
  Render.Attributes = &Attributes;
}

void THalfSession::SetScratchFolder(const std::filesystem::path& folder) {
  Scratch = folder;
  Doc.ImageFolder = folder;
}

// Every load that takes the file ends here, so that what counts as opened is decided once.
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

// The drawing is read apart and its images extracted only once it is taken: the images of
// the drawing it replaces may have the same names.
TSessionLoad THalfSession::TakeDrawing(TJwwData loaded, bool complete) {
  TSessionLoad load;
  load.Complete = complete;
  load.NotADrawing = loaded.LoadError.NotADrawing();
  load.PlacementsCut = loaded.BlockTreeLimited;
  load.Error = loaded.LoadError;
  if (load.NotADrawing) return load;
  Close();
  Doc = std::move(loaded);
  Doc.ImageFolder = Scratch;
  WriteImageFiles(Doc);
  PaletteSource = false;
  Held = PaletteOfDrawing(Doc);
  return CountAsOpened(load);
}

TSessionLoad THalfSession::OpenDrawingFile(const std::filesystem::path& file) {
  TJwwData loaded;
  const bool complete = loaded.LoadFromFile(file);
  return TakeDrawing(std::move(loaded), complete);
}

TSessionLoad THalfSession::OpenBytes(std::string_view bytes, const std::string& name,
                                     bool acceptPalette) {
  TSessionLoad load;
  if (LooksLikePaletteFile(bytes.substr(0, 64))) {
    load.IsPalette = true;
    if (!acceptPalette) return load;
    TPalette palette;
    if (!ReadPaletteJson(bytes, palette, load.PaletteError.PaletteFile)) {
      load.PaletteError.Failure = TPaletteSourceFailure::BadPaletteFile;
      return load;
    }
    HoldPalette(std::move(palette));
    load.Complete = true;
    return CountAsOpened(load);
  }
  TJwwData loaded;
  const bool complete =
      loaded.LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), name);
  return TakeDrawing(std::move(loaded), complete);
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

std::vector<std::string> THalfSession::ListTexts(TSlotKind kind,
                                                 const TColorLineLabels& labels) const {
  std::vector<std::string> texts;
  for (const SjisString& line : ListLines(Held, kind, labels)) texts.push_back(SjisToUtf8(line));
  return texts;
}

std::vector<TSlot> THalfSession::DifferingFrom(const THalfSession& other, TSlotKind kind) const {
  if (!IsOpened || !other.IsOpened) return {};
  return DifferingSlots(other.Held, Held, kind);
}

bool THalfSession::CopyFrom(const THalfSession& other, TSlotKind kind,
                            const std::vector<TSlot>& slots) {
  if (!other.IsOpened) return false;
  return CopyFrom(other.Held, kind, slots);
}

// The drawing's own held slots are taken again only where the copy wrote, so that a copy
// reads no table whole.
bool THalfSession::CopyFrom(const TPalette& palette, TSlotKind kind,
                            const std::vector<TSlot>& slots) {
  if (!IsOpened || PaletteSource) return false;
  HasUnsaved = HasUnsaved || !slots.empty();
  TSlotSet copied;
  copied.Of(kind) = HeldSlots(slots, palette.Held.Of(kind));
  CopySlots(palette, copied, Doc);
  if (kind == TSlotKind::Color) {
    TakeSlots<TSlotKind::Color>(Held, Doc, copied.Colors);
  } else {
    TakeSlots<TSlotKind::LineType>(Held, Doc, copied.LineTypes);
  }
  return !copied.Empty();
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

std::string THalfSession::PaletteJson(const TSlotSet& slots) const {
  if (slots.Empty()) return WritePaletteJson(Held);
  return WritePaletteJson(PalettePart(Held, slots));
}

}  // namespace pennatran
