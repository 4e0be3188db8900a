// Where a restored window goes, for screens side by side and screens that went away.
#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace pennatran {
namespace {

TEST(VisiblePlacement, StaysWhereItWasSavedOnlyWhileItsTopEdgeIsOnAScreen) {
  const QRect primary(0, 0, 1920, 1040);
  const QRect left(-1280, 0, 1280, 984);  // a second screen left of the primary
  const QMargins frame(1, 20, 1, 1);
  const struct {
    QRect Saved;
    QList<QRect> Screens;
    QRect Expected;
  } rows[] = {
      {{100, 100, 600, 600}, {primary, left}, {100, 100, 600, 600}},
      {{-1200, 50, 600, 600}, {primary, left}, {-1200, 50, 600, 600}},
      // Across the border of the two screens.
      {{-300, 50, 600, 600}, {primary, left}, {-300, 50, 600, 600}},
      // The second screen was unplugged.
      {{-1200, 50, 600, 600}, {primary}, {24, 24, 600, 600}},
      // The title bar above the screen's top edge.
      {{100, 10, 600, 600}, {primary}, {24, 24, 600, 600}},
      // The browse buttons beyond the right edge; too tall for the screen as well.
      {{1500, 100, 600, 1200}, {primary}, {24, 24, 600, 1015}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(VisiblePlacement(r.Saved, frame, r.Screens, primary), r.Expected)
        << r.Saved.x() << "," << r.Saved.y();
  }
}

}  // namespace
}  // namespace pennatran
