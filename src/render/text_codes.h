// Texts that stand for a value: file and folder names, dates, times, scales, memo lines.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "render/render_context.h"

namespace pennatran {

struct TTextCodeResult {
  std::string Value;  // Shift-JIS
  bool Replaced = false;
};

// When the whole content is one of the codes, its value and Replaced; a content beginning
// with "%%" is returned unchanged with Replaced; anything else is not replaced. Values come
// from ctx.DocInfo, ctx.StartDateTime, ctx.CurrentScale and the clock ctx.Clock (the system
// clock when unset), read anew for every code.
TTextCodeResult ExpandTextCode(const TRenderContext& ctx, std::string_view content);

constexpr int32_t kPathSlotCount = 81;
using TPathSlots = std::array<std::string, kPathSlotCount>;
// Splits a Shift-JIS path at "\" and "/" (a doubled "\" counts once) into slots 0..80 and
// returns the index of the last component; components past 80 collapse into slot 80.
int32_t SplitPath(std::string_view path, TPathSlots& slots);

struct TColumnCopy {
  std::string Text;
  int32_t Columns = 0;
};
// The characters of s lying wholly inside the count half-width columns from column first
// (1-based); a two-byte character is never split. Empty for an empty s, first < 1, first
// beyond the end or count < 1.
TColumnCopy CopyByColumns(std::string_view s, int32_t first, int32_t count);

}  // namespace pennatran
