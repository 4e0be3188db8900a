#include "palette/palette_file.h"

#include <algorithm>
#include <fstream>

#include "palette/palette_diff.h"
#include "palette/palette_json_names.h"
#include "palette/slot_selection.h"

namespace pennatran {
namespace {

template <typename T>
T EntryAt(const std::vector<T>& table, int32_t slot) {
  return static_cast<size_t>(slot) < table.size() ? table[static_cast<size_t>(slot)] : T{};
}

std::vector<int32_t> AllLines(int32_t count) {
  std::vector<int32_t> lines;
  for (int32_t i = 0; i < count; ++i) lines.push_back(i);
  return lines;
}

std::vector<int32_t> HeldOnly(const std::vector<int32_t>& wanted,
                              const std::vector<int32_t>& held) {
  std::vector<int32_t> lines;
  for (int32_t line : wanted)
    if (std::binary_search(held.begin(), held.end(), line)) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  return lines;
}

}  // namespace

TPalette PaletteOfDrawing(const TJwwData& doc) {
  TPalette palette;
  for (int32_t slot = kFirstUserSlot; slot < kColorSlotCount; ++slot)
    palette.Colors[static_cast<size_t>(slot)] = EntryAt(doc.ColorExNos, slot);
  for (int32_t slot = kFirstUserSlot; slot < kLineTypeSlotCount; ++slot)
    palette.LineTypes[static_cast<size_t>(slot)] = EntryAt(doc.LineTypeExNos, slot);
  palette.ColorLines = AllLines(kColorLineCount);
  palette.LineTypeLines = AllLines(kLineTypeLineCount);
  return palette;
}

TPalette PalettePart(const TPalette& palette, const std::vector<int32_t>& colorLines,
                     const std::vector<int32_t>& lineTypeLines) {
  TPalette part = palette;
  part.ColorLines = HeldOnly(colorLines, palette.ColorLines);
  part.LineTypeLines = HeldOnly(lineTypeLines, palette.LineTypeLines);
  return part;
}

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

int32_t ApplyPalette(const TPalette& palette, const std::vector<int32_t>& colorLines,
                     const std::vector<int32_t>& lineTypeLines, TJwwData& doc) {
  const std::vector<int32_t> colors = HeldOnly(colorLines, palette.ColorLines);
  const std::vector<int32_t> lineTypes = HeldOnly(lineTypeLines, palette.LineTypeLines);
  // The same comparison as diff and audit, so that "unchanged" here means "matches" there.
  const auto changed = static_cast<int32_t>(
      ChangedSlots(CompareSlots(PaletteOfDrawing(doc), palette, colors, lineTypes)).size());
  CopyColorSlots(palette.Colors, doc, colors);
  CopyLineTypeSlots(palette.LineTypes, doc, lineTypes);
  return changed;
}

TSlotChoice ChooseSlots(const TPalette& source, const std::string* colors,
                        const std::string* lineTypes) {
  TSlotChoice choice;
  if (!colors && !lineTypes) {
    choice.ColorLines = source.ColorLines;
    choice.LineTypeLines = source.LineTypeLines;
    return choice;
  }
  if (colors) {
    TSlotSelection s =
        SelectHeldSlots(*colors, kFirstUserSlot, kColorSlotCount - 1, source.ColorLines);
    choice.Error = s.Error;
    choice.ColorLines = std::move(s.Lines);
  }
  if (lineTypes && choice.Ok()) {
    TSlotSelection s =
        SelectHeldSlots(*lineTypes, kFirstUserSlot, kLineTypeSlotCount - 1, source.LineTypeLines);
    choice.Error = s.Error;
    choice.ErrorInLineTypes = !s.Ok();
    choice.LineTypeLines = std::move(s.Lines);
  }
  return choice;
}

}  // namespace pennatran
