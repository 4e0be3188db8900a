#include "palette/palette_save_notes.h"

#include "jww/string_rules.h"
#include "palette/palette_file.h"

namespace pennatran {
namespace {

bool HasControls(const SjisString& name) {
  for (size_t i = 0; i < name.size(); i += CharLength(name, i))
    if (CharLength(name, i) == 1 && static_cast<uint8_t>(name[i]) < 0x20) return true;
  return false;
}

// The settled name is shorter than the name less its control characters and a lead byte
// that ends it only when a "^m" went.
bool LosesCaretM(const SjisString& name) {
  size_t kept = 0;
  for (size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    const auto b = static_cast<uint8_t>(name[i]);
    if (CharLength(name, i) > 1 || (b >= 0x20 && !IsLeadByte(b))) kept += CharLength(name, i);
  }
  return SettledName(name).size() < kept;
}

void NameNotes(const SjisString& name, TSlotKind kind, TSlot slot, std::vector<TSaveNote>& out) {
  if (IsBlankName(name)) return;
  if (HasControls(name)) out.push_back({TSaveChange::NameControlsDropped, kind, slot});
  if (LosesCaretM(name)) out.push_back({TSaveChange::NameCaretMDropped, kind, slot});
}

bool IsKeptSegmentCount(int32_t count) {
  // 0 is what an unused slot of a real drawing holds; its replacement is a fill-in.
  return count == 0 || count == 2 || count == 4 || count == 6 || count == 8;
}

}  // namespace

std::vector<TSaveNote> SaveNotes(const TPalette& palette) {
  std::vector<TSaveNote> notes;
  for (TSlot slot : palette.Held.Colors) {
    const TEntJwwColorExNo& c = palette.Colors[slot];
    if (c.PrintColor != c.ScreenColor)
      notes.push_back({TSaveChange::PrintColorIsScreenColor, TSlotKind::Color, slot});
    NameNotes(c.Name, TSlotKind::Color, slot, notes);
  }
  for (TSlot slot : palette.Held.LineTypes) {
    const TEntJwwLineTypeExNo& t = palette.LineTypes[slot];
    if (!IsKeptSegmentCount(t.SegmentCount))
      notes.push_back({TSaveChange::LineTypeReplaced, TSlotKind::LineType, slot});
    else
      NameNotes(t.Name, TSlotKind::LineType, slot, notes);
  }
  return notes;
}

}  // namespace pennatran
