// The SXF user colour and line type slots of a drawing, or the ones a palette file holds:
// the text of their list lines and the copy into a drawing. The window, the page and the
// command line share these.
#pragma once

#include <cstdint>
#include <vector>

#include "jww/jww_data.h"
#include "jww/user_slots.h"

namespace pennatran {

struct TPalette {
  TSlotTable<TSlotKind::Color> Colors;
  TSlotTable<TSlotKind::LineType> LineTypes;
  // The slots the palette holds; only their entries carry meaning.
  TSlotSet Held;

  template <TSlotKind K>
  const TSlotTable<K>& Table() const {
    if constexpr (K == TSlotKind::Color)
      return Colors;
    else
      return LineTypes;
  }
  template <TSlotKind K>
  TSlotTable<K>& Table() {
    if constexpr (K == TSlotKind::Color)
      return Colors;
    else
      return LineTypes;
  }
};

// Every user slot of a drawing (zero entries where it has no tables).
TPalette PaletteOfDrawing(const TJwwData& doc);
// Only the given slots of palette (slots it does not hold are left out).
TPalette PalettePart(const TPalette& palette, const TSlotSet& slots);

// The words a colour list line puts before its numbers, in Shift-JIS: each front end gives
// them in its own language.
struct TColorLineLabels {
  SjisString Width;        // before each of the two widths, e.g. "幅:"
  SjisString PointRadius;  // e.g. "点半径:"
};

// One list line, Shift-JIS, e.g. "No.17 [] 0000FF 幅:1 0000FF 幅:2 点半径:0.30".
SjisString ListLine(const TEntJwwColorExNo& entry, TSlot slot, const TColorLineLabels& labels);
// e.g. "No.17 [] 00000000 2 [1.00,0.50]".
SjisString ListLine(const TEntJwwLineTypeExNo& entry, TSlot slot);
// The lines of the held slots of a kind, in slot order.
std::vector<SjisString> ListLines(const TPalette& palette, TSlotKind kind,
                                  const TColorLineLabels& labels);

// Overwrites every given slot of dst with a full copy of the palette's entry, whether the
// palette holds it or not. Slots outside the user slots are ignored; a table missing from
// dst is sized to its fixed length before a slot is written into it.
void CopySlots(const TPalette& src, const TSlotSet& slots, TJwwData& dst);

// A list widget that shows every user slot of a kind shows slot n on line n - 17; the
// window and the page convert between the two only here, where they fill or read a list.
constexpr int32_t ListLineOf(TSlot slot) {
  return slot.Number() - kFirstUserSlot;
}
constexpr TSlot SlotOfListLine(int32_t line) {
  return TSlot(line + kFirstUserSlot);
}
// For every line of such a list, whether its slot is among slots.
std::vector<bool> MarkedListLines(TSlotKind kind, const std::vector<TSlot>& slots);

}  // namespace pennatran
