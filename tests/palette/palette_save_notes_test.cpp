// Which values of a palette a save changes in ways a user may not expect; fill-ins of what
// real drawings leave blank get no note.
#include <gtest/gtest.h>

#include "palette/palette_file.h"

namespace pennatran::testing {
namespace {

TEST(SaveNotes, NameTheUnexpectedChangesOnly) {
  TPalette palette;
  palette.ColorLines = {0, 1, 2, 3, 4};
  palette.Colors[17] = {0xFF, 1, "", 0xFF, 1, 0.5};            // blank: filled in, no note
  palette.Colors[18] = {0xFF, 1, "a", 0x00, 1, 0.5};           // prints in another colour
  palette.Colors[19] = {0xFF, 1, "a\x01^^mmb", 0xFF, 1, 0.5};  // a control and ^m
  palette.Colors[20] = {0xFF, 1, "\x01 ", 0xFF, 1, 0.5};       // blank once cleaned
  palette.Colors[21] = {0xFF, 1, "\x81^m", 0xFF, 1, 0.5};      // ^ is a second byte
  palette.LineTypeLines = {0, 1, 2};
  palette.LineTypes[17] = {};                               // an unused slot
  palette.LineTypes[18] = {0, 1, 1, 1, "x", 3, {1, 1, 1}};  // replaced
  palette.LineTypes[19] = {0, 1, 1, 1, "y^m", 2, {1, 1}};   // pattern 0 is a fill-in
  const std::vector<TSaveNote> expected = {
      {TSaveChange::PrintColorIsScreenColor, true, 18},
      {TSaveChange::NameControlsDropped, true, 19},
      {TSaveChange::NameCaretMDropped, true, 19},
      {TSaveChange::LineTypeReplaced, false, 18},
      {TSaveChange::NameCaretMDropped, false, 19},
  };
  EXPECT_EQ(SaveNotes(palette), expected);
}

}  // namespace
}  // namespace pennatran::testing
