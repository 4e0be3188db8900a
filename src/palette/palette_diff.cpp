#include "palette/palette_diff.h"

#include <algorithm>
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
  TCollector(std::vector<TFieldChange>& out, bool isColor, int32_t slot)
      : Out(out), IsColor(isColor), Slot(slot) {}

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
    Out.push_back({IsColor, Slot, std::string(field), show(before), show(after)});
  }

  static bool Same(double a, double b) { return SameNumber(a, b); }
  template <typename T>
  static bool Same(const T& a, const T& b) {
    return a == b;
  }

  std::vector<TFieldChange>& Out;
  bool IsColor;
  int32_t Slot;
};

bool Holds(const std::vector<int32_t>& lines, int32_t line) {
  return std::binary_search(lines.begin(), lines.end(), line);
}

}  // namespace

std::vector<TFieldChange> CompareSlots(const TPalette& before, const TPalette& after,
                                       const std::vector<int32_t>& colorLines,
                                       const std::vector<int32_t>& lineTypeLines) {
  std::vector<TFieldChange> changes;
  for (int32_t line : colorLines) {
    if (!Holds(before.ColorLines, line) || !Holds(after.ColorLines, line)) continue;
    const int32_t slot = line + kFirstUserSlot;
    const TEntJwwColorExNo a = CanonicalColorSlot(before.Colors[static_cast<size_t>(slot)], slot);
    const TEntJwwColorExNo b = CanonicalColorSlot(after.Colors[static_cast<size_t>(slot)], slot);
    TCollector(changes, true, slot).Fields(a, b);
  }
  for (int32_t line : lineTypeLines) {
    if (!Holds(before.LineTypeLines, line) || !Holds(after.LineTypeLines, line)) continue;
    const int32_t slot = line + kFirstUserSlot;
    const TEntJwwLineTypeExNo a =
        CanonicalLineTypeSlot(before.LineTypes[static_cast<size_t>(slot)], slot);
    const TEntJwwLineTypeExNo b =
        CanonicalLineTypeSlot(after.LineTypes[static_cast<size_t>(slot)], slot);
    TCollector(changes, false, slot).Fields(a, b);
  }
  return changes;
}

std::string SlotText(const TSlotRef& slot) {
  return std::string(slot.IsColor ? "colour" : "line type") + " No." + std::to_string(slot.Slot);
}

std::string ChangeText(const TFieldChange& change) {
  return SlotText({change.IsColor, change.Slot}) + " " + change.Field + " " + change.Before +
         " → " + change.After;
}

std::vector<TSlotRef> ChangedSlots(const std::vector<TFieldChange>& changes) {
  std::vector<TSlotRef> slots;
  for (const TFieldChange& change : changes) {
    const TSlotRef slot{change.IsColor, change.Slot};
    if (slots.empty() || !(slots.back() == slot)) slots.push_back(slot);
  }
  return slots;
}

namespace {

std::vector<bool> DifferingLines(const TPalette& a, const TPalette& b, bool colors) {
  const int32_t count = colors ? kColorLineCount : kLineTypeLineCount;
  std::vector<int32_t> lines(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) lines[static_cast<size_t>(i)] = i;
  const std::vector<int32_t> none;
  const std::vector<TFieldChange> changes =
      colors ? CompareSlots(a, b, lines, none) : CompareSlots(a, b, none, lines);
  std::vector<bool> differs(static_cast<size_t>(count), false);
  for (const TFieldChange& change : changes)
    differs[static_cast<size_t>(change.Slot - kFirstUserSlot)] = true;
  return differs;
}

}  // namespace

std::vector<bool> DifferingColorLines(const TPalette& a, const TPalette& b) {
  return DifferingLines(a, b, true);
}

std::vector<bool> DifferingLineTypeLines(const TPalette& a, const TPalette& b) {
  return DifferingLines(a, b, false);
}

}  // namespace pennatran
