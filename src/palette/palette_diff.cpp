#include "palette/palette_diff.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "jww/number_text.h"
#include "jww/text_encoding.h"
#include "palette/palette_json_names.h"
#include "palette/slot_canonical.h"

namespace pennatran {
namespace {

// The high byte is no part of the colour but is kept; show it when it is set.
std::string Color(uint32_t value) {
  if ((value >> 24) == 0) return ColorText(value);
  return ColorText(value) + " (" + std::to_string(value) + ")";
}

std::string Number(double value) {
  if (std::isnan(value)) return kTextNaN;
  return ShortestText(value);
}

std::string Hex8(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
  return text;
}

std::string Name(const SjisString& name) {
  return "\"" + SjisToUtf8(name) + "\"";
}

class TCollector {
 public:
  TCollector(std::vector<TFieldChange>& out, TSlotKind kind, TSlot slot)
      : Out(out), Kind(kind), Slot(slot) {}

  template <typename T, typename Show>
  void Field(const char* field, const T& before, const T& after, Show show) {
    if (Same(before, after)) return;
    Out.push_back({Kind, Slot, field, show(before), show(after)});
  }

 private:
  static bool Same(double a, double b) { return SameNumber(a, b); }
  template <typename T>
  static bool Same(const T& a, const T& b) {
    return a == b;
  }

  std::vector<TFieldChange>& Out;
  TSlotKind Kind;
  TSlot Slot;
};

std::string Int(int32_t v) {
  return std::to_string(v);
}

template <TSlotKind K>
bool BothHold(const TPalette& a, const TPalette& b, TSlot slot) {
  return Holds(a.Held.Of(K), slot) && Holds(b.Held.Of(K), slot);
}

}  // namespace

std::vector<TFieldChange> CompareSlots(const TPalette& before, const TPalette& after,
                                       const TSlotSet& slots) {
  std::vector<TFieldChange> changes;
  for (TSlot slot : slots.Colors) {
    if (!BothHold<TSlotKind::Color>(before, after, slot)) continue;
    const TEntJwwColorExNo a = CanonicalSlot(before.Colors[slot], slot);
    const TEntJwwColorExNo b = CanonicalSlot(after.Colors[slot], slot);
    TCollector c(changes, TSlotKind::Color, slot);
    c.Field("Name", a.Name, b.Name, Name);
    c.Field("ScreenColor", a.ScreenColor, b.ScreenColor, Color);
    c.Field("ScreenWidth", a.ScreenWidth, b.ScreenWidth, Int);
    c.Field("PrintColor", a.PrintColor, b.PrintColor, Color);
    c.Field("PrintWidth", a.PrintWidth, b.PrintWidth, Int);
    c.Field("PointRadius", a.PointRadius, b.PointRadius, Number);
  }
  for (TSlot slot : slots.LineTypes) {
    if (!BothHold<TSlotKind::LineType>(before, after, slot)) continue;
    const TEntJwwLineTypeExNo a = CanonicalSlot(before.LineTypes[slot], slot);
    const TEntJwwLineTypeExNo b = CanonicalSlot(after.LineTypes[slot], slot);
    TCollector c(changes, TSlotKind::LineType, slot);
    c.Field("Name", a.Name, b.Name, Name);
    c.Field("Pattern", a.Pattern, b.Pattern, Hex8);
    c.Field("UnitDots", a.UnitDots, b.UnitDots, Int);
    c.Field("ScreenPitch", a.ScreenPitch, b.ScreenPitch, Int);
    c.Field("PrintPitch", a.PrintPitch, b.PrintPitch, Int);
    c.Field("SegmentCount", a.SegmentCount, b.SegmentCount, Int);
    for (size_t i = 0; i < std::size(a.Pitches); ++i) {
      const std::string field = "Pitch" + std::to_string(i + 1);
      c.Field(field.c_str(), a.Pitches[i], b.Pitches[i], Number);
    }
  }
  return changes;
}

std::string SlotText(const TSlotRef& slot) {
  return std::string(slot.Kind == TSlotKind::Color ? "colour" : "line type") + " No." +
         std::to_string(slot.Slot.Number());
}

std::string ChangeText(const TFieldChange& change) {
  return SlotText({change.Kind, change.Slot}) + " " + change.Field + " " + change.Before + " → " +
         change.After;
}

std::vector<TSlotRef> ChangedSlots(const std::vector<TFieldChange>& changes) {
  std::vector<TSlotRef> slots;
  for (const TFieldChange& change : changes) {
    const TSlotRef slot{change.Kind, change.Slot};
    if (slots.empty() || !(slots.back() == slot)) slots.push_back(slot);
  }
  return slots;
}

std::vector<TSlot> DifferingSlots(const TPalette& a, const TPalette& b, TSlotKind kind) {
  TSlotSet slots;
  slots.Of(kind) = UserSlots(kind);
  std::vector<TSlot> differing;
  for (const TSlotRef& slot : ChangedSlots(CompareSlots(a, b, slots)))
    differing.push_back(slot.Slot);
  return differing;
}

}  // namespace pennatran
