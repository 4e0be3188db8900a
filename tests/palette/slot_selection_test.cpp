// Selections against a source that holds only some slots, as a palette file does.
#include "palette/slot_selection.h"

#include <gtest/gtest.h>

namespace pennatran {
namespace {

std::vector<TSlot> Slots(std::initializer_list<int32_t> numbers) {
  std::vector<TSlot> slots;
  for (int32_t n : numbers) slots.emplace_back(n);
  return slots;
}

struct HeldCase {
  std::string Text;
  std::vector<TSlot> Slots;  // empty with Fails
  bool Fails = false;
};

TEST(SelectHeldSlots, AllMeansTheHeldSlotsAndOthersAreErrors) {
  const std::vector<TSlot> held = Slots({17, 20, 21, 32});
  for (const HeldCase& c :
       {HeldCase{"all", held}, HeldCase{" all ", held}, HeldCase{"20-21,17", Slots({17, 20, 21})},
        HeldCase{"32", Slots({32})}, HeldCase{"18", {}, true}, HeldCase{"19-21", {}, true},
        HeldCase{"33", {}, true}, HeldCase{"x", {}, true}}) {
    const TSlotSelection s = SelectHeldSlots(c.Text, TSlotKind::LineType, held);
    EXPECT_EQ(s.Ok(), !c.Fails) << c.Text;
    EXPECT_EQ(s.Slots, c.Slots) << c.Text;
  }
  const TSlotSelectionError missing = SelectHeldSlots("18", TSlotKind::LineType, held).Error;
  EXPECT_EQ(missing.Failure, TSlotSelectionFailure::NotHeld);
  EXPECT_EQ(missing.Slot, 18);
  EXPECT_TRUE(SelectHeldSlots("all", TSlotKind::LineType, {}).Slots.empty());
}

TEST(ParseSlotSelection, EachKindKeepsToItsOwnUserSlots) {
  for (const TSlotKind kind : kSlotKinds) {
    const TSlotSelection all = ParseSlotSelection("all", kind);
    EXPECT_EQ(all.Slots, UserSlots(kind));
    EXPECT_EQ(all.Slots.back(), LastUserSlot(kind));
    EXPECT_EQ(ParseSlotSelection("16", kind).Slots, std::vector<TSlot>{});
    EXPECT_EQ(ParseSlotSelection("32,17-18,17", kind).Slots, Slots({17, 18, 32}));
  }
  const TSlotSelectionError lineType = ParseSlotSelection("33", TSlotKind::LineType).Error;
  EXPECT_EQ(lineType.Failure, TSlotSelectionFailure::OutOfRange);
  EXPECT_EQ(lineType.LastSlot, 32);
  EXPECT_EQ(ParseSlotSelection("33", TSlotKind::Color).Slots, Slots({33}));
  const TSlotSelectionError color = ParseSlotSelection("257", TSlotKind::Color).Error;
  EXPECT_EQ(color.Failure, TSlotSelectionFailure::OutOfRange);
  EXPECT_EQ(color.LastSlot, 256);
}

// A refusal says why and names the item as written, for the front end to word.
TEST(ParseSlotSelection, RefusalsCarryTheirKindAndItem) {
  struct Case {
    std::string Text;
    TSlotSelectionFailure Failure;
    std::string Item;
  };
  for (const Case& c : {Case{"17, x ,20", TSlotSelectionFailure::NotASlot, "x"},
                        Case{"17,", TSlotSelectionFailure::NotASlot, ""},
                        Case{" 20-17", TSlotSelectionFailure::Backwards, "20-17"},
                        Case{"30-33", TSlotSelectionFailure::OutOfRange, "30-33"},
                        Case{"17-20", TSlotSelectionFailure::None, ""}}) {
    const TSlotSelection s = ParseSlotSelection(c.Text, TSlotKind::LineType);
    EXPECT_EQ(s.Error.Failure, c.Failure) << c.Text;
    EXPECT_EQ(s.Error.Item, c.Item) << c.Text;
    EXPECT_EQ(s.Slots.empty(), c.Failure != TSlotSelectionFailure::None) << c.Text;
  }
}

}  // namespace
}  // namespace pennatran
