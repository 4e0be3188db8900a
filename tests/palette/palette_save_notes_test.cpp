// Which values of a palette a save changes in ways a user may not expect; fill-ins of what
// real drawings leave blank get no note.
#include <gtest/gtest.h>

#include "palette/palette_file.h"

namespace pennatran::testing {
namespace {

TEST(SaveNotes, NameTheUnexpectedChangesOnly) {
  TPalette palette;
  palette.Held.Colors = {TSlot(17), TSlot(18), TSlot(19), TSlot(20), TSlot(21)};
  palette.Colors[TSlot(17)] = {0xFF, 1, "", 0xFF, 1, 0.5};            // blank: filled in, no note
  palette.Colors[TSlot(18)] = {0xFF, 1, "a", 0x00, 1, 0.5};           // prints in another colour
  palette.Colors[TSlot(19)] = {0xFF, 1, "a\x01^^mmb", 0xFF, 1, 0.5};  // a control and ^m
  palette.Colors[TSlot(20)] = {0xFF, 1, "\x01 ", 0xFF, 1, 0.5};       // blank once cleaned
  palette.Colors[TSlot(21)] = {0xFF, 1, "\x81^m", 0xFF, 1, 0.5};      // ^ is a second byte
  palette.Held.LineTypes = {TSlot(17), TSlot(18), TSlot(19)};
  palette.LineTypes[TSlot(17)] = {};                               // an unused slot
  palette.LineTypes[TSlot(18)] = {0, 1, 1, 1, "x", 3, {1, 1, 1}};  // replaced
  palette.LineTypes[TSlot(19)] = {0, 1, 1, 1, "y^m", 2, {1, 1}};   // pattern 0 is a fill-in
  const std::vector<TSaveNote> expected = {
      {TSaveChange::PrintColorIsScreenColor, TSlotKind::Color, TSlot(18)},
      {TSaveChange::NameControlsDropped, TSlotKind::Color, TSlot(19)},
      {TSaveChange::NameCaretMDropped, TSlotKind::Color, TSlot(19)},
      {TSaveChange::LineTypeReplaced, TSlotKind::LineType, TSlot(18)},
      {TSaveChange::NameCaretMDropped, TSlotKind::LineType, TSlot(19)},
  };
  EXPECT_EQ(SaveNotes(palette), expected);
}

}  // namespace
}  // namespace pennatran::testing
