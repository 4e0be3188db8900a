// Selections against a source that holds only some slots, as a palette file does.
#include "palette/slot_selection.h"

#include <gtest/gtest.h>

namespace pennatran {
namespace {

struct HeldCase {
  std::string Text;
  std::vector<int32_t> Lines;  // expected list lines; empty with Fails
  bool Fails = false;
};

TEST(SelectHeldSlots, AllMeansTheHeldSlotsAndOthersAreErrors) {
  const std::vector<int32_t> held = {0, 3, 4, 15};  // slots 17, 20, 21, 32
  for (const HeldCase& c :
       {HeldCase{"all", {0, 3, 4, 15}}, HeldCase{" all ", {0, 3, 4, 15}},
        HeldCase{"20-21,17", {0, 3, 4}}, HeldCase{"32", {15}}, HeldCase{"18", {}, true},
        HeldCase{"19-21", {}, true}, HeldCase{"33", {}, true}, HeldCase{"x", {}, true}}) {
    const TSlotSelection s = SelectHeldSlots(c.Text, 17, 32, held);
    EXPECT_EQ(s.Ok(), !c.Fails) << c.Text;
    EXPECT_EQ(s.Lines, c.Lines) << c.Text;
  }
  const TSlotSelectionError missing = SelectHeldSlots("18", 17, 32, held).Error;
  EXPECT_EQ(missing.Failure, TSlotSelectionFailure::NotHeld);
  EXPECT_EQ(missing.Slot, 18);
  EXPECT_TRUE(SelectHeldSlots("all", 17, 32, {}).Lines.empty());
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
    const TSlotSelection s = ParseSlotSelection(c.Text, 17, 32);
    EXPECT_EQ(s.Error.Failure, c.Failure) << c.Text;
    EXPECT_EQ(s.Error.Item, c.Item) << c.Text;
    EXPECT_EQ(s.Lines.empty(), c.Failure != TSlotSelectionFailure::None) << c.Text;
  }
  EXPECT_EQ(ParseSlotSelection("33", 17, 32).Error.LastSlot, 32);
}

}  // namespace
}  // namespace pennatran
