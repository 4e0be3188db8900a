#include "palette/slot_selection.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace pennatran {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Digits only: a sign would make "17-20" ambiguous and is never needed for a slot.
std::optional<int32_t> ParseSlot(std::string_view s) {
  s = Trim(s);
  if (s.empty() || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  int32_t value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

}  // namespace

TSlotSelection ParseSlotSelection(std::string_view text, TSlotKind kind) {
  TSlotSelection result;
  const int32_t firstSlot = kFirstUserSlot;
  const int32_t lastSlot = LastUserSlot(kind).Number();
  if (Trim(text) == "all") {
    result.Slots = UserSlots(kind);
    return result;
  }
  std::vector<TSlot> slots;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    const std::string_view item = Trim(text.substr(start, comma - start));
    start = comma + 1;
    const size_t dash = item.find('-');
    std::optional<int32_t> low = ParseSlot(item.substr(0, dash));
    std::optional<int32_t> high =
        dash == std::string_view::npos ? low : ParseSlot(item.substr(dash + 1));
    TSlotSelectionFailure failure = TSlotSelectionFailure::None;
    if (!low || !high) {
      failure = TSlotSelectionFailure::NotASlot;
    } else if (*low > *high) {
      failure = TSlotSelectionFailure::Backwards;
    } else if (*low < firstSlot || *high > lastSlot) {
      failure = TSlotSelectionFailure::OutOfRange;
    }
    if (failure != TSlotSelectionFailure::None) {
      result.Error = {failure, std::string(item), firstSlot, lastSlot, 0};
      return result;
    }
    for (int32_t slot = *low; slot <= *high; ++slot) slots.emplace_back(slot);
  }
  std::sort(slots.begin(), slots.end());
  slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
  result.Slots = std::move(slots);
  return result;
}

TSlotSelection SelectHeldSlots(std::string_view text, TSlotKind kind,
                               const std::vector<TSlot>& held) {
  TSlotSelection result;
  if (Trim(text) == "all") {
    for (TSlot slot : held)
      if (IsUserSlot(kind, slot)) result.Slots.push_back(slot);
    return result;
  }
  result = ParseSlotSelection(text, kind);
  for (TSlot slot : result.Slots) {
    if (!Holds(held, slot)) {
      result.Error = {TSlotSelectionFailure::NotHeld,
                      {},
                      kFirstUserSlot,
                      LastUserSlot(kind).Number(),
                      slot.Number()};
      result.Slots.clear();
      break;
    }
  }
  return result;
}

}  // namespace pennatran
