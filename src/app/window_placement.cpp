#include "app/window_placement.h"

#include <algorithm>

namespace pennatran {
namespace {

// The default position's distance from the screen's corner.
constexpr int kInset = 24;

bool OnAScreen(const QPoint& point, const QList<QRect>& screens) {
  return std::any_of(screens.begin(), screens.end(),
                     [&](const QRect& screen) { return screen.contains(point); });
}

}  // namespace

QRect VisiblePlacement(const QRect& saved, const QMargins& frame, const QList<QRect>& screens,
                       const QRect& primary) {
  const QPoint frameTopLeft(saved.left() - frame.left(), saved.top() - frame.top());
  if (OnAScreen(frameTopLeft, screens) && OnAScreen(saved.topRight(), screens)) return saved;
  const int left = primary.left() + std::max(kInset, frame.left());
  const int top = primary.top() + std::max(kInset, frame.top());
  const int width = std::min(saved.width(), primary.right() + 1 - frame.right() - left);
  const int height = std::min(saved.height(), primary.bottom() + 1 - frame.bottom() - top);
  return {left, top, std::max(width, 1), std::max(height, 1)};
}

}  // namespace pennatran
