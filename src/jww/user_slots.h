// The user slots of a drawing's SXF colour and line type tables. The two tables hold
// different records but are chosen, listed, copied and compared alike: code for both takes
// a TSlotKind, or is a template over it where the records differ.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "jww/jww_types.h"

namespace pennatran {

enum class TSlotKind { Color, LineType };
inline constexpr TSlotKind kSlotKinds[] = {TSlotKind::Color, TSlotKind::LineType};

// The slots below it are the fixed standard ones a user does not define.
inline constexpr int32_t kFirstUserSlot = 17;

// A slot number as the drawing and its user know it ("No.17"): a type of its own, so that
// it cannot be taken for a list line or a pen number.
class TSlot {
 public:
  constexpr TSlot() = default;
  constexpr explicit TSlot(int32_t number) : Number_(number) {}

  constexpr int32_t Number() const { return Number_; }
  // Its place in a table indexed by slot.
  constexpr size_t Index() const { return static_cast<size_t>(Number_); }

  friend constexpr auto operator<=>(TSlot, TSlot) = default;

 private:
  int32_t Number_ = kFirstUserSlot;
};

// The table's length, the fixed slots included.
constexpr int32_t SlotCount(TSlotKind kind) {
  return kind == TSlotKind::Color ? kColorSlotCount : kLineTypeSlotCount;
}
// 240 colours, 16 line types.
constexpr int32_t UserSlotCount(TSlotKind kind) {
  return SlotCount(kind) - kFirstUserSlot;
}
constexpr TSlot LastUserSlot(TSlotKind kind) {
  return TSlot(SlotCount(kind) - 1);
}
constexpr bool IsUserSlot(TSlotKind kind, TSlot slot) {
  return slot.Number() >= kFirstUserSlot && slot.Number() < SlotCount(kind);
}
// Every user slot of the kind, ascending.
std::vector<TSlot> UserSlots(TSlotKind kind);

template <TSlotKind K>
struct TSlotEntry;
template <>
struct TSlotEntry<TSlotKind::Color> {
  using Type = TEntJwwColorExNo;
};
template <>
struct TSlotEntry<TSlotKind::LineType> {
  using Type = TEntJwwLineTypeExNo;
};
template <TSlotKind K>
using TSlotEntryOf = typename TSlotEntry<K>::Type;

// The slots of both kinds that a job names or a palette holds, each list ascending with
// every slot once.
struct TSlotSet {
  std::vector<TSlot> Colors;
  std::vector<TSlot> LineTypes;

  std::vector<TSlot>& Of(TSlotKind kind) { return kind == TSlotKind::Color ? Colors : LineTypes; }
  const std::vector<TSlot>& Of(TSlotKind kind) const {
    return kind == TSlotKind::Color ? Colors : LineTypes;
  }
  size_t Size() const { return Colors.size() + LineTypes.size(); }
  bool Empty() const { return Colors.empty() && LineTypes.empty(); }
  bool operator==(const TSlotSet&) const = default;
};

// Every user slot of both kinds.
TSlotSet AllUserSlots();
// Whether the ascending list holds slot.
bool Holds(const std::vector<TSlot>& slots, TSlot slot);

// A table of one kind indexed by slot, always at its full length.
template <TSlotKind K>
class TSlotTable {
 public:
  using Entry = TSlotEntryOf<K>;

  const Entry& operator[](TSlot slot) const { return Entries[slot.Index()]; }
  Entry& operator[](TSlot slot) { return Entries[slot.Index()]; }

 private:
  std::vector<Entry> Entries = std::vector<Entry>(static_cast<size_t>(SlotCount(K)));
};

}  // namespace pennatran
