#include "palette/palette_file.h"

#include <fstream>

#include "palette/palette_diff.h"
#include "palette/palette_json_names.h"
#include "palette/slot_selection.h"

namespace pennatran {

bool LooksLikePaletteFile(std::string_view firstBytes) {
  if (firstBytes.starts_with(kUtf8ByteOrderMark))
    firstBytes.remove_prefix(kUtf8ByteOrderMark.size());
  for (char c : firstBytes) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    return c == '{' || c == '[';
  }
  return false;
}

bool LoadPaletteSource(const std::filesystem::path& file, TPalette& palette,
                       TPaletteSourceError& error, std::vector<TSaveNote>* notes) {
  error = {};
  if (notes) notes->clear();
  // A palette file is small; anything larger is a drawing or not ours.
  constexpr size_t kLongestPaletteFile = 16 * 1024 * 1024;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error.Failure = TPaletteSourceFailure::CannotOpen;
    return false;
  }
  std::string head(64, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(in.gcount()));
  if (LooksLikePaletteFile(head)) {
    in.clear();
    in.seekg(0);
    std::string text;
    text.reserve(4096);
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
      text.append(buffer, static_cast<size_t>(in.gcount()));
      if (text.size() > kLongestPaletteFile) {
        error.Failure = TPaletteSourceFailure::TooLarge;
        return false;
      }
    }
    if (!ReadPaletteJson(text, palette, error.PaletteFile)) {
      error.Failure = TPaletteSourceFailure::BadPaletteFile;
      return false;
    }
    if (notes) *notes = SaveNotes(palette);
    return true;
  }
  in.close();
  TJwwData doc;
  if (!doc.LoadFromFile(file)) {
    error.Failure = TPaletteSourceFailure::Drawing;
    error.Drawing = LoadFailureOf(doc);
    error.Drawing.Path = file;
    return false;
  }
  palette = PaletteOfDrawing(doc);
  return true;
}

int32_t ApplyPalette(const TPalette& palette, const TSlotSet& slots, TJwwData& doc) {
  const TSlotSet held = PalettePart(palette, slots).Held;
  // The same comparison as diff and audit, so that "unchanged" here means "matches" there.
  const auto changed =
      static_cast<int32_t>(ChangedSlots(CompareSlots(PaletteOfDrawing(doc), palette, held)).size());
  CopySlots(palette, held, doc);
  return changed;
}

TSlotChoice ChooseSlots(const TPalette& source, const std::string* colors,
                        const std::string* lineTypes) {
  TSlotChoice choice;
  if (!colors && !lineTypes) {
    choice.Slots = source.Held;
    return choice;
  }
  for (TSlotKind kind : kSlotKinds) {
    const std::string* text = kind == TSlotKind::Color ? colors : lineTypes;
    if (!text || !choice.Ok()) continue;
    TSlotSelection s = SelectHeldSlots(*text, kind, source.Held.Of(kind));
    choice.Error = s.Error;
    choice.ErrorInLineTypes = kind == TSlotKind::LineType && !s.Ok();
    choice.Slots.Of(kind) = std::move(s.Slots);
  }
  return choice;
}

}  // namespace pennatran
