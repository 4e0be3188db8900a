#include "jww/written_values.h"

#include <algorithm>
#include <string>

#include "jww/string_rules.h"
#include "jww/user_slots.h"

namespace pennatran {
namespace {

constexpr uint32_t kLargestColor = 0xFFFFFF;

uint32_t ColorInRange(uint32_t color) {
  return color > kLargestColor ? 0 : color;
}

SjisString NameOrDefault(const SjisString& name, const char* prefix, int32_t slot) {
  SjisString cleaned = WriterClean(name);
  if (!IsBlankName(cleaned)) return cleaned;
  return prefix + std::to_string(slot);
}

bool IsPlainSegmentCount(int32_t count) {
  return count == 2 || count == 4 || count == 6 || count == 8;
}

bool IsLineColor(uint16_t color) {
  return (color >= 1 && color <= 9) || (color >= 101 && color <= 356);
}

bool IsSolidColor(uint16_t color) {
  return color == 10 || IsLineColor(color);
}

bool IsLineLineType(uint8_t type) {
  return (type >= 1 && type <= 9) || (type >= 11 && type <= 19) || (type >= 31 && type <= 62);
}

}  // namespace

TEntJwwPen WrittenPen(const TEntJwwPen& pen, int32_t index) {
  TEntJwwPen out = pen;
  out.ScreenColor = ColorInRange(pen.ScreenColor);
  out.ScreenWidth = std::clamp(pen.ScreenWidth, 1, 16);
  out.PrintColor = index == 0 ? kLargestColor : ColorInRange(pen.PrintColor);
  out.PrintWidth = std::clamp(pen.PrintWidth, 1, 500);
  if (out.PointRadius < 0.1) out.PointRadius = 0.1;
  if (out.PointRadius > 10) out.PointRadius = 10;
  return out;
}

int32_t WrittenEleventhSwitch(const TEntJwwHeader& header) {
  // Unsigned arithmetic: a nonsense tens part must wrap, not overflow.
  uint32_t tens = header.WidthUnitMode > 0 ? static_cast<uint32_t>(header.WidthUnitMode) : 1u;
  return static_cast<int32_t>(static_cast<uint32_t>(header.DisplayOnlyNoPrint) + 10u * tens);
}

TEntJwwColorExNo WrittenColorSlot(const TEntJwwColorExNo& entry, int32_t slot) {
  TEntJwwColorExNo out = entry;
  out.Name = NameOrDefault(entry.Name, "Color_", slot);
  if (slot >= kFirstUserSlot) out.PrintColor = entry.ScreenColor;
  return out;
}

TEntJwwLineTypeExNo WrittenLineTypeSlot(const TEntJwwLineTypeExNo& entry, int32_t slot) {
  TEntJwwLineTypeExNo out = entry;
  if (slot >= kFirstUserSlot && !IsPlainSegmentCount(entry.SegmentCount)) {
    out = TEntJwwLineTypeExNo{};
    out.Pattern = 0xC3C3C3C3;
    out.UnitDots = 8;
    out.ScreenPitch = 1;
    out.PrintPitch = 8;
    out.Name = "LType_" + std::to_string(slot);
    out.SegmentCount = 2;
    out.Pitches[0] = 1.0;
    out.Pitches[1] = 1.0;
    return out;
  }
  if (out.Pattern == 0) out.Pattern = 0xFFFFFFFF;
  out.Name = NameOrDefault(entry.Name, "LType_", slot);
  return out;
}

TEntJwwCommon WrittenCommon(const TEntJwwCommon& common, TCommonKind kind) {
  TEntJwwCommon out = common;
  switch (kind) {
    case TCommonKind::Line:
      if (!IsLineLineType(out.LineType)) out.LineType = 0;
      if (!IsLineColor(out.Color)) out.Color = 0;
      break;
    case TCommonKind::Point:
      if (out.LineType != 1 && out.LineType != 100) out.LineType = 1;
      if (!IsLineColor(out.Color)) out.Color = 0;
      break;
    case TCommonKind::Text:
      if (out.LineType < 1 || out.LineType > 9) out.LineType = 1;
      if (!IsLineColor(out.Color)) out.Color = 0;
      break;
    case TCommonKind::Dimension:
      if (!IsLineColor(out.Color)) out.Color = 0;
      break;
    case TCommonKind::Solid:
      if (!IsSolidColor(out.Color)) out.Color = 0;
      break;
    case TCommonKind::Block:
      break;
  }
  if (out.Layer > 15) out.Layer = 0;
  if (out.LayerGroup > 15) out.LayerGroup = 0;
  if (out.Width > 30000) out.Width = 0;
  return out;
}

}  // namespace pennatran
