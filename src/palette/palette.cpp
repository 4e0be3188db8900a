#include "palette/palette.h"

#include <cstdio>
#include <string>

#include "jww/number_text.h"

namespace pennatran {
namespace {

// Upper-case hexadecimal, at least `digits` digits; a negative value shows its 32-bit
// two's complement because the colour words are unsigned.
std::string Hex(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
  return text;
}

template <typename T>
T EntryOrZero(const std::vector<T>& table, int32_t slot) {
  return slot >= 0 && static_cast<size_t>(slot) < table.size() ? table[static_cast<size_t>(slot)]
                                                               : T{};
}

std::string SlotPrefix(int32_t slot, const SjisString& name) {
  return "No." + std::to_string(slot) + " [" + name + "] ";
}

// Copies source slot line + 17 over the destination's for every line in the list; other
// lines are ignored. A source without the table gives zero entries.
template <typename T>
void CopySlots(const std::vector<T>& src, std::vector<T>& dst, size_t slotCount, int32_t lineCount,
               const std::vector<int32_t>& lines) {
  if (dst.size() < slotCount) dst.resize(slotCount);
  for (int32_t line : lines) {
    if (line < 0 || line >= lineCount) continue;
    int32_t slot = line + kFirstUserSlot;
    dst[static_cast<size_t>(slot)] = EntryOrZero(src, slot);
  }
}

}  // namespace

SjisString ColorListLine(const TEntJwwColorExNo& entry, int32_t slot,
                         const TColorLineLabels& labels) {
  return SlotPrefix(slot, entry.Name) + Hex(entry.ScreenColor, 6) + " " + labels.Width +
         std::to_string(entry.ScreenWidth) + " " + Hex(entry.PrintColor, 6) + " " + labels.Width +
         std::to_string(entry.PrintWidth) + " " + labels.PointRadius +
         FixedText(entry.PointRadius, 2);
}

SjisString LineTypeListLine(const TEntJwwLineTypeExNo& entry, int32_t slot) {
  std::string line = SlotPrefix(slot, entry.Name) + Hex(entry.Pattern, 8) + " " +
                     std::to_string(entry.SegmentCount) + " [";
  int32_t shown = entry.SegmentCount < 10 ? entry.SegmentCount : 10;
  for (int32_t i = 0; i < shown; ++i) {
    if (i > 0) line += ",";
    line += FixedText(entry.Pitches[i], 2);
  }
  return line + "]";
}

std::vector<SjisString> ColorListLines(const TJwwData& doc, const TColorLineLabels& labels) {
  std::vector<SjisString> lines;
  lines.reserve(kColorLineCount);
  for (int32_t slot = kFirstUserSlot; slot < kColorSlotCount; ++slot) {
    lines.push_back(ColorListLine(EntryOrZero(doc.ColorExNos, slot), slot, labels));
  }
  return lines;
}

std::vector<SjisString> LineTypeListLines(const TJwwData& doc) {
  std::vector<SjisString> lines;
  lines.reserve(kLineTypeLineCount);
  for (int32_t slot = kFirstUserSlot; slot < kLineTypeSlotCount; ++slot) {
    lines.push_back(LineTypeListLine(EntryOrZero(doc.LineTypeExNos, slot), slot));
  }
  return lines;
}

void CopyColorSlots(const TJwwData& src, TJwwData& dst, const std::vector<int32_t>& lines) {
  CopyColorSlots(src.ColorExNos, dst, lines);
}

void CopyLineTypeSlots(const TJwwData& src, TJwwData& dst, const std::vector<int32_t>& lines) {
  CopyLineTypeSlots(src.LineTypeExNos, dst, lines);
}

void CopyColorSlots(const std::vector<TEntJwwColorExNo>& src, TJwwData& dst,
                    const std::vector<int32_t>& lines) {
  CopySlots(src, dst.ColorExNos, kColorSlotCount, kColorLineCount, lines);
}

void CopyLineTypeSlots(const std::vector<TEntJwwLineTypeExNo>& src, TJwwData& dst,
                       const std::vector<int32_t>& lines) {
  CopySlots(src, dst.LineTypeExNos, kLineTypeSlotCount, kLineTypeLineCount, lines);
}

}  // namespace pennatran
