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
  TCollector(std::vector<TFieldChange>& out, bool isColor, int32_t slot)
      : Out(out), IsColor(isColor), Slot(slot) {}

  template <typename T, typename Show>
  void Field(const char* field, const T& before, const T& after, Show show) {
    if (Same(before, after)) return;
    Out.push_back({IsColor, Slot, field, show(before), show(after)});
  }

 private:
  static bool Same(double a, double b) { return SameNumber(a, b); }
  template <typename T>
  static bool Same(const T& a, const T& b) {
    return a == b;
  }

  std::vector<TFieldChange>& Out;
  bool IsColor;
  int32_t Slot;
};

std::string Int(int32_t v) {
  return std::to_string(v);
}

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
    TCollector c(changes, true, slot);
    c.Field("Name", a.Name, b.Name, Name);
    c.Field("ScreenColor", a.ScreenColor, b.ScreenColor, Color);
    c.Field("ScreenWidth", a.ScreenWidth, b.ScreenWidth, Int);
    c.Field("PrintColor", a.PrintColor, b.PrintColor, Color);
    c.Field("PrintWidth", a.PrintWidth, b.PrintWidth, Int);
    c.Field("PointRadius", a.PointRadius, b.PointRadius, Number);
  }
  for (int32_t line : lineTypeLines) {
    if (!Holds(before.LineTypeLines, line) || !Holds(after.LineTypeLines, line)) continue;
    const int32_t slot = line + kFirstUserSlot;
    const TEntJwwLineTypeExNo a =
        CanonicalLineTypeSlot(before.LineTypes[static_cast<size_t>(slot)], slot);
    const TEntJwwLineTypeExNo b =
        CanonicalLineTypeSlot(after.LineTypes[static_cast<size_t>(slot)], slot);
    TCollector c(changes, false, slot);
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
