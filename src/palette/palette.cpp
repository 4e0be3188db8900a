#include "palette/palette.h"

#include <algorithm>
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

std::string SlotPrefix(TSlot slot, const SjisString& name) {
  return "No." + std::to_string(slot.Number()) + " [" + name + "] ";
}

template <TSlotKind K>
void TakeDrawingSlots(const TJwwData& doc, TPalette& palette) {
  for (TSlot slot : UserSlots(K)) palette.Table<K>()[slot] = doc.SlotEntry<K>(slot);
}

template <TSlotKind K>
std::vector<SjisString> Lines(const TPalette& palette, const TColorLineLabels& labels) {
  std::vector<SjisString> lines;
  lines.reserve(palette.Held.Of(K).size());
  for (TSlot slot : palette.Held.Of(K)) {
    if constexpr (K == TSlotKind::Color)
      lines.push_back(ListLine(palette.Table<K>()[slot], slot, labels));
    else
      lines.push_back(ListLine(palette.Table<K>()[slot], slot));
  }
  return lines;
}

template <TSlotKind K>
void Copy(const TPalette& src, const std::vector<TSlot>& slots, TJwwData& dst) {
  for (TSlot slot : slots)
    if (IsUserSlot(K, slot)) dst.SetSlotEntry<K>(slot, src.Table<K>()[slot]);
}

// The given slots that held holds, ascending, each once.
std::vector<TSlot> HeldOnly(const std::vector<TSlot>& wanted, const std::vector<TSlot>& held) {
  std::vector<TSlot> slots;
  for (TSlot slot : wanted)
    if (Holds(held, slot)) slots.push_back(slot);
  std::sort(slots.begin(), slots.end());
  slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
  return slots;
}

}  // namespace

TPalette PaletteOfDrawing(const TJwwData& doc) {
  TPalette palette;
  TakeDrawingSlots<TSlotKind::Color>(doc, palette);
  TakeDrawingSlots<TSlotKind::LineType>(doc, palette);
  palette.Held = AllUserSlots();
  return palette;
}

TPalette PalettePart(const TPalette& palette, const TSlotSet& slots) {
  TPalette part = palette;
  for (TSlotKind kind : kSlotKinds)
    part.Held.Of(kind) = HeldOnly(slots.Of(kind), palette.Held.Of(kind));
  return part;
}

SjisString ListLine(const TEntJwwColorExNo& entry, TSlot slot, const TColorLineLabels& labels) {
  return SlotPrefix(slot, entry.Name) + Hex(entry.ScreenColor, 6) + " " + labels.Width +
         std::to_string(entry.ScreenWidth) + " " + Hex(entry.PrintColor, 6) + " " + labels.Width +
         std::to_string(entry.PrintWidth) + " " + labels.PointRadius +
         FixedText(entry.PointRadius, 2);
}

SjisString ListLine(const TEntJwwLineTypeExNo& entry, TSlot slot) {
  std::string line = SlotPrefix(slot, entry.Name) + Hex(entry.Pattern, 8) + " " +
                     std::to_string(entry.SegmentCount) + " [";
  int32_t shown = entry.SegmentCount < 10 ? entry.SegmentCount : 10;
  for (int32_t i = 0; i < shown; ++i) {
    if (i > 0) line += ",";
    line += FixedText(entry.Pitches[i], 2);
  }
  return line + "]";
}

std::vector<SjisString> ListLines(const TPalette& palette, TSlotKind kind,
                                  const TColorLineLabels& labels) {
  return kind == TSlotKind::Color ? Lines<TSlotKind::Color>(palette, labels)
                                  : Lines<TSlotKind::LineType>(palette, labels);
}

void CopySlots(const TPalette& src, const TSlotSet& slots, TJwwData& dst) {
  Copy<TSlotKind::Color>(src, slots.Colors, dst);
  Copy<TSlotKind::LineType>(src, slots.LineTypes, dst);
}

std::vector<bool> MarkedListLines(TSlotKind kind, const std::vector<TSlot>& slots) {
  std::vector<bool> marked(static_cast<size_t>(UserSlotCount(kind)), false);
  for (TSlot slot : slots)
    if (IsUserSlot(kind, slot)) marked[static_cast<size_t>(ListLineOf(slot))] = true;
  return marked;
}

}  // namespace pennatran
