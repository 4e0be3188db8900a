#include "palette/palette_diff.h"

#include <cmath>
#include <cstdio>

#include "jww/number_text.h"
#include "jww/text_encoding.h"
#include "palette/palette_fields.h"
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

  // Every differing field of the two slots, in the order palette files list them.
  template <typename SlotRecord>
  void Fields(const SlotRecord& a, const SlotRecord& b) {
    ForEachSlotField<SlotRecord>(
        [&](const auto& field) { Field(field, a.*field.Pointer, b.*field.Pointer); });
  }

 private:
  template <typename F>
  void Field(const F& field, const SjisString& a, const SjisString& b) {
    Add(field.Name, a, b, Name);
  }
  template <typename F>
  void Field(const F& field, uint32_t a, uint32_t b) {
    Add(field.Name, a, b, field.Form == TValueForm::BitPattern ? Hex8 : Color);
  }
  template <typename F>
  void Field(const F& field, int32_t a, int32_t b) {
    Add(field.Name, a, b, [](int32_t v) { return std::to_string(v); });
  }
  template <typename F>
  void Field(const F& field, double a, double b) {
    Add(field.Name, a, b, Number);
  }
  // Each element on its own: "Pitch3".
  template <typename F, size_t N>
  void Field(const F& field, const double (&a)[N], const double (&b)[N]) {
    for (size_t i = 0; i < N; ++i)
      Add(std::string(field.Element) + std::to_string(i + 1), a[i], b[i], Number);
  }

  template <typename T, typename Show>
  void Add(std::string_view field, const T& before, const T& after, Show show) {
    if (Same(before, after)) return;
    Out.push_back({Kind, Slot, std::string(field), show(before), show(after)});
  }

  static bool Same(double a, double b) { return SameNumber(a, b); }
  template <typename T>
  static bool Same(const T& a, const T& b) {
    return a == b;
  }

  std::vector<TFieldChange>& Out;
  TSlotKind Kind;
  TSlot Slot;
};

template <TSlotKind K>
void CompareKind(const TPalette& before, const TPalette& after, const std::vector<TSlot>& slots,
                 std::vector<TFieldChange>& changes) {
  for (TSlot slot : slots) {
    if (!Holds(before.Held.Of(K), slot) || !Holds(after.Held.Of(K), slot)) continue;
    TCollector(changes, K, slot)
        .Fields(CanonicalSlot(before.Table<K>()[slot], slot),
                CanonicalSlot(after.Table<K>()[slot], slot));
  }
}

}  // namespace

std::vector<TFieldChange> CompareSlots(const TPalette& before, const TPalette& after,
                                       const TSlotSet& slots) {
  std::vector<TFieldChange> changes;
  CompareKind<TSlotKind::Color>(before, after, slots.Colors, changes);
  CompareKind<TSlotKind::LineType>(before, after, slots.LineTypes, changes);
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
