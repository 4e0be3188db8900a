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
  EXPECT_EQ(SelectHeldSlots("18", 17, 32, held).Error, "slot 18 is not in the source");
  EXPECT_TRUE(SelectHeldSlots("all", 17, 32, {}).Lines.empty());
}

}  // namespace
}  // namespace pennatran
