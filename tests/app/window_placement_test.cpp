// Where a restored window goes, for screens side by side, screens that went away, frames
// that reach past a screen's edge and a first start on a small, highly scaled screen.
#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace pennatran {
namespace {

TEST(VisiblePlacement, KeepsTheSavedPlaceOnlyWhileTheWholeFrameIsOnTheScreens) {
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
      // The title bar above the screen's top edge: the frame moves down onto the screen.
      {{100, 10, 600, 600}, {primary}, {100, 20, 600, 600}},
      // The client area at the corner, its title bar above it.
      {{0, 0, 600, 600}, {primary}, {1, 20, 600, 600}},
      // Near the bottom of the screen: moved up until its lower edge shows.
      {{100, 990, 600, 600}, {primary}, {100, 439, 600, 600}},
      // The browse buttons beyond the right edge; too tall for the screen as well.
      {{1500, 100, 600, 1200}, {primary}, {1319, 20, 600, 1019}},
      // Hanging off the bottom of the smaller left screen, mostly on it.
      {{-1000, 600, 600, 600}, {primary, left}, {-1000, 383, 600, 600}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(VisiblePlacement(r.Saved, frame, r.Screens, primary), r.Expected)
        << r.Saved.x() << "," << r.Saved.y();
  }
}

// 1920 by 1080 device pixels at a scale of 2, a panel taking 40: the default 600 by 600
// would reach below the screen with the button bar.
TEST(VisiblePlacement, TheFirstSizeFitsASmallScreen) {
  const QRect screen(0, 0, 960, 520);
  const QRect first(24, 24, 600, 600);
  EXPECT_EQ(VisiblePlacement(first, {}, {screen}, screen), QRect(24, 0, 600, 520));
  EXPECT_EQ(VisiblePlacement(first, {4, 30, 4, 4}, {screen}, screen), QRect(24, 30, 600, 486));
  // A screen large enough keeps the first size; a title bar taller than the first place's
  // distance from the top moves the window down by the difference.
  const QRect large(0, 0, 1920, 1040);
  EXPECT_EQ(VisiblePlacement(first, {4, 20, 4, 4}, {large}, large), first);
  EXPECT_EQ(VisiblePlacement(first, {4, 30, 4, 4}, {large}, large), QRect(24, 30, 600, 600));
}

}  // namespace
}  // namespace pennatran
