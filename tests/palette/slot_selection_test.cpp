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
  EXPECT_EQ(SelectHeldSlots("18", TSlotKind::LineType, held).Error, "slot 18 is not in the source");
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
  EXPECT_EQ(ParseSlotSelection("33", TSlotKind::LineType).Error,
            "\"33\" lies outside the slots 17..32");
  EXPECT_EQ(ParseSlotSelection("33", TSlotKind::Color).Slots, Slots({33}));
  EXPECT_EQ(ParseSlotSelection("257", TSlotKind::Color).Error,
            "\"257\" lies outside the slots 17..256");
}

}  // namespace
}  // namespace pennatran
